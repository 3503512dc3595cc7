#include "HtmlObject.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "HtmlProperty.h"
#include "HtmlRefCounted.h"
#include "NSHtmlPropertyValue.h"
#include "NSHtmlString.h"
#include "SlotCall.h"

using slotcall::callSlot;
using slotcall::Rect4;

namespace {

class Counted final : public CHtmlRefCounted<Counted, IHtmlObject> {
 public:
  explicit Counted(int* destroyed) : m_destroyed(destroyed) {}
  ~Counted() { ++*m_destroyed; }

 private:
  int* m_destroyed;
};

const unsigned short* U(const char16_t* text) {
  return reinterpret_cast<const unsigned short*>(text);
}

}  // namespace

TEST(HtmlObjectTest, CountingStartsAtOneAndTheLastReleaseDestroys) {
  int destroyed = 0;
  Counted* object = new Counted(&destroyed);
  EXPECT_EQ(object->getReferenceCount(), 1);
  object->addRef();
  EXPECT_EQ(object->getReferenceCount(), 2);
  object->release();
  EXPECT_EQ(destroyed, 0);
  object->release();
  EXPECT_EQ(destroyed, 1);
}

TEST(HtmlObjectTest, SmartPointerAdoptsRawPointersAndCountsCopies) {
  int destroyed = 0;
  {
    CHtmlObjectPtr<Counted> first = new Counted(&destroyed);  // adopted
    Counted* raw = first;
    EXPECT_EQ(raw->getReferenceCount(), 1);
    {
      CHtmlObjectPtr<Counted> copy = first;
      EXPECT_EQ(raw->getReferenceCount(), 2);
      copy = first;  // assignment from another pointer to the same object
      EXPECT_EQ(raw->getReferenceCount(), 2);
    }
    EXPECT_EQ(raw->getReferenceCount(), 1);
    first = raw;  // the pointer it already holds: left alone
    EXPECT_EQ(raw->getReferenceCount(), 1);
    EXPECT_EQ(destroyed, 0);
    first = new Counted(&destroyed);  // the old object is released first
    EXPECT_EQ(destroyed, 1);
    CHtmlObjectPtr<Counted> empty;
    EXPECT_EQ(static_cast<Counted*>(empty), nullptr);
    Counted* detached = first.detach();
    EXPECT_EQ(detached->getReferenceCount(), 1);
    detached->release();
  }
  EXPECT_EQ(destroyed, 2);
}

TEST(HtmlObjectTest, WideStringHelpersCountAndCopyCodeUnits) {
  EXPECT_EQ(wcslen(U(u"")), 0u);
  EXPECT_EQ(wcslen(U(u"caf\u00E9\U0001D11E")), 6u);  // a surrogate pair counts as two units
  unsigned short buffer[8];
  for (unsigned short& unit : buffer)
    unit = 0xAAAA;
  EXPECT_EQ(wcscpy(buffer, U(u"abc")), buffer);
  EXPECT_EQ(buffer[2], u'c');
  EXPECT_EQ(buffer[3], 0);  // the terminator is copied
  EXPECT_EQ(buffer[4], 0xAAAA);
}

TEST(HtmlObjectTest, DefaultSlotsAnswerZeroAndNSHtmlStringKeepsTheDefaultCount) {
  NSHtmlString* text = new NSHtmlString(NS_ConvertUTF8toUTF16("x\xC3\xA9"));
  EXPECT_EQ(callSlot<int>(text, 2), 0);  // getReferenceCount keeps the interface default
  const unsigned short* chars = callSlot<const unsigned short*>(text, 3);
  EXPECT_EQ(chars[0], u'x');
  EXPECT_EQ(chars[1], 0xE9);
  nsString copy = *text;
  EXPECT_EQ(copy.Length(), 2u);
  callSlot<void>(text, 1);  // release: freed (checked by the sanitizer build)
}

