// The nsIURI face of URLs: parts, resolution, setters that renormalise, clone and equality.
#include <gtest/gtest.h>

#include "LiveObjects.h"
#include "dom/XPCOMHelpers.h"
#include "net/URIObject.h"
#include "nsCOMPtr.h"

namespace geckohost::net {
namespace {

std::string str(const nsACString& text) {
  return dom::toU8(text);
}

TEST(URIObjectTest, PartsSettersAndResolution) {
  long before = LiveObjects::count();
  {
    nsCOMPtr<nsIURI> uri = new URIObject(*URI::parse("http://u:p@Host.test:8080/a/b?q#r"));
    nsCString value;
    uri->GetSpec(value);
    EXPECT_EQ(str(value), "http://u:p@host.test:8080/a/b?q#r");
    uri->GetPrePath(value);
    EXPECT_EQ(str(value), "http://u:p@host.test:8080");
    uri->GetUsername(value);
    EXPECT_EQ(str(value), "u");
    uri->GetPassword(value);
    EXPECT_EQ(str(value), "p");
    uri->GetHostPort(value);
    EXPECT_EQ(str(value), "host.test:8080");
    uri->GetPath(value);
    EXPECT_EQ(str(value), "/a/b?q#r");
    PRInt32 port = 0;
    uri->GetPort(&port);
    EXPECT_EQ(port, 8080);

    uri->SetPort(-1);
    uri->SetHost(NS_LITERAL_CSTRING("Other.test"));
    uri->SetPath(NS_LITERAL_CSTRING("x/./y"));
    uri->SetPassword(EmptyCString());
    uri->GetSpec(value);
    EXPECT_EQ(str(value), "http://u@other.test/x/y");
    EXPECT_EQ(uri->SetSpec(NS_LITERAL_CSTRING("not a url")), NS_ERROR_GENERATE_FAILURE(6, 10));
    uri->GetSpec(value);
    EXPECT_EQ(str(value), "http://u@other.test/x/y");  // a refused spec changes nothing

    uri->Resolve(NS_LITERAL_CSTRING("../z?k"), value);
    EXPECT_EQ(str(value), "http://u@other.test/z?k");
    PRBool flag = PR_FALSE;
    uri->SchemeIs("http", &flag);
    EXPECT_TRUE(flag);

    nsCOMPtr<nsIURI> copy;
    uri->Clone(getter_AddRefs(copy));
    EXPECT_NE(copy.get(), uri.get());
    uri->Equals(copy, &flag);
    EXPECT_TRUE(flag);
    copy->SetScheme(NS_LITERAL_CSTRING("https"));
    uri->Equals(copy, &flag);
    EXPECT_FALSE(flag);

    nsCOMPtr<nsIURI> blank = new URIObject(*URI::parse("about:blank"));
    EXPECT_NE(blank->Resolve(NS_LITERAL_CSTRING("x.html"), value), NS_OK);
  }
  EXPECT_EQ(LiveObjects::count(), before);
}

}  // namespace
}  // namespace geckohost::net
