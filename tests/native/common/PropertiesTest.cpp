#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "StreamCapture.h"
#include "ZvInstallOptions.h"

using Properties = ZvInstallOptions::Properties;

namespace {

// A read stream over text, as the loader gets from a file.
FILE* StreamOf(const std::string& text) {
  FILE* stream = tmpfile();
  fwrite(text.data(), 1, text.size(), stream);
  rewind(stream);
  return stream;
}

int LoadText(Properties& table, const std::string& text) {
  FILE* stream = StreamOf(text);
  const int count = table.Load(stream);
  fclose(stream);
  return count;
}

std::string DumpOf(Properties& table) {
  FILE* stream = tmpfile();
  table.dump(stream);
  std::string text(static_cast<size_t>(ftell(stream)), '\0');
  rewind(stream);
  EXPECT_EQ(fread(&text[0], 1, text.size(), stream), text.size());
  fclose(stream);
  return text;
}

}  // namespace

TEST(PropertiesTest, LoadsKeyValueLinesTheWayTheFormatSays) {
  Properties table;
  EXPECT_FALSE(table.IsLoaded());
  LoadText(table, "# a comment\na.b = x\nc=\n=d\ne==f\na.b=y");
  EXPECT_TRUE(table.IsLoaded());
  EXPECT_EQ(table.GetCount(), 2);
  EXPECT_STREQ(table.GetProperty("a.b", nullptr, false), "y");
  EXPECT_STREQ(table.GetProperty("e", nullptr, false), "f");

  // A later load replaces everything; "#" comments only at the start of a line, and white space
  // around keys and values (with the line ends) goes.
  LoadText(table, "  k1\t=  v 1 \r\nk2=#v2\r\n #k3=v3\r\nnoequals\r\n");
  EXPECT_EQ(table.GetCount(), 3);
  EXPECT_STREQ(table.GetProperty("k1", nullptr, false), "v 1");
  EXPECT_STREQ(table.GetProperty("k2", nullptr, false), "#v2");
  EXPECT_STREQ(table.GetProperty("#k3", nullptr, false), "v3");
  EXPECT_EQ(table.GetProperty("a.b", nullptr, false), nullptr);

  // An empty stream still counts as loaded.
  Properties empty;
  EXPECT_EQ(LoadText(empty, ""), 0);
  EXPECT_TRUE(empty.IsLoaded());
}

TEST(PropertiesTest, RefusesUtf16FilesWithoutTouchingTheTable) {
  Properties table;
  LoadText(table, std::string("\xFF\xFEk\0=\0v\0", 8));
  EXPECT_FALSE(table.IsLoaded());

  table.setProperty("kept", "yes");
  LoadText(table,
           "\xFF\xFE"
           "a=b\n");
  EXPECT_FALSE(table.IsLoaded());
  EXPECT_STREQ(table.GetProperty("kept", nullptr, false), "yes");

  FILE* stream = StreamOf(
      "\xFF\xFE"
      "a=b\n");
  EXPECT_TRUE(Properties::IsUnicode(stream));
  EXPECT_EQ(ftell(stream), 0);
  fclose(stream);
  stream = StreamOf(
      "\xFE\xFF"
      "a=b\n");
  EXPECT_FALSE(Properties::IsUnicode(stream));
  EXPECT_EQ(ftell(stream), 0);
  fclose(stream);
  EXPECT_FALSE(Properties::IsUnicode(nullptr));
  table.Load(nullptr);
  EXPECT_FALSE(table.IsLoaded());
}

TEST(PropertiesTest, SkipsAUtf8MarkAndRefusesUtf16WithoutAMarkOrBigEndianOnce) {
  // The mark is not part of the first key.
  Properties marked;
  LoadText(marked,
           "\xEF\xBB\xBF"
           "enableTrace=true\r\ntraceLevel=2\r\n");
  EXPECT_TRUE(marked.IsLoaded());
  EXPECT_STREQ(marked.GetProperty("enableTrace", nullptr, false), "true");
  EXPECT_EQ(marked.GetCount(), 2);

  // Big-endian with its mark, and little-endian without one: refused and said so, on the first
  // attempt only, however often the caller tries again.
  const std::string bigEndian("\xFE\xFF\0k\0=\0v\0\n", 10);
  const std::string noMark("k\0=\0v\0\n\0", 8);
  Properties table;
  table.setProperty("kept", "yes");
  StreamCapture refusals(2);
  for (int attempt = 0; attempt < 3; ++attempt) {
    FILE* stream = StreamOf(bigEndian);
    table.Load(stream, "/opt/zv/pellam.properties");
    fclose(stream);
  }
  Properties other;
  LoadText(other, noMark);
  EXPECT_EQ(refusals.Text(),
            "DEBUG: Not reading /opt/zv/pellam.properties: UTF-16 big-endian text; save it as "
            "UTF-8\n"
            "DEBUG: Not reading properties file: UTF-16 without byte-order mark text; save it as "
            "UTF-8\n");
  EXPECT_FALSE(table.IsLoaded());
  EXPECT_FALSE(other.IsLoaded());
  EXPECT_STREQ(table.GetProperty("kept", nullptr, false), "yes");
  EXPECT_EQ(table.GetCount(), 1);

  FILE* stream = StreamOf(noMark);
  EXPECT_EQ(Properties::DetectEncoding(stream), Properties::Encoding::kUtf16NoMark);
  EXPECT_EQ(ftell(stream), 0);
  fclose(stream);
}

