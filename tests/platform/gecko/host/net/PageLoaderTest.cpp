// Loading from the page table, from files, about:blank, and the error page; resource bytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "PageLoader.h"
#include "PageTable.h"

using geckohost::LoadStatus;
using geckohost::PageLoader;
using geckohost::PageTable;

namespace {

TEST(PageLoaderTest, PageTableComesFirstAndFragmentsAreKept) {
  PageTable pages;
  pages.put("http://test/a.html", "<p>first</p>");
  pages.put("http://test/a.html", "<p>second</p>");
  pages.put("http://test/c.xul", "<window/>", PageLoader::kXulType);
  EXPECT_EQ(pages.size(), 2u);
  PageLoader loader(pages);

  // Addresses meet as documents see them: normalised, without the fragment.
  auto page = loader.load("HTTP://Test/dir/../a.html#part");
  EXPECT_EQ(page.status, LoadStatus::Found);
  EXPECT_EQ(page.content, "<p>second</p>");
  EXPECT_EQ(page.url, "HTTP://Test/dir/../a.html#part");
  EXPECT_EQ(page.contentType, "text/html");
  EXPECT_EQ(loader.load("http://test/c.xul").contentType, PageLoader::kXulType);

  auto blank = loader.load("about:blank");
  EXPECT_EQ(blank.status, LoadStatus::Found);
  EXPECT_EQ(blank.content, "");

  EXPECT_TRUE(pages.remove("http://test/a.html"));
  EXPECT_FALSE(pages.remove("http://test/a.html"));
  auto missing = loader.load("http://test/a.html?x=<1>");
  EXPECT_EQ(missing.status, LoadStatus::NotFound);
  EXPECT_EQ(missing.contentType, "text/html");
  EXPECT_NE(missing.content.find("http://test/a.html?x=&lt;1&gt; could not be found"),
            std::string::npos);
  pages.clear();
  EXPECT_EQ(pages.size(), 0u);
}

TEST(PageLoaderTest, FileUrlsReadTheFile) {
  char path[] = "/tmp/geckohost page-XXXXXX.html";
  int fd = mkstemps(path, 5);
  ASSERT_GE(fd, 0);
  close(fd);
  { std::ofstream(path) << "<title>on disk</title>"; }
  PageTable pages;
  PageLoader loader(pages);
  std::string url = std::string("file://") + path;
  url.replace(url.find(' '), 1, "%20");
  auto page = loader.load(url);
  EXPECT_EQ(page.status, LoadStatus::Found);
  EXPECT_EQ(page.content, "<title>on disk</title>");
  EXPECT_EQ(page.contentType, "text/html");
  std::remove(path);
  EXPECT_EQ(loader.load(url).status, LoadStatus::NotFound);
  EXPECT_EQ(loader.load("file://elsewhere/etc/hostname").status, LoadStatus::NotFound);
  EXPECT_EQ(loader.load("not a url").status, LoadStatus::NotFound);
}

// Resources (images) come as bytes or not at all: never an error page, never past the limit.
TEST(PageLoaderTest, ResourceBytesComeFromTheTableOrAFileWithinTheLimit) {
  char path[] = "/tmp/geckohost resource-XXXXXX.png";
  int fd = mkstemps(path, 4);
  ASSERT_GE(fd, 0);
  close(fd);
  const std::string binary("\x89PNG\0\x01\xff", 7);
  { std::ofstream(path, std::ios::binary) << binary; }
  PageTable pages;
  pages.put("http://test/a.png", binary, "image/png");
  PageLoader loader(pages);
  std::string url = std::string("file://") + path;
  url.replace(url.find(' '), 1, "%20");

  EXPECT_EQ(loader.loadBytes("http://test/a.png#x", 7), binary);
  EXPECT_EQ(loader.loadBytes(url, 7), binary);
  EXPECT_EQ(loader.loadBytes("http://test/a.png", 6), std::nullopt);
  EXPECT_EQ(loader.loadBytes(url, 6), std::nullopt);
  EXPECT_EQ(loader.loadBytes("http://test/b.png", 100), std::nullopt);
  EXPECT_EQ(loader.loadBytes("about:blank", 100), std::nullopt);
  EXPECT_EQ(loader.loadBytes("file:///tmp", 100), std::nullopt);  // a directory
  std::remove(path);
  EXPECT_EQ(loader.loadBytes(url, 7), std::nullopt);
}

}  // namespace
