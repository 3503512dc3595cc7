#include "nsStringAPI.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nsMemory.h"

namespace {

std::u16string U16(const nsAString& s) {
  return std::u16string(reinterpret_cast<const char16_t*>(s.BeginReading()), s.Length());
}

std::string Narrow(const nsACString& s) {
  return std::string(s.BeginReading(), s.Length());
}

const PRUnichar* Wide(const char16_t* s) {
  return reinterpret_cast<const PRUnichar*>(s);
}

}  // namespace

TEST(nsStringAPITest, EditingKeepsTheTerminatorAndTheRightLength) {
  nsString s;
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(s.get()[0], 0);
  s.AssignLiteral("hello");
  s.Append(PRUnichar(' '));
  s.AppendLiteral("world");
  EXPECT_EQ(U16(s), u"hello world");
  EXPECT_EQ(s.get()[s.Length()], 0);

  s.Replace(0, 5, Wide(u"HELLO"), 5);
  s.Insert(Wide(u">>"), 0);
  s.Cut(2, 1);
  EXPECT_EQ(U16(s), u">>ELLO world");
  s.Truncate(4);
  EXPECT_EQ(U16(s), u">>EL");
  s.Trim(">", PR_TRUE, PR_FALSE);
  EXPECT_EQ(U16(s), u"EL");
  s.AppendInt(-42);
  EXPECT_EQ(U16(s), u"EL-42");
}

TEST(nsStringAPITest, SelfAppendAndSelfAssignCopyBeforeTheBufferMoves) {
  nsCString s("abc");
  s.Append(s);
  EXPECT_EQ(Narrow(s), "abcabc");
  s.Append(s.BeginReading() + 1, 2);
  EXPECT_EQ(Narrow(s), "abcabcbc");
  s.Assign(s.BeginReading() + 3, 3);
  EXPECT_EQ(Narrow(s), "abc");

  // Appends that fit the room left (a new string has room for 23 characters in itself), up to
  // the last character of it, and one past it.
  nsString room;
  room.AssignLiteral("abcdefghijklmnop");
  const PRUnichar* buffer = room.BeginReading();
  room.Append(room.BeginReading(), 2);
  room.Append(PRUnichar('q'));
  room.Append(room.BeginReading() + 1, 4);
  EXPECT_EQ(room.BeginReading(), buffer);
  EXPECT_EQ(U16(room), u"abcdefghijklmnopabqbcde");
  EXPECT_EQ(room.get()[23], 0);
  room.Append(PRUnichar('!'));
  EXPECT_NE(room.BeginReading(), buffer);
  EXPECT_EQ(U16(room), u"abcdefghijklmnopabqbcde!");
  EXPECT_EQ(room.get()[24], 0);
  room.Truncate(3);
  room.Append(room.BeginReading(), 0);
  room.Append(static_cast<const PRUnichar*>(nullptr), 3);
  EXPECT_EQ(U16(room), u"abc");
  room.Append(Wide(u"xy"));  // up to the terminator
  room.Append(room.BeginReading() + 1, 3);
  EXPECT_EQ(U16(room), u"abcxybcx");
  EXPECT_EQ(room.get()[8], 0);

  // A borrowed text is never written to: the first append copies it.
  char16_t text[] = u"lent";
  nsDependentString dependent(Wide(text));
  dependent.Append(PRUnichar('s'));
  EXPECT_EQ(U16(dependent), u"lents");
  EXPECT_EQ(std::u16string(text), u"lent");
}

bool InsideObject(const void* object, size_t size, const void* pointer) {
  auto* begin = static_cast<const char*>(object);
  auto* at = static_cast<const char*>(pointer);
  return at >= begin && at < begin + size;
}