TEST(PropertiesTest, LooksUpExactlyOrIgnoringCaseWithTheLastMatchWinning) {
  Properties table;
  table.setProperty("Native", "5");
  EXPECT_STREQ(table.GetProperty("native", "none", true), "5");
  EXPECT_STREQ(table.GetProperty("native", "none", false), "none");

  table.setProperty("native", "2");
  table.setProperty("NATIVE", "9");
  // Key order: "NATIVE", "Native", "native".
  EXPECT_STREQ(table.GetProperty("nAtIvE", "none", true), "2");
  EXPECT_STREQ(table.GetProperty(nullptr, "none", true), "none");

  table.setProperty("flag", true);
  table.setProperty("count", -12);
  EXPECT_STREQ(table.GetProperty("flag", nullptr, false), "true");
  EXPECT_STREQ(table.GetProperty("count", nullptr, false), "-12");
}

TEST(PropertiesTest, DumpsAHeaderAndEveryEntryInKeyOrder) {
  Properties table;
  EXPECT_EQ(DumpOf(table), "Dumping properties....\n# Keys = 0\n");
  table.setProperty("b", "2");
  table.setProperty("a", "1");
  EXPECT_EQ(DumpOf(table), "Dumping properties....\n# Keys = 2\na=1\r\nb=2\r\n");
  table.dump(nullptr);
}

TEST(PropertiesTest, SavesEntriesInKeyOrderAndReportsAFailedRemoval) {
  ScratchDirectory directory;
  const std::string path = directory / "saved.properties";
  Properties table;
  table.setProperty("zeta", "last");
  table.setProperty("Alpha", "first");
  table.setProperty("mid", "x y");

  StreamCapture noOldFile(2);
  table.save(path.c_str());
  EXPECT_EQ(noOldFile.Text(), "DEBUG: Error removing preference file\n");
  EXPECT_EQ(ReadFile(path), "Alpha=first\r\nmid=x y\r\nzeta=last\r\n");

  // The old file is removed, not appended to, and reading it back gives the same table.
  table.setProperty("mid", "changed");
  StreamCapture oldFile(2);
  table.save(path.c_str());
  EXPECT_EQ(oldFile.Text(), "");
  EXPECT_EQ(ReadFile(path), "Alpha=first\r\nmid=changed\r\nzeta=last\r\n");
  Properties reread;
  FILE* stream = fopen(path.c_str(), "rb");
  reread.Load(stream);
  fclose(stream);
  EXPECT_STREQ(reread.GetProperty("mid", nullptr, false), "changed");

  // A file that cannot be created leaves nothing behind.
  const std::string unwritable = directory / "missing/dir/saved.properties";
  table.save(unwritable.c_str());
  EXPECT_FALSE(FileExists(unwritable));
  table.save(nullptr);
}

TEST(InstallOptionsHelpersTest, TrimStripLowerAndFindTheFirstExistingEntry) {
  char padded[] = " \t a b \r\n";
  EXPECT_STREQ(ZvInstallOptions::Trim(padded), "a b");
  char blank[] = " \n";
  EXPECT_STREQ(ZvInstallOptions::Trim(blank), "");
  EXPECT_EQ(ZvInstallOptions::Trim(nullptr), nullptr);

  char slash[] = "/opt/zv/";
  ZvInstallOptions::StripTrailingSlash(slash);
  EXPECT_STREQ(slash, "/opt/zv");
  char backslash[] = "c:\\zv\\";
  ZvInstallOptions::StripTrailingSlash(backslash);
  EXPECT_STREQ(backslash, "c:\\zv");
  char none[] = "";
  ZvInstallOptions::StripTrailingSlash(none);
  ZvInstallOptions::StripTrailingSlash(nullptr);

  char mixed[] = "MiXeD-1";
  EXPECT_STREQ(strlwr(mixed), "mixed-1");
  EXPECT_EQ(strlwr(nullptr), nullptr);

  ScratchDirectory directory;
  const std::string first = directory / "first";
  const std::string second = directory / "second";
  WriteFile(second, "");
  const std::string list = "::" + first + "::" + second + ":" + directory.path();
  const char* found = getFirstAccessibleFile(list.c_str());
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(std::string(found), second);
  EXPECT_EQ(list, "::" + first + "::" + second + ":" + directory.path());
  EXPECT_EQ(getFirstAccessibleFile(first.c_str()), nullptr);
  EXPECT_EQ(getFirstAccessibleFile(""), nullptr);
  EXPECT_EQ(getFirstAccessibleFile(nullptr), nullptr);
}
