#include "HtmlStandardPropertySet.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

TEST(HtmlStandardPropertySetTest, NamesMapToTheIdColumn) {
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(".name"), 3u);
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId("name"), 0u);
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(".frameIndex"), 60u);
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(".uniqueId"), 15u);
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(".nosuch"), 0u);
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(".type"), 19u);
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(".cookie"), 17u);
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(".contentText"), 80u);
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(".Name"), 0u);
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId("."), 0u);
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(""), 0u);
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(nullptr), 0u);
}

TEST(HtmlStandardPropertySetTest, ABufferAskedAgainIsReadAgain) {
  // The same address with other text: what was found there last must not answer.
  char asked[16] = ".name";
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(asked), 3u);
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(asked), 3u);
  std::snprintf(asked, sizeof asked, ".title");
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(asked), 4u);
  std::snprintf(asked, sizeof asked, ".nosuch");
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(asked), 0u);
  std::snprintf(asked, sizeof asked, ".namex");
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(asked), 0u);
  std::snprintf(asked, sizeof asked, "name");
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(asked), 0u);
  std::snprintf(asked, sizeof asked, ".name");
  EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(asked), 3u);
}

TEST(HtmlStandardPropertySetTest, EveryRowIsFoundThroughTheIndex) {
  std::set<unsigned int> ids;
  unsigned int row = 0;
  for (; CHtmlStandardPropertySet::getCanonicalName(row); ++row) {
    std::string name = CHtmlStandardPropertySet::getCanonicalName(row);
    unsigned int id = CHtmlStandardPropertySet::m_propertyList[row].id &
                      ~CHtmlStandardPropertySet::NOT_ENUMERATED;
    EXPECT_EQ(name, "." + std::string(CHtmlStandardPropertySet::m_propertyList[row].name));
    EXPECT_EQ(CHtmlStandardPropertySet::getPropertyId(name.c_str()), id) << name;
    ids.insert(id);
  }
  EXPECT_EQ(row, 79u);
  EXPECT_EQ(ids.size(), 79u);  // ids 1 to 80, all distinct
  EXPECT_EQ(*ids.begin(), 1u);
  EXPECT_EQ(*ids.rbegin(), 80u);
  EXPECT_EQ(ids.count(56), 0u);
  EXPECT_EQ(CHtmlStandardPropertySet::getCanonicalName(79), nullptr);
  EXPECT_STREQ(CHtmlStandardPropertySet::getCanonicalName(16), ".type");
}

TEST(HtmlStandardPropertySetTest, HashRotatesAndAddsSignedBytes) {
  EXPECT_EQ(CHtmlStandardPropertySet::hash("name"), 0x6E616D65u);
  EXPECT_EQ(CHtmlStandardPropertySet::hash("name") % 320, 37u);
  EXPECT_EQ(CHtmlStandardPropertySet::hash(""), 0u);
  // Five letters: the first byte rotates round to the low end ("t" of "title").
  EXPECT_EQ(CHtmlStandardPropertySet::hash("title"), ((0x7469746Cu << 8) | 0x74u) + 0x65u);
  // A byte above 0x7F counts as negative.
  EXPECT_EQ(CHtmlStandardPropertySet::hash("\xFF"), 0xFFFFFFFFu);
}
