#include "NSHtmlCookies.h"

#include <gtest/gtest.h>

TEST(NSHtmlCookiesTest, SitesMatchExactlyIgnoringCaseOrAsASubstring) {
  // A leading "http://" and one trailing "/" are ignored; the host's letter case is not.
  EXPECT_TRUE(cookieCompare("http://Example.com/", "example.COM", false));
  EXPECT_TRUE(cookieCompare("example.com", "example.com/", false));
  // Exact matching keeps subdomains apart; partial matching finds the name inside.
  EXPECT_FALSE(cookieCompare("example.com", "www.example.com", false));
  EXPECT_TRUE(cookieCompare("example.com", "www.example.com", true));
  EXPECT_TRUE(cookieCompare("example.com/shop", "www.example.com/shop/cart", true));
  EXPECT_FALSE(cookieCompare("Example.com", "www.example.com", true));  // case-sensitive
  // Only a leading "http://" goes; "https://" stays part of the address.
  EXPECT_FALSE(cookieCompare("https://example.com", "example.com", false));
  EXPECT_FALSE(cookieCompare("xhttp://example.com", "example.com", false));
  EXPECT_TRUE(cookieCompare("", "", false));
  EXPECT_FALSE(cookieCompare(nullptr, "example.com", false));
}

TEST(NSHtmlCookiesTest, WithoutACookieManagerNothingIsDeleted) {
  char message[64] = "untouched";
  EXPECT_EQ(cookieSmasher("example.com", false, false, message), 1);
  EXPECT_STREQ(message, "Cookie Not Found: example.com");
  EXPECT_EQ(cookieSmasher(nullptr, false, true, message), 0);
  EXPECT_EQ(cookieSmasher("example.com", false, false, nullptr), 1);  // no buffer, no crash
}
