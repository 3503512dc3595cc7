// Reference resolution against the examples of RFC 3986, section 5.4, and file: paths.
#include <gtest/gtest.h>

#include "UrlResolver.h"

using geckohost::UrlResolver;

namespace {

TEST(UrlResolverTest, ResolvesReferencesAgainstAHierarchicalBase) {
  const char* base = "http://a/b/c/d;p?q";
  const std::pair<const char*, const char*> cases[] = {
      {"g", "http://a/b/c/g"},
      {"./g", "http://a/b/c/g"},
      {"g/", "http://a/b/c/g/"},
      {"/g", "http://a/g"},
      {"//g", "http://g"},
      {"?y", "http://a/b/c/d;p?y"},
      {"g?y", "http://a/b/c/g?y"},
      {"#s", "http://a/b/c/d;p?q#s"},
      {"g#s", "http://a/b/c/g#s"},
      {"", "http://a/b/c/d;p?q"},
      {".", "http://a/b/c/"},
      {"./", "http://a/b/c/"},
      {"..", "http://a/b/"},
      {"../", "http://a/b/"},
      {"../g", "http://a/b/g"},
      {"../..", "http://a/"},
      {"../../g", "http://a/g"},
      {"../../../g", "http://a/g"},
      {"/./g", "http://a/g"},
      {"g.", "http://a/b/c/g."},
      {"g:h", "g:h"},
      {"HTTP://x/./y", "HTTP://x/y"},
  };
  for (const auto& [reference, expected] : cases) {
    EXPECT_EQ(UrlResolver::resolve(base, reference), expected) << reference;
  }
  EXPECT_EQ(UrlResolver::resolve("file:///tmp/dir/a.html", "frames/b.html"),
            "file:///tmp/dir/frames/b.html");
  EXPECT_EQ(UrlResolver::resolve("http://test", "a.html"), "http://test/a.html");
  EXPECT_EQ(UrlResolver::resolve("no-scheme", "a.html"), "a.html");
}

TEST(UrlResolverTest, SchemesFragmentsAndFilePaths) {
  EXPECT_EQ(UrlResolver::scheme("FILE:///x"), "file");
  EXPECT_EQ(UrlResolver::scheme("about:blank"), "about");
  EXPECT_EQ(UrlResolver::scheme("/just/a/path"), "");
  EXPECT_EQ(UrlResolver::withoutFragment("http://t/a.html#x#y"), "http://t/a.html");
  EXPECT_EQ(UrlResolver::filePath("file:///tmp/a%20b.html#top"), "/tmp/a b.html");
  EXPECT_EQ(UrlResolver::filePath("file://localhost/etc/x"), "/etc/x");
  EXPECT_EQ(UrlResolver::filePath("file:///bad%2"), "/bad%2");
  EXPECT_EQ(UrlResolver::filePath("file://elsewhere/etc/x"), "");
  EXPECT_EQ(UrlResolver::filePath("http://t/etc/x"), "");
}

}  // namespace
