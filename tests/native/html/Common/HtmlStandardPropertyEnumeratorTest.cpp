#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "HtmlRefCounted.h"
#include "HtmlStandardPropertySet.h"
#include "NSHtmlPropertyValue.h"
#include "NSHtmlStandardPropertyEnumerator.h"

namespace {

std::string Narrow(const unsigned short* text) {
  std::string result;
  for (; text && *text; ++text)
    result += char(*text);
  return result;
}

// An element that answers a fixed set of property ids with integer values (the id itself),
// and nothing else. Counts the values it hands out that are still alive.
class FakeElement final : public CHtmlRefCounted<FakeElement, IHtmlElement> {
 public:
  explicit FakeElement(std::vector<unsigned int> answered) : m_answered(std::move(answered)) {}

  IHtmlPropertyValue* getProperty(const char* name) override {
    ++m_lookups[name];
    return getProperty(CHtmlStandardPropertySet::getPropertyId(name));
  }
  IHtmlPropertyValue* getProperty(unsigned int id) override {
    for (unsigned int answered : m_answered) {
      if (answered == id)
        return new CNSHtmlPropertyValue(int(id));
    }
    return nullptr;
  }
  IHtmlEnumerator* getChildren() override { return nullptr; }
  IHtmlElement* getTopParent() override { return nullptr; }
  IHtmlElement* getParent() override { return nullptr; }
  bool isPointInObject(int, int) override { return false; }
  IHtmlElement* getChildAtPoint(int, int) override { return nullptr; }
  long long getObject() override { return 0; }
  IHtmlEnumerator* getProperties() override { return new CNSHtmlStandardPropertyEnumerator(this); }
  IHtmlEnumerator* getNativeProperties() override { return nullptr; }
  bool setProperty(const char*, IHtmlPropertyValue*) override { return false; }
  bool scrollIntoView() override { return false; }

  std::map<std::string, int> m_lookups;

 private:
  std::vector<unsigned int> m_answered;
};

struct Listed {
  std::string name;
  int value;
};

std::vector<Listed> Enumerate(IHtmlElement* element) {
  std::vector<Listed> listed;
  CHtmlObjectPtr<IHtmlEnumerator> properties = element->getProperties();
  while (properties->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlProperty> property = static_cast<IHtmlProperty*>(properties->nextElement());
    EXPECT_EQ(property->getPropertyValue()->getReferenceCount(), 1);  // only the property holds it
    listed.push_back(
        {Narrow(property->getPropertyName()), property->getPropertyValue()->intValue()});
  }
  EXPECT_EQ(properties->nextElement(), nullptr);
  return listed;
}

}  // namespace

TEST(HtmlStandardPropertyEnumeratorTest, ListsAnsweredRowsInTableOrder) {
  // tag(1), class(5), bounds(14), asked in another order, plus two flagged ids.
  CHtmlObjectPtr<FakeElement> element = new FakeElement({14, 5, 15, 77, 1});
  std::vector<Listed> listed = Enumerate(element);
  ASSERT_EQ(listed.size(), 3u);
  EXPECT_EQ(listed[0].name, ".tag");
  EXPECT_EQ(listed[0].value, 1);
  EXPECT_EQ(listed[1].name, ".class");
  EXPECT_EQ(listed[2].name, ".bounds");
  EXPECT_EQ(listed[2].value, 14);
  // Flagged rows are never asked for, so uniqueId and ajaxPendingRequests stay out.
  EXPECT_EQ(element->m_lookups.count(".uniqueId"), 0u);
  EXPECT_EQ(element->m_lookups.count(".ajaxPendingRequests"), 0u);
  EXPECT_EQ(element->m_lookups[".name"], 1);
  EXPECT_EQ(element->getReferenceCount(), 1);  // the enumerator gave its reference back
}

TEST(HtmlStandardPropertyEnumeratorTest, TypeAndCookieFollowRowOrderNotIdOrder) {
  CHtmlObjectPtr<FakeElement> element = new FakeElement({17, 18, 19});
  std::vector<Listed> listed = Enumerate(element);
  ASSERT_EQ(listed.size(), 3u);
  EXPECT_EQ(listed[0].name, ".type");
  EXPECT_EQ(listed[1].name, ".value");
  EXPECT_EQ(listed[2].name, ".cookie");
}

TEST(HtmlStandardPropertyEnumeratorTest, AnObjectWithoutPropertiesHasNone) {
  CHtmlObjectPtr<FakeElement> element = new FakeElement({15, 60, 75});
  CHtmlObjectPtr<IHtmlEnumerator> properties = element->getProperties();
  EXPECT_EQ(element->getReferenceCount(), 2);
  EXPECT_FALSE(properties->hasMoreElements());
  EXPECT_EQ(properties->nextElement(), nullptr);
  properties = nullptr;
  EXPECT_EQ(element->getReferenceCount(), 1);
}

TEST(HtmlStandardPropertyEnumeratorTest, UnreadPropertyIsReleasedWithTheEnumerator) {
  CHtmlObjectPtr<FakeElement> element = new FakeElement({1, 2});
  CHtmlObjectPtr<IHtmlEnumerator> properties = element->getProperties();
  ASSERT_TRUE(properties->hasMoreElements());                     // fetches ".tag" ahead
  CHtmlObjectPtr<IHtmlObject> first = properties->nextElement();  // ".tag"; ".id" fetched ahead
  EXPECT_NE(first, nullptr);
  properties = nullptr;  // must release ".id" and the element (checked by the sanitizer build)
  EXPECT_EQ(element->getReferenceCount(), 1);
}
