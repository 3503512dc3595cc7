// The cookie store's rules: which pages see a cookie, what a page may set, replacement and
// expiry, and the cookie manager service over the same store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CookieManager.h"
#include "LiveObjectsCheck.h"
#include "net/URI.h"
#include "nsCOMPtr.h"
#include "nsICookie.h"
#include "nsISimpleEnumerator.h"

using geckohost::Cookie;
using geckohost::cookies::CookieManager;
using geckohost::cookies::CookieStore;
using geckohost::net::URI;

namespace {

const std::time_t kNow = 1300000000;  // a Sunday in March 2011

URI url(const char* text) {
  return *URI::parse(text);
}

Cookie cookie(const char* host, const char* path, const char* name, bool isDomain = false) {
  Cookie made;
  made.host = host;
  made.path = path;
  made.name = name;
  made.value = name;
  made.isDomain = isDomain;
  return made;
}

std::string seen(const CookieStore& store, const char* page) {
  return store.cookieStringFor(url(page), kNow);
}

}  // namespace

TEST(CookieStoreTest, APageSeesItsHostsAndDomainsCookiesOnItsPath) {
  CookieStore store;
  store.add(cookie("www.example.com", "/", "root"));
  store.add(cookie("www.example.com", "/shop", "shop"));
  store.add(cookie("www.example.com", "/shop/", "slash"));
  store.add(cookie(".example.com", "/", "domain", true));
  store.add(cookie("example.com", "/", "bare"));
  store.add(cookie("other.org", "/", "other"));
  // Longer paths first, then the order the cookies came in.
  EXPECT_EQ(seen(store, "http://www.example.com/shop/cart.html"),
            "slash=slash; shop=shop; root=root; domain=domain");
  EXPECT_EQ(seen(store, "http://WWW.Example.com/shop"), "shop=shop; root=root; domain=domain");
  // "/shop" is no prefix of "/shopping" on a "/" boundary.
  EXPECT_EQ(seen(store, "http://www.example.com/shopping"), "root=root; domain=domain");
  // A host-only cookie goes to its host alone; a domain cookie to the domain itself too.
  EXPECT_EQ(seen(store, "http://example.com/"), "domain=domain; bare=bare");
  EXPECT_EQ(seen(store, "http://deep.www.example.com/"), "domain=domain");
  EXPECT_EQ(seen(store, "http://notexample.com/"), "");
  // Pages that are not fetched over HTTP have no cookies.
  EXPECT_EQ(seen(store, "file:///www.example.com/index.html"), "");
  EXPECT_EQ(seen(store, "about:blank"), "");
}

TEST(CookieStoreTest, PagesSetCookiesForThemselvesAndTheirDomainsOnly) {
  CookieStore store;
  URI page = url("http://a.example.com/dir/page.html");
  EXPECT_TRUE(store.setCookieStringFor(page, "first=1", kNow));
  EXPECT_TRUE(store.setCookieStringFor(page, " second = two words ; path=/ ", kNow));
  EXPECT_TRUE(store.setCookieStringFor(page, "wide=w; Domain=.EXAMPLE.com", kNow));
  EXPECT_FALSE(store.setCookieStringFor(page, "foreign=f; domain=other.org", kNow));
  EXPECT_FALSE(store.setCookieStringFor(page, "tld=t; domain=.com", kNow));
  EXPECT_FALSE(store.setCookieStringFor(page, "  ", kNow));
  EXPECT_FALSE(store.setCookieStringFor(url("file:///tmp/a.html"), "f=1", kNow));
  std::vector<Cookie> kept = store.cookies(kNow);
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept[0].host, "a.example.com");
  EXPECT_EQ(kept[0].path, "/dir");  // the page's directory
  EXPECT_FALSE(kept[0].isDomain);
  EXPECT_EQ(kept[1].name, "second");
  EXPECT_EQ(kept[1].value, "two words");
  EXPECT_EQ(kept[1].path, "/");
  EXPECT_EQ(kept[2].host, ".example.com");
  EXPECT_TRUE(kept[2].isDomain);
  EXPECT_EQ(seen(store, "http://b.example.com/dir/x.html"), "wide=w");

  // Setting a cookie again replaces it in place.
  EXPECT_TRUE(store.setCookieStringFor(page, "first=again", kNow));
  EXPECT_EQ(store.cookies(kNow)[0].value, "again");
  EXPECT_EQ(store.cookies(kNow).size(), 3u);
}

