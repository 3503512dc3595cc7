// Shared by the host's white-box tests: a fixture that fails a test which leaves host objects
// alive, pages parsed from inline markup, and readable strings for expectations.
#ifndef TESTS_PLATFORM_GECKO_HOST_HOSTTESTSUPPORT_H
#define TESTS_PLATFORM_GECKO_HOST_HOSTTESTSUPPORT_H

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "LiveObjects.h"
#include "dom/DOMStrings.h"
#include "dom/HTMLDocument.h"
#include "dom/XPCOMHelpers.h"
#include "net/URI.h"
#include "parser/HTMLParser.h"

namespace geckohost::testing {

// Every test records the live-object count first and expects it back at the end: whatever a
// test made must be gone once the test has let go of it.
class LeakCheckedTest : public ::testing::Test {
 protected:
  void SetUp() override { mLiveBefore = LiveObjects::count(); }
  void TearDown() override {
    EXPECT_EQ(LiveObjects::count(), mLiveBefore) << "host objects leaked (or over-released)";
  }

 private:
  long mLiveBefore = 0;
};

inline net::URI url(const char* text) {
  return *net::URI::parse(text);
}

inline RefPtr<dom::HTMLDocument> parsePage(std::string_view markup,
                                           const char* address = "http://example.com/dir/p.html") {
  return parser::HTMLParser::parseDocument(markup, url(address));
}

// UTF-16 to UTF-8, so expectations print readably.
inline std::string u8(std::u16string_view text) {
  return dom::utf16ToUTF8(text);
}

}  // namespace geckohost::testing

#endif
