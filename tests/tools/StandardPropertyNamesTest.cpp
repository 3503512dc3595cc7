// The tool's copy of the standard property names against the product's own table.
#include <gtest/gtest.h>

#include "HtmlStandardPropertySet.h"
#include "StandardPropertyNames.h"

TEST(StandardPropertyNamesTest, AreTheProductsTableRowForRow) {
  std::vector<std::string> table;
  for (unsigned int row = 0; const char* name = CHtmlStandardPropertySet::getCanonicalName(row);
       ++row) {
    table.push_back(name);
  }
  EXPECT_EQ(table.size(), 79u);
  EXPECT_EQ(StandardPropertyNames::all(), table);
  // Rows the product does not enumerate are names all the same; native names are not.
  EXPECT_TRUE(StandardPropertyNames::contains(".ajaxTraceOn"));
  EXPECT_TRUE(StandardPropertyNames::contains(".contentText"));
  EXPECT_FALSE(StandardPropertyNames::contains("tag"));
  EXPECT_FALSE(StandardPropertyNames::contains(".Tag"));
  EXPECT_FALSE(StandardPropertyNames::contains(".nosuch"));
}