TEST(nsStringAPITest, ShortStringsLiveInTheStringAndMoveToTheHeapWhenTheyGrow) {
  nsString s;
  s.AssignLiteral("short");
  EXPECT_TRUE(InsideObject(&s, sizeof s, s.BeginReading()));
  nsString copy(s);
  EXPECT_TRUE(InsideObject(&copy, sizeof copy, copy.BeginReading()));
  EXPECT_EQ(U16(copy), u"short");

  // Growing past the own buffer from the own buffer: the characters are copied before it is left.
  s.AssignLiteral("abcdefghijkl");
  s.Append(s);
  EXPECT_FALSE(InsideObject(&s, sizeof s, s.BeginReading()));
  EXPECT_EQ(U16(s), u"abcdefghijklabcdefghijkl");
  EXPECT_EQ(s.get()[s.Length()], 0);

  // Emptied and refilled: the heap buffer is kept rather than freed and allocated again.
  const PRUnichar* heap = s.BeginReading();
  s.Truncate();
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(s.get()[0], 0);
  s.AssignLiteral("again");
  EXPECT_EQ(s.BeginReading(), heap);
  s.SetIsVoid(PR_TRUE);
  EXPECT_TRUE(s.IsVoid() && s.IsEmpty());

  // Copies made by a growing container each get their own buffer.
  std::vector<nsCString> many;
  for (int i = 0; i < 40; ++i)
    many.emplace_back(std::string(size_t(i), char('a' + i % 26)).c_str());
  for (int i = 0; i < 40; ++i) {
    EXPECT_EQ(Narrow(many[size_t(i)]), std::string(size_t(i), char('a' + i % 26)));
    EXPECT_EQ(many[size_t(i)].get()[i], 0);
  }

  // A dependent string that borrows, is released and borrows again never frees what it borrows.
  nsDependentCString dependent;
  dependent.AssignLiteral("own");
  dependent.Rebind("borrowed");
  EXPECT_EQ(Narrow(dependent), "borrowed");
  dependent.Rebind(nullptr);
  EXPECT_TRUE(dependent.IsEmpty());
  dependent.AppendLiteral("changed");
  EXPECT_EQ(Narrow(dependent), "changed");
}

TEST(nsStringAPITest, DependentStringBorrowsUntilChanged) {
  char16_t text[] = u"borrowed";
  nsDependentString dependent(Wide(text));
  EXPECT_EQ(dependent.BeginReading(), Wide(text));
  EXPECT_EQ(dependent.Length(), 8u);
  dependent.AppendLiteral("!");
  EXPECT_NE(dependent.BeginReading(), Wide(text));
  EXPECT_EQ(U16(dependent), u"borrowed!");
  EXPECT_EQ(std::u16string(text), u"borrowed");  // the caller's text is untouched

  nsDependentCString withLength("abcdef", 3);
  EXPECT_EQ(Narrow(withLength), "abc");
  nsDependentCString null(nullptr);
  EXPECT_TRUE(null.IsEmpty());
}

TEST(nsStringAPITest, ComparesAndFinds) {
  nsString s;
  s.AssignLiteral("Hello World");
  EXPECT_TRUE(s.EqualsLiteral("Hello World"));
  EXPECT_FALSE(s.EqualsLiteral("Hello"));
  EXPECT_FALSE(s.EqualsLiteral("Hello World!"));
  EXPECT_TRUE(s.LowerCaseEqualsLiteral("hello world"));
  EXPECT_EQ(s.Find("world"), -1);
  EXPECT_EQ(s.Find("world", PR_TRUE), 6);
  EXPECT_EQ(s.Find("World"), 6);
  EXPECT_EQ(s.Find("d"), 10);  // a match that ends the string
  EXPECT_EQ(s.Find("World!"), -1);
  EXPECT_EQ(s.Find(""), 0);
  EXPECT_EQ(s.Find("HELLO", PR_TRUE), 0);
  EXPECT_EQ(s.FindChar('o'), 4);
  EXPECT_EQ(s.FindChar('o', 5), 7);
  EXPECT_EQ(s.RFindChar('o'), 7);
  EXPECT_EQ(s.RFind("o"), 7);
  EXPECT_EQ(s.RFind("Hello"), 0);

  nsString a, b;
  a.AssignLiteral("abc");
  b.AssignLiteral("abd");
  EXPECT_LT(a.Compare(b), 0);
  EXPECT_TRUE(a < b);
  b.AssignLiteral("ABC");
  EXPECT_NE(a, b);
  EXPECT_TRUE(a.Equals(b, nsAString::CaseInsensitiveComparator));
}

TEST(nsStringAPITest, ToIntegerReadsLikeScanf) {
  struct Case {
    const char* text;
    PRUint32 radix;
    PRInt32 value;
    nsresult error;
  } cases[] = {
      {"42", 10, 42, NS_OK},
      {"  -17px", 10, -17, NS_OK},
      {"+8", 10, 8, NS_OK},
      {"2147483647", 10, 2147483647, NS_OK},
      {"-2147483648", 10, PR_INT32_MIN, NS_OK},
      {"2147483648", 10, 0, NS_ERROR_FAILURE},
      {"abc", 10, 0, NS_ERROR_FAILURE},
      {"", 10, 0, NS_ERROR_FAILURE},
      {"-", 10, 0, NS_ERROR_FAILURE},
      {"ff", 16, 255, NS_OK},
      {"0x1A", 16, 26, NS_OK},
      {"ffffffff", 16, -1, NS_OK},
      {"12", 8, 0, NS_ERROR_INVALID_ARG},
  };
  for (const Case& c : cases) {
    nsresult error = 12345;
    EXPECT_EQ(NS_ConvertASCIItoUTF16(c.text).ToInteger(&error, c.radix), c.value) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
    EXPECT_EQ(nsCString(c.text).ToInteger(&error, c.radix), c.value) << c.text;
  }
}

