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
  // Child indexes from the browser: 14 toolbar items, then the page, then its root element.
  ChildResult byPath = Inspect({"get", "14/0", ".tag"});
  EXPECT_EQ(byPath.out, "\"HTML\"\n") << byPath.err;
  ChildResult past = Inspect({"get", "14/0/9", ".tag"});
  EXPECT_EQ(past.exitCode, 2);
  EXPECT_NE(past.err.find("no child 9 at '14/0/9'"), std::string::npos) << past.err;
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

TEST_F(InspectToolTest, AtWalksDownToTheDeepestObjectAndIntoFrames) {
  std::string inner = Page("inner.html",
                           "<body style='margin:0'><p id=deep style='margin:0'>"
                           "deep text</p></body>");
  std::string outer = Page("outer.html",
                           "<body style='margin:0'><div id=top style='height:40px'>top</div>"
                           "<iframe id=frame src='inner.html' frameborder=0></iframe></body>");
  (void)inner;
  // The window's frame is at (40, 40); its content area at (44, 148).
  ChildResult onDiv = Inspect({"--page", outer, "at", "50", "160"});
  ASSERT_EQ(onDiv.exitCode, 0) << onDiv.err;
  EXPECT_EQ(onDiv.out,
            "Html.HtmlBrowser .bounds=[40, 40, 1024, 768]\n"
            "Html.DIV .id=\"top\" .bounds=[44, 148, 1016, 40]\n");
  // The iframe (no border) starts 40 below; its page's paragraph is its first line.
  ChildResult inFrame = Inspect({"--json", "--page", outer, "at", "50", "195"});
  EXPECT_NE(inFrame.out.find("\"class\": \"Html.IFRAME\""), std::string::npos) << inFrame.out;
  EXPECT_NE(inFrame.out.find("\"class\": \"Html.HtmlDocument\""), std::string::npos);
  EXPECT_NE(inFrame.out.find("\".id\": \"deep\""), std::string::npos);
  EXPECT_LT(inFrame.out.find("Html.IFRAME"), inFrame.out.find("\"deep\""));
}

TEST_F(InspectToolTest, ScreenshotsArePngPicturesOfTheWindow) {
  std::string picture = m_home / "shot.png";
  ChildResult shot = Inspect({"--size", "320x240", "screenshot", picture, "--boxes"});
  ASSERT_EQ(shot.exitCode, 0) << shot.err;
  std::string png = ReadFile(picture);
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  // The IHDR chunk: width and height, big-endian, right after the signature and chunk header.
  auto be32 = [&](size_t at) {
    return (static_cast<unsigned char>(png[at]) << 24) |
           (static_cast<unsigned char>(png[at + 1]) << 16) |
           (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
  };
  EXPECT_EQ(be32(16), 320u);
  EXPECT_EQ(be32(20), 240u);
  EXPECT_NE(shot.out.find("boxes"), std::string::npos);
  ChildResult bad = Inspect({"screenshot", "/no/such/dir/x.png"});
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_NE(bad.err.find("cannot write /no/such/dir/x.png"), std::string::npos);
}

TEST_F(InspectToolTest, AccessibilityAndScrollingWorkWithEveryCommand) {
  std::string tall = Page("tall.html",
                          "<body style='margin:0'><div style='height:2000px'>"
                          "</div><p id=mark style='position:absolute; left:10px;"
                          " top:300px; margin:0'>m</p></body>");
  ChildResult plain = Inspect({"--page", tall, "get", "#mark", ".bounds"});
  EXPECT_EQ(plain.out, "[54, 448, 8, 16]\n");
  ChildResult scrolled =
      Inspect({"--page", tall, "--do", "scroll", "0", "100", "get", "#mark", ".bounds"});
  EXPECT_EQ(scrolled.out, "[54, 348, 8, 16]\n");
  ChildResult viaAccessibility =
      Inspect({"--a11y", "--page", tall, "--do", "scroll", "0", "100", "get", "#mark", ".bounds"});
  EXPECT_EQ(viaAccessibility.out, "[54, 348, 8, 16]\n");
  ChildResult zoomed =
      Inspect({"--a11y", "--zoom", "200", "--page", tall, "get", "#mark", ".bounds"});
  // Accessible box (10, 300, 8, 16) x 2 + (44, 148) = (64, 748, 16, 32); x and y then x 2 again.
  EXPECT_EQ(zoomed.out, "[128, 1496, 16, 32]\n");
}

}  // namespace
