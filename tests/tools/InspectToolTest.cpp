// nshtml-inspect as a person runs it: its own private X server (DISPLAY unset), its own home,
// the built-in page or pages given on the command line.
#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"

namespace {

class InspectToolTest : public ::testing::Test {
 protected:
  ChildResult Inspect(const std::vector<std::string>& args) {
    return RunChild(NSHTML_INSPECT_PATH, args, {{"HOME", m_home.path()}, {"PATH", "/usr/bin:/bin"}},
                    m_home.path());
  }

  std::string Page(const std::string& name, const std::string& markup) {
    std::string path = m_home / name;
    WriteFile(path, markup);
    return path;
  }

  static size_t Count(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
      ++count;
    }
    return count;
  }

  ScratchDirectory m_home;
};

TEST_F(InspectToolTest, WindowsListsOneBrowserObjectPerPage) {
  std::string a = Page("a.html", "<title>A</title><p>a</p>");
  std::string b = Page("b.html", "<title>B</title><p>b</p>");
  ChildResult result = Inspect({"--json", "--page", a, "--page", b, "windows"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Count(result.out, "\"class\": \"Html.HtmlBrowser\""), 2u) << result.out;
  EXPECT_NE(result.out.find("\"documentName\": \"file://" + a + "\""), std::string::npos);
  EXPECT_NE(result.out.find("\"documentName\": \"file://" + b + "\""), std::string::npos);
  EXPECT_LT(result.out.find("file://" + a), result.out.find("file://" + b));
  // Each window is its own frame on the screen, the second one offset from the first.
  EXPECT_NE(result.out.find("\"bounds\": [40, 40, 1024, 768]"), std::string::npos);
  EXPECT_NE(result.out.find("\"bounds\": [70, 70, 1024, 768]"), std::string::npos);
  EXPECT_EQ(Count(result.out, "\"readyState\": 4"), 2u);
}

TEST_F(InspectToolTest, GetAnswersByPathAndName) {
  ChildResult zoomed = Inspect({"--zoom", "150", "get", ".", ".zoomValue"});
  ASSERT_EQ(zoomed.exitCode, 0) << zoomed.err;
  EXPECT_EQ(zoomed.out, "150\n");
  ChildResult size = Inspect({"--size", "800x600", "get", ".", ".bounds"});
  EXPECT_EQ(size.out, "[40, 40, 800, 600]\n");
  ChildResult title = Inspect({"--json", "get", "#title", ".tag"});
  EXPECT_NE(title.out.find("\"value\": \"H1\""), std::string::npos) << title.out;
  ChildResult missing = Inspect({"get", "#nosuch", ".tag"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("no element with id 'nosuch'"), std::string::npos);
}

TEST_F(InspectToolTest, TreeAndFindShowTheDocumentAndItsElements) {
  ChildResult tree = Inspect({"--json", "tree"});
  ASSERT_EQ(tree.exitCode, 0) << tree.err;
  EXPECT_NE(tree.out.find("\"class\": \"Html.HtmlDocument\""), std::string::npos);
  EXPECT_NE(tree.out.find("\"class\": \"Html.SELECT\""), std::string::npos);
  EXPECT_NE(tree.out.find("\"class\": \"Html.TextNode\""), std::string::npos);
  EXPECT_NE(tree.out.find("\"children\": ["), std::string::npos);

  ChildResult shallow = Inspect({"tree", "--depth", "1", "--props", ".readyState"});
  EXPECT_EQ(Count(shallow.out, "\n"), 16u) << shallow.out;  // the browser, 14 items, the page
  EXPECT_NE(shallow.out.find("Html.HtmlDocument"), std::string::npos);

  ChildResult cells = Inspect({"find", "tag", "td"});
  EXPECT_EQ(Count(cells.out, "Html.TD"), 4u) << cells.out;
  ChildResult named = Inspect({"--json", "find", "name", "size"});
  EXPECT_NE(named.out.find("\"Html.SELECT\""), std::string::npos);
}

TEST_F(InspectToolTest, ActionsRunBeforeTheCommand) {
  ChildResult focused = Inspect({"--do", "focus", "#notes", "focus"});
  ASSERT_EQ(focused.exitCode, 0) << focused.err;
  EXPECT_EQ(focused.out.find("Html.TEXTAREA"), 0u) << focused.out;
  ChildResult second = Inspect({"--do", "focus", "input:1", "get", ".", ".documentName"});
  EXPECT_EQ(second.exitCode, 0);
  ChildResult bad = Inspect({"--do", "focus", "#nosuch", "focus"});
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_NE(bad.err.find("--do focus: no element matches '#nosuch'"), std::string::npos);
}

TEST_F(InspectToolTest, BadArgumentsAndUnloadablePagesExitWithTwo) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"frobnicate"}, "unknown command 'frobnicate'"},
      {{"get", "."}, "get takes 2 argument(s), got 1"},
      {{"--size", "huge", "windows"}, "--size wants WxH"},
      {{"--zoom", "5", "windows"}, "--zoom wants a percentage"},
      {{"--option", "novalue", "windows"}, "--option wants KEY=VALUE"},
      {{"--page", "/no/such/page.html", "windows"}, "cannot load page /no/such/page.html"},
      {{"--page", "http://example.com/", "windows"}, "only local files and file: URLs"},
      {{"windows", "--depth", "2"}, "--depth and --props belong to the tree command"},
      {{"at", "x", "1"}, "at wants two whole numbers"},
  };
  for (const Case& c : cases) {
    ChildResult result = Inspect(c.args);
    EXPECT_EQ(result.exitCode, 2) << c.message;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(Count(result.err, "\n"), 1u) << result.err;
  }
}

TEST_F(InspectToolTest, InstallOptionsReachTheProduct) {
  // The wide-space option keeps the text's runs of spaces.
  std::string page = Page("spaces.html", "<p id=p> a \n  b </p>");
  ChildResult compressed = Inspect({"--page", page, "get", "#p", ".text"});
  EXPECT_EQ(compressed.out, "\"a b\"\n");
  ChildResult kept = Inspect({"--page", page, "--option",
                              "tamarol.test.zv.html.respectwidespace=true", "get", "#p", ".text"});
  EXPECT_EQ(kept.out, "\" a    b \"\n");
}

}  // namespace