TEST(CookieStoreTest, ExpiryRemovesAndMaxAgeWinsOverExpires) {
  CookieStore store;
  URI page = url("http://example.com/");
  EXPECT_TRUE(store.setCookieStringFor(page, "session=1", kNow));
  EXPECT_TRUE(
      store.setCookieStringFor(page, "later=1; expires=Wed, 09 Jun 2021 10:18:14 GMT", kNow));
  EXPECT_TRUE(store.setCookieStringFor(page,
                                       "brief=1; max-age=60; expires=Thu, 01 Jan 1970 "
                                       "00:00:00 GMT",
                                       kNow));
  std::vector<Cookie> kept = store.cookies(kNow);
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept[0].expires, 0u);
  EXPECT_EQ(kept[1].expires, 1623233894u);
  EXPECT_EQ(kept[2].expires, static_cast<uint64_t>(kNow + 60));
  // Time passes: the brief one is gone from every view.
  EXPECT_EQ(store.cookieStringFor(page, kNow + 61), "session=1; later=1");
  EXPECT_EQ(store.cookies(kNow + 61).size(), 2u);
  // An expiry in the past, or max-age 0, deletes what it names.
  EXPECT_TRUE(
      store.setCookieStringFor(page, "later=x; expires=Sat, 01-Jan-2000 00:00:00 GMT", kNow));
  EXPECT_TRUE(store.setCookieStringFor(page, "session=; max-age=0", kNow));
  EXPECT_EQ(seen(store, "http://example.com/"), "brief=1");
  // An unreadable date makes a session cookie.
  EXPECT_TRUE(store.setCookieStringFor(page, "odd=1; expires=someday", kNow));
  EXPECT_EQ(store.cookies(kNow).back().expires, 0u);
}

class CookieManagerTest : public LiveObjectsCheck {};

TEST_F(CookieManagerTest, TheServiceEnumeratesAndRemovesFromTheStore) {
  nsCOMPtr<CookieManager> manager = new CookieManager();
  manager->store().add(cookie("a.org", "/", "x"));
  manager->store().add(cookie(".b.org", "/p", "y", true));
  nsCOMPtr<nsISimpleEnumerator> all;
  ASSERT_EQ(manager->GetEnumerator(getter_AddRefs(all)), NS_OK);
  std::vector<std::string> described;
  PRBool more = PR_FALSE;
  while (NS_SUCCEEDED(all->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> item;
    all->GetNext(getter_AddRefs(item));
    nsCOMPtr<nsICookie> one = do_QueryInterface(item);
    ASSERT_TRUE(one);
    nsCString host, path, name, value;
    PRBool isDomain = PR_FALSE;
    one->GetHost(host);
    one->GetPath(path);
    one->GetName(name);
    one->GetValue(value);
    one->GetIsDomain(&isDomain);
    described.push_back(std::string(host.get()) + path.get() + " " + name.get() + "=" +
                        value.get() + (isDomain ? " domain" : ""));
  }
  EXPECT_EQ(described, (std::vector<std::string>{"a.org/ x=x", ".b.org/p y=y domain"}));
  // Removal needs host, name and path to match.
  manager->Remove(NS_LITERAL_CSTRING(".b.org"), NS_LITERAL_CSTRING("y"), NS_LITERAL_CSTRING("/"),
                  PR_FALSE);
  EXPECT_EQ(manager->store().cookies(kNow).size(), 2u);
  manager->Remove(NS_LITERAL_CSTRING(".b.org"), NS_LITERAL_CSTRING("y"), NS_LITERAL_CSTRING("/p"),
                  PR_FALSE);
  EXPECT_EQ(manager->store().cookies(kNow).size(), 1u);
  manager->RemoveAll();
  EXPECT_TRUE(manager->store().cookies(kNow).empty());
  EXPECT_EQ(manager->GetEnumerator(nullptr), NS_ERROR_NULL_POINTER);
}
