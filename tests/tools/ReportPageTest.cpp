// The report's page is one file that a browser opens from disk: whatever the data holds must
// stay data, and the markers of the page's template are filled exactly once.
#include <gtest/gtest.h>

#include "Base64.h"
#include "JsonParser.h"
#include "ReportPage.h"

namespace {

size_t Count(const std::string& text, const std::string& what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++count;
  return count;
}

// The text between <script type="application/json" id="report-data"> and the next </script>.
std::string EmbeddedData(const std::string& page) {
  const std::string open = "<script type=\"application/json\" id=\"report-data\">";
  size_t start = page.find(open);
  if (start == std::string::npos)
    return std::string();
  start += open.size();
  return page.substr(start, page.find("</script>", start) - start);
}

TEST(Base64Test, EncodesWithPadding) {
  EXPECT_EQ(Base64::encode({}), "");
  EXPECT_EQ(Base64::encode({'M'}), "TQ==");
  EXPECT_EQ(Base64::encode({'M', 'a'}), "TWE=");
  EXPECT_EQ(Base64::encode({'M', 'a', 'n'}), "TWFu");
  EXPECT_EQ(Base64::encode({0xfb, 0xff, 0xbf, 0x00}), "+/+/AA==");
}

TEST(ReportPageTest, DataCannotEndItsScriptElementOrFillAMarker) {
  JsonValue data = JsonValue::object();
  data.set("title", JsonValue::string("<b>A & \"B\"</b> {{SCRIPT}}"));
  JsonValue objects = JsonValue::array();
  objects.push(JsonValue::string("</script><script>alert(1)</script><!-- {{DATA}}"));
  data.set("windows", objects);

  std::string page = ReportPage::render(data);
  // Exactly the page's own two script elements end; the markup in values is escaped.
  EXPECT_EQ(Count(page, "</script>"), 2u);
  EXPECT_EQ(Count(page, "<!--"), 0u);
  // Markers in values stay text: in the title and the heading, and in the data.
  EXPECT_EQ(Count(page, "{{SCRIPT}}"), 3u);
  EXPECT_EQ(Count(page, "{{DATA}}"), 1u);
  EXPECT_EQ(Count(page, "function hover("), 1u);
  EXPECT_NE(page.find("<title>nshtml-inspect report: &lt;b&gt;A &amp; &quot;B&quot;&lt;/b&gt; "
                      "{{SCRIPT}}</title>"),
            std::string::npos);
  // The script's text read back as JSON is the data, unchanged.
  std::optional<JsonValue> embedded = JsonParser::parse(EmbeddedData(page));
  ASSERT_TRUE(embedded);
  EXPECT_EQ(embedded->serializeLine(), data.serializeLine());
  // The page carries its style and script, and needs nothing from elsewhere.
  EXPECT_NE(page.find("<style>"), std::string::npos);
  EXPECT_NE(page.find("function hover("), std::string::npos);
  EXPECT_EQ(page.find("<link"), std::string::npos);
  EXPECT_EQ(page.find("src=\"http"), std::string::npos);
}

}  // namespace
