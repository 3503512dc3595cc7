// Loading from the page table, from files, about:blank, and the error page; resource bytes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "PageLimits.h"
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

// A page is a regular file of bounded size. A FIFO nobody writes would block the load, a device
// such as /dev/zero would be read without end, and a huge file would be read whole: each gives
// the error page at once instead, and a file at the limit still loads.
TEST(PageLoaderTest, OnlyRegularFilesUpToTheLimitArePages) {
  char directory[] = "/tmp/geckohost-pages-XXXXXX";
  ASSERT_TRUE(mkdtemp(directory));
  const std::string fifo = std::string(directory) + "/fifo.html";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string huge = std::string(directory) + "/huge.html";
  const std::string largest = std::string(directory) + "/largest.html";
  // Sparse files: their size is what counts, no disk space is taken.
  std::ofstream(huge).close();
  ASSERT_EQ(truncate(huge.c_str(), off_t(geckohost::kLargestPageBytes + 1)), 0);
  std::ofstream(largest).close();
  ASSERT_EQ(truncate(largest.c_str(), off_t(geckohost::kLargestPageBytes)), 0);
  PageTable pages;
  PageLoader loader(pages);

  for (const std::string& path : {fifo, std::string("/dev/zero"), huge, std::string(directory)}) {
    auto page = loader.load("file://" + path);
    EXPECT_EQ(page.status, LoadStatus::NotFound) << path;
    EXPECT_NE(page.content.find("could not be found"), std::string::npos) << path;
    EXPECT_EQ(loader.loadBytes("file://" + path, 1 << 20), std::nullopt) << path;
  }
  auto atLimit = loader.load("file://" + largest);
  EXPECT_EQ(atLimit.status, LoadStatus::Found);
  EXPECT_EQ(atLimit.content.size(), geckohost::kLargestPageBytes);

  std::remove(fifo.c_str());
  std::remove(huge.c_str());
  std::remove(largest.c_str());
  rmdir(directory);
}

}  // namespace
