// URLs: parsing and normalisation, resolution of references (RFC 3986's examples among
// them), file: and opaque URLs.
#include <gtest/gtest.h>

#include "net/URI.h"

namespace geckohost::net {
namespace {

std::string resolve(const char* base, const char* reference) {
  std::optional<URI> resolved = URI::parse(base)->resolve(reference);
  return resolved ? resolved->spec() : "(none)";
}

TEST(URITest, ParsesAndNormalises) {
  auto uri = URI::parse("HTTP://User:pw@Example.COM:8080/a/./b/../c.html?q=1#frag");
  ASSERT_TRUE(uri);
  EXPECT_EQ(uri->spec(), "http://User:pw@example.com:8080/a/c.html?q=1#frag");
  EXPECT_EQ(uri->scheme(), "http");
  EXPECT_EQ(uri->userInfo(), "User:pw");
  EXPECT_EQ(uri->host(), "example.com");
  EXPECT_EQ(uri->port(), 8080);
  EXPECT_EQ(uri->hostPort(), "example.com:8080");
  EXPECT_EQ(uri->prePath(), "http://User:pw@example.com:8080");
  EXPECT_EQ(uri->filePath(), "/a/c.html");
  EXPECT_EQ(uri->query(), "q=1");
  EXPECT_EQ(uri->ref(), "frag");
  EXPECT_EQ(uri->path(), "/a/c.html?q=1#frag");
  EXPECT_EQ(uri->withoutRef().spec(), "http://User:pw@example.com:8080/a/c.html?q=1");

  EXPECT_EQ(URI::parse("http://h:80")->spec(), "http://h/");  // default port, empty path
  EXPECT_EQ(URI::parse("https://h:443/x")->port(), -1);
  EXPECT_EQ(URI::parse("  http://h/a b\"c\xC3\xA9  ")->spec(), "http://h/a%20b%22c%C3%A9");
  EXPECT_EQ(URI::parse("file:///home/u/page.html")->spec(), "file:///home/u/page.html");
  EXPECT_EQ(URI::parse("file:///home/u/page.html")->host(), "");
  EXPECT_EQ(URI::parse("about:blank")->spec(), "about:blank");
  EXPECT_FALSE(URI::parse("about:blank")->isHierarchical());
  EXPECT_FALSE(URI::parse("no-scheme/here"));
  EXPECT_FALSE(URI::parse("1http://x"));
  EXPECT_FALSE(URI::parse("http://h:99999/"));
  EXPECT_TRUE(URI::parse("http://a/") == *URI::parse("HTTP://A"));
}

TEST(URITest, ResolvesTheRFC3986Examples) {
  const char* base = "http://a/b/c/d;p?q";
  const std::pair<const char*, const char*> cases[] = {
      {"g:h", "g:h"},
      {"g", "http://a/b/c/g"},
      {"./g", "http://a/b/c/g"},
      {"g/", "http://a/b/c/g/"},
      {"/g", "http://a/g"},
      {"//g", "http://g/"},
      {"?y", "http://a/b/c/d;p?y"},
      {"g?y", "http://a/b/c/g?y"},
      {"#s", "http://a/b/c/d;p?q#s"},
      {"g#s", "http://a/b/c/g#s"},
      {";x", "http://a/b/c/;x"},
      {"", "http://a/b/c/d;p?q"},
      {".", "http://a/b/c/"},
      {"./", "http://a/b/c/"},
      {"..", "http://a/b/"},
      {"../g", "http://a/b/g"},
      {"../..", "http://a/"},
      {"../../g", "http://a/g"},
      {"../../../g", "http://a/g"},
      {"/./g", "http://a/g"},
      {"/../g", "http://a/g"},
      {"g.", "http://a/b/c/g."},
      {"..g", "http://a/b/c/..g"},
      {"./../g", "http://a/b/g"},
      {"g/./h", "http://a/b/c/g/h"},
      {"g/../h", "http://a/b/c/h"},
      {"g?y/./x", "http://a/b/c/g?y/./x"},
      {"http:g", "http://a/b/c/g"},  // the lenient reading, as browsers do
  };
  for (const auto& [reference, expected] : cases) {
    EXPECT_EQ(resolve(base, reference), expected) << "reference " << reference;
  }
}

TEST(URITest, ResolvesFileAndRefusesOpaqueBases) {
  EXPECT_EQ(resolve("file:///srv/pages/a/index.html", "../img/x.png"),
            "file:///srv/pages/img/x.png");
  EXPECT_EQ(resolve("file:///srv/index.html", " sub/page.html\n"), "file:///srv/sub/page.html");
  EXPECT_EQ(resolve("about:blank", "x.html"), "(none)");
  EXPECT_EQ(resolve("about:blank", "http://h/x"), "http://h/x");
  EXPECT_EQ(resolve("http://h/a/b", "//other.test:81/p?q#r"), "http://other.test:81/p?q#r");
  EXPECT_EQ(resolve("http://h/a/b", "javascript:void(0)"), "javascript:void(0)");
}

}  // namespace
}  // namespace geckohost::net