TEST(PropertyValueSlotsTest, EveryKindThroughItsSlots) {
  // slots: 3 type, 4 string, 5 shortValue, 6 intValue, 7 longValue, 8 floatValue,
  // 9 stringLength, 10 element, 11 rectangle, 12 booleanValue, 13 object
  CHtmlObjectPtr<IHtmlPropertyValue> text = new CNSHtmlPropertyValue("abc");
  EXPECT_EQ(callSlot<int>(text, 3), 3);
  EXPECT_EQ(callSlot<int>(text, 9), 3);
  const unsigned short* chars = callSlot<const unsigned short*>(text, 4);
  EXPECT_EQ(chars[0], u'a');
  EXPECT_EQ(chars[3], 0);
  EXPECT_EQ(callSlot<void*>(text, 10), nullptr);
  EXPECT_EQ(callSlot<void*>(text, 13), nullptr);

  CHtmlObjectPtr<IHtmlPropertyValue> utf8 =
      new CNSHtmlPropertyValue("\xE2\x82\xAC\xF0\x9D\x84\x9E");
  EXPECT_EQ(callSlot<int>(utf8, 9), 3);  // one unit for the euro sign, two for the clef

  CHtmlObjectPtr<IHtmlPropertyValue> number = new CNSHtmlPropertyValue(-7);
  EXPECT_EQ(callSlot<int>(number, 3), 1);
  EXPECT_EQ(callSlot<int>(number, 6), -7);
  EXPECT_EQ(callSlot<const unsigned short*>(number, 4), nullptr);
  EXPECT_EQ(callSlot<int>(number, 9), 0);
  EXPECT_EQ(callSlot<void*>(number, 13), nullptr);

  CHtmlObjectPtr<IHtmlPropertyValue> shortNumber = new CNSHtmlPropertyValue(short(-2));
  EXPECT_EQ(callSlot<int>(shortNumber, 3), 1);
  EXPECT_EQ(callSlot<unsigned short>(shortNumber, 5), 0xFFFE);  // zero-extended low 16 bits

  CHtmlObjectPtr<IHtmlPropertyValue> wide = new CNSHtmlPropertyValue(-5000000000LL);
  EXPECT_EQ(callSlot<int>(wide, 3), 2);
  EXPECT_EQ(callSlot<long long>(wide, 7), -5000000000LL);

  nsIntRect r(1, 2, 3, 4);
  CHtmlObjectPtr<IHtmlPropertyValue> rect = new CNSHtmlPropertyValue(r);
  EXPECT_EQ(callSlot<int>(rect, 3), 6);
  Rect4 back = callSlot<Rect4>(rect, 11);
  EXPECT_EQ(back.x, 1);
  EXPECT_EQ(back.y, 2);
  EXPECT_EQ(back.width, 3);
  EXPECT_EQ(back.height, 4);
  CHtmlObjectPtr<IHtmlPropertyValue> appUnits = new CNSHtmlPropertyValue(nsRect(-60, 0, 120, 7));
  EXPECT_EQ(callSlot<Rect4>(appUnits, 11).x, -60);  // copied as it stands

  CHtmlObjectPtr<IHtmlPropertyValue> yes = new CNSHtmlPropertyValue(true);
  CHtmlObjectPtr<IHtmlPropertyValue> no = new CNSHtmlPropertyValue(false);
  EXPECT_EQ(callSlot<int>(yes, 3), 7);
  EXPECT_TRUE(callSlot<bool>(yes, 12));
  EXPECT_FALSE(callSlot<bool>(no, 12));
  EXPECT_EQ(callSlot<void*>(yes, 10), nullptr);

  CHtmlObjectPtr<IHtmlPropertyValue> empty =
      new CNSHtmlPropertyValue(static_cast<const char*>(nullptr));
  EXPECT_EQ(callSlot<int>(empty, 3), 3);
  EXPECT_EQ(callSlot<int>(empty, 9), 0);
  EXPECT_EQ(callSlot<const unsigned short*>(empty, 4)[0], 0);
}

TEST(PropertyValueSlotsTest, FilledStringsAreWrittenInPlaceOrNotMade) {
  const PRUnichar* written = nullptr;
  CHtmlObjectPtr<IHtmlPropertyValue> filled =
      CNSHtmlPropertyValue::filledString([&written](nsString_external& text) {
        text.AssignLiteral("written in place, longer than a short string");
        written = text.get();
        return true;
      });
  ASSERT_TRUE(filled);
  EXPECT_EQ(filled->getReferenceCount(), 1);
  EXPECT_EQ(callSlot<int>(filled, 3), 3);
  EXPECT_EQ(callSlot<int>(filled, 9), 44);
  EXPECT_EQ(callSlot<const unsigned short*>(filled, 4), written);  // the very characters

  EXPECT_EQ(CNSHtmlPropertyValue::filledString([](nsString_external&) { return false; }), nullptr);
  // A fill that throws leaves nothing behind (the sanitizer build checks for leaks).
  EXPECT_THROW(CNSHtmlPropertyValue::filledString(
                   [](nsString_external&) -> bool { throw std::runtime_error("no text"); }),
               std::runtime_error);
}

TEST(PropertySlotsTest, NameIsCopiedAndTheValueHeldOnce) {
  CHtmlObjectPtr<IHtmlPropertyValue> value = new CNSHtmlPropertyValue(42);
  char16_t name[] = u".size";
  IHtmlProperty* property = new CHtmlProperty(U(name), value);
  EXPECT_EQ(value->getReferenceCount(), 2);
  name[1] = u'X';  // the property has its own copy
  const unsigned short* held = callSlot<const unsigned short*>(property, 3);
  EXPECT_EQ(held[1], u's');
  IHtmlPropertyValue* lent = callSlot<IHtmlPropertyValue*>(property, 4);
  EXPECT_EQ(lent, static_cast<IHtmlPropertyValue*>(value));
  EXPECT_EQ(value->getReferenceCount(), 2);  // lending adds no reference
  property->release();
  EXPECT_EQ(value->getReferenceCount(), 1);
}
