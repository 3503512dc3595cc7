#include "nsID.h"

#include <gtest/gtest.h>

#include "nsISupports.h"

TEST(nsIDTest, ParsesBothFormsAndPrintsBraced) {
  nsID id;
  ASSERT_TRUE(id.Parse("9d059608-ddb0-4e6a-9969-d2f363a1b557"));
  EXPECT_EQ(id.m0, 0x9d059608u);
  EXPECT_EQ(id.m1, 0xddb0);
  EXPECT_EQ(id.m2, 0x4e6a);
  EXPECT_EQ(id.m3[0], 0x99);
  EXPECT_EQ(id.m3[7], 0x57);

  nsID braced;
  ASSERT_TRUE(braced.Parse("{9D059608-DDB0-4E6A-9969-D2F363A1B557}"));
  EXPECT_TRUE(id.Equals(braced));

  char text[39];
  id.ToProvidedString(text);
  EXPECT_STREQ(text, "{9d059608-ddb0-4e6a-9969-d2f363a1b557}");
}

TEST(nsIDTest, RefusesMalformedTextAndKeepsTheOldValue) {
  nsID id = NS_GET_IID(nsISupports);
  EXPECT_FALSE(id.Parse("9d059608-ddb0-4e6a-9969-d2f363a1b55"));    // one digit short
  EXPECT_FALSE(id.Parse("9d059608-ddb0-4e6a-9969-d2f363a1b5570"));  // one digit long
  EXPECT_FALSE(id.Parse("{9d059608-ddb0-4e6a-9969-d2f363a1b557"));  // unclosed brace
  EXPECT_FALSE(id.Parse("9d059608:ddb0-4e6a-9969-d2f363a1b557"));
  EXPECT_FALSE(id.Parse("xd059608-ddb0-4e6a-9969-d2f363a1b557"));
  EXPECT_FALSE(id.Parse(nullptr));
  EXPECT_TRUE(id.Equals(NS_GET_IID(nsISupports)));
}