TEST(nsStringAPITest, UTF8AndUTF16ConvertBothWays) {
  // "aé€𝄞": one, two, three and four UTF-8 bytes; the last is a surrogate pair in UTF-16.
  const char* utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E";
  NS_ConvertUTF8toUTF16 wide(utf8);
  EXPECT_EQ(U16(wide), u"a\u00E9\u20AC\U0001D11E");
  EXPECT_EQ(wide.Length(), 5u);
  NS_ConvertUTF16toUTF8 back(wide);
  EXPECT_EQ(Narrow(back), utf8);

  nsString out;
  EXPECT_EQ(NS_CStringToUTF16(nsDependentCString(utf8), NS_CSTRING_ENCODING_UTF8, out), NS_OK);
  EXPECT_EQ(U16(out), U16(wide));
  nsCString narrow;
  EXPECT_EQ(NS_UTF16ToCString(out, NS_CSTRING_ENCODING_UTF8, narrow), NS_OK);
  EXPECT_EQ(Narrow(narrow), utf8);

  // Appending keeps what the string held; an ASCII run and what follows it both arrive.
  nsString appended;
  appended.AssignLiteral("Html.");
  AppendUTF8toUTF16("TD \xC3\xA9t\xC3\xA9 end", PR_UINT32_MAX, appended);
  EXPECT_EQ(U16(appended), u"Html.TD \u00E9t\u00E9 end");
  AppendUTF8toUTF16("xyz", 2, appended);
  EXPECT_EQ(U16(appended), u"Html.TD \u00E9t\u00E9 endxy");
  AppendUTF8toUTF16("", 0, appended);
  EXPECT_EQ(appended.Length(), 17u);
  // Room is made for every byte first: after a long ASCII run the multi-byte tail still
  // leaves the exact length.
  nsString grown;
  AppendUTF8toUTF16("a long ascii prefix past the inline room \xE2\x82\xAC!", PR_UINT32_MAX, grown);
  EXPECT_EQ(U16(grown), u"a long ascii prefix past the inline room \u20AC!");

  // ASCII literals widen byte by byte, with or without a length; null is the empty string.
  EXPECT_EQ(U16(NS_ConvertASCIItoUTF16("caf\xE9", 3)), u"caf");
  EXPECT_EQ(U16(NS_ConvertASCIItoUTF16("caf\xE9")), u"caf\u00E9");
  EXPECT_EQ(NS_ConvertASCIItoUTF16("thirty-two characters, not inline").Length(), 33u);
  EXPECT_TRUE(NS_ConvertASCIItoUTF16(nullptr).IsEmpty());
}

TEST(nsStringAPITest, MalformedInputBecomesReplacementCharacters) {
  // A lone continuation byte, a truncated sequence, an overlong slash and an encoded surrogate.
  EXPECT_EQ(U16(NS_ConvertUTF8toUTF16("a\x80z")), u"a\uFFFDz");
  EXPECT_EQ(U16(NS_ConvertUTF8toUTF16("a\xE2\x82z")), u"a\uFFFDz");
  EXPECT_EQ(U16(NS_ConvertUTF8toUTF16("\xC0\xAF")), u"\uFFFD");
  EXPECT_EQ(U16(NS_ConvertUTF8toUTF16("\xED\xA0\x80")), u"\uFFFD");
  // An unpaired high surrogate cannot be written in UTF-8.
  const char16_t lone[] = {u'x', 0xD800, u'y', 0};
  EXPECT_EQ(Narrow(NS_ConvertUTF16toUTF8(Wide(lone))), "x\xEF\xBF\xBDy");
}

TEST(nsStringAPITest, VoidStringsAndHeapCopies) {
  nsString s;
  s.SetIsVoid(PR_TRUE);
  EXPECT_TRUE(s.IsVoid());
  EXPECT_TRUE(s.IsEmpty());
  nsString copy(s);
  EXPECT_TRUE(copy.IsVoid());
  s.AssignLiteral("x");
  EXPECT_FALSE(s.IsVoid());

  char* c = ToNewUTF8String(NS_ConvertUTF8toUTF16("\xC3\xA9t\xC3\xA9"));
  EXPECT_STREQ(c, "\xC3\xA9t\xC3\xA9");
  NS_Free(c);
  nsString mixed;
  mixed.AssignLiteral("MiXeD");
  ToLowerCase(mixed);
  EXPECT_TRUE(mixed.EqualsLiteral("mixed"));
  ToUpperCase(mixed);
  EXPECT_TRUE(mixed.EqualsLiteral("MIXED"));
}
