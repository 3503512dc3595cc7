// What libnshtml.so shows the process: one function, and no link to libX11.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& command) {
  std::vector<std::string> lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe)
    return lines;
  char buffer[4096];
  while (fgets(buffer, sizeof buffer, pipe)) {
    std::string line(buffer);
    if (!line.empty() && line.back() == '\n')
      line.pop_back();
    lines.push_back(line);
  }
  pclose(pipe);
  return lines;
}

}  // namespace

TEST(LibraryExportsTest, OnlyGetHtmlDomainIsDefined) {
  std::vector<std::string> symbols =
      Lines(std::string("nm -D --defined-only ") + NSHTML_LIBRARY_PATH + " | awk '{print $3}'");
  ASSERT_FALSE(symbols.empty());
  std::vector<std::string> ours;
  for (const std::string& symbol : symbols) {
    if (!symbol.empty())
      ours.push_back(symbol);
  }
  ASSERT_EQ(ours.size(), 1u) << "first extra: " << ours.back();
  EXPECT_EQ(ours[0], "GetHtmlDomain");
}

TEST(LibraryExportsTest, DoesNotLinkX11OrTheHost) {
  std::vector<std::string> needed =
      Lines(std::string("readelf -d ") + NSHTML_LIBRARY_PATH + " | grep NEEDED");
  ASSERT_FALSE(needed.empty());
  for (const std::string& line : needed) {
    EXPECT_EQ(line.find("libX11"), std::string::npos) << line;
    EXPECT_EQ(line.find("geckohost"), std::string::npos) << line;
  }
}

// The library is built for the width of the programs that load it: a 32-bit browser loads a
// 32-bit ELF object for i386, a 64-bit one an x86-64 object.
TEST(LibraryExportsTest, IsAnElfObjectOfTheLoadersWidth) {
  std::vector<std::string> header = Lines(std::string("readelf -h ") + NSHTML_LIBRARY_PATH);
  std::string elfClass;
  std::string machine;
  for (const std::string& line : header) {
    if (line.find("Class:") != std::string::npos)
      elfClass = line;
    if (line.find("Machine:") != std::string::npos)
      machine = line;
  }
  if (sizeof(void*) == 4) {
    EXPECT_NE(elfClass.find("ELF32"), std::string::npos) << elfClass;
    EXPECT_NE(machine.find("80386"), std::string::npos) << machine;
  } else {
    EXPECT_NE(elfClass.find("ELF64"), std::string::npos) << elfClass;
    EXPECT_NE(machine.find("X86-64"), std::string::npos) << machine;
  }
}
