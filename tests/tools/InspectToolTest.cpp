// nshtml-inspect as a person runs it: its own private X server (DISPLAY unset), its own home,
// the built-in page or pages given on the command line.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "ChildProcess.h"
#include "JsonParser.h"
#include "TestHttpServer.h"

namespace {

class InspectToolTest : public ::testing::Test {
 protected:
  ChildResult Inspect(const std::vector<std::string>& args) {
    return InspectIn(m_home.path(), args);
  }

  ChildResult InspectIn(const std::string& directory, const std::vector<std::string>& args) {
    return RunChild(NSHTML_INSPECT_PATH, args, {{"HOME", m_home.path()}, {"PATH", "/usr/bin:/bin"}},
                    directory);
  }

  // The tool with `input` on its standard input (through sh, which RunChild leaves alone).
  ChildResult InspectWithInput(const std::vector<std::string>& args, const std::string& input) {
    WriteFile(m_home / "input.txt", input);
    std::vector<std::string> shellArgs{"-c", "exec \"$0\" \"$@\" < input.txt", NSHTML_INSPECT_PATH};
    shellArgs.insert(shellArgs.end(), args.begin(), args.end());
    return RunChild("/bin/sh", shellArgs, {{"HOME", m_home.path()}, {"PATH", "/usr/bin:/bin"}},
                    m_home.path());
  }

  // Whether the run closed the browser with no host object left alive and reported no other
  // failure: everything the tool was handed, it released.
  static ::testing::AssertionResult LeakedNothing(const ChildResult& result) {
    if (result.err.find("outlived the browser") != std::string::npos)
      return ::testing::AssertionFailure() << result.err;
    return ::testing::AssertionSuccess();
  }

  // The tool's own lines on standard error (the library may write a note of its own there).
  static std::string ToolMessages(const std::string& err) {
    std::string messages;
    for (const std::string& line : Lines(err)) {
      if (line.rfind("nshtml-inspect: ", 0) == 0)
        messages += line + "\n";
    }
    return messages;
  }

  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
      lines.push_back(line);
    return lines;
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

  // The built-in page's document.
  static std::string DemoPageUrl() { return std::string("file://") + NSHTML_INSPECT_DEMO_PAGE; }

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

// #id looks in the shown document, then in its frames' documents depth-first in page order;
// #frame/#id goes on inside that frame; the answer names the document that held the element.
TEST_F(InspectToolTest, IdsReachIntoFramesAndNameTheirDocument) {
  std::string outer = Page("outer.html",
                           "<div id=top>top</div><iframe id=a src='a.html'></iframe>"
                           "<iframe id=b src='b.html'></iframe>");
  std::string a = Page("a.html", "<p id=shared>in a</p><iframe id=c src='c.html'></iframe>");
  std::string b = Page("b.html", "<p id=x>in b</p><p id=shared>in b</p>");
  std::string c = Page("c.html", "<p id=x>in c</p>");
  // Depth-first: the frame inside the first frame comes before the second frame.
  ChildResult deep = Inspect({"--page", outer, "find", "id", "x"});
  ASSERT_EQ(deep.exitCode, 0) << deep.err;
  EXPECT_EQ(deep.out, "Html.P .tag=\"P\" .id=\"x\" .text=\"in c\" document=\"file://" + c + "\"\n");
  ChildResult chained = Inspect({"--json", "--page", outer, "get", "#b/#shared", ".text"});
  ASSERT_EQ(chained.exitCode, 0) << chained.err;
  std::optional<JsonValue> answer = JsonParser::parse(chained.out);
  ASSERT_TRUE(answer) << chained.out;
  EXPECT_EQ(answer->member("value")->text(), "in b");
  EXPECT_EQ(answer->member("document")->text(), "file://" + b);
  ChildResult nested = Inspect({"--page", outer, "get", "#a/#c/#x", ".text"});
  EXPECT_EQ(nested.out, "\"in c\"\n") << nested.err;
  // The shown document first: its own elements are never looked for in frames.
  ChildResult own = Inspect({"--json", "--page", outer, "find", "id", "top"});
  std::optional<JsonValue> found = JsonParser::parse(own.out);
  ASSERT_TRUE(found && found->items().size() == 1u) << own.out;
  EXPECT_EQ(found->items()[0].member("document")->text(), "file://" + outer);

  struct Case {
    const char* path;
    const char* message;
  } failures[] = {
      {"#b/#nosuch", "no element with id 'nosuch' in '#b'"},
      {"#top/#x", "'#top' shows no document"},
      {"#a/#c/#shared", "no element with id 'shared' in '#a/#c'"},
  };
  for (const Case& failure : failures) {
    ChildResult result = Inspect({"--page", outer, "get", failure.path, ".text"});
    EXPECT_EQ(result.exitCode, 2) << failure.path;
    EXPECT_EQ(ToolMessages(result.err), std::string("nshtml-inspect: ") + failure.message + "\n");
    EXPECT_TRUE(LeakedNothing(result));
  }
  ChildResult none = Inspect({"--page", outer, "find", "id", "nosuch"});
  EXPECT_EQ(none.exitCode, 0);
  EXPECT_EQ(none.out, "");
  EXPECT_TRUE(LeakedNothing(none));
}

// A null from a name the object does not know is told apart from a property without a value:
// a note on standard error, the null all the same, and no failure.
TEST_F(InspectToolTest, GetSaysWhenANameIsNoProperty) {
  std::string page = Page("p.html", "<div id=d title=tip data-x=1>d</div>");
  struct Case {
    const char* name;
    const char* out;
    const char* note;
  } cases[] = {
      {".nosuch", "null\n", "nshtml-inspect: get: .nosuch is not a property of Html.DIV\n"},
      {"nosuch", "null\n", "nshtml-inspect: get: nosuch is not a property of Html.DIV\n"},
      {".Tag", "null\n", "nshtml-inspect: get: .Tag is not a property of Html.DIV\n"},
      {".value", "null\n", ""},        // a standard name this element has no value for
      {".ajaxTraceOn", "null\n", ""},  // standard, though the product does not enumerate it
      {"data-x", "\"1\"\n", ""},
      {"title", "\"tip\"\n", ""},
  };
  for (const Case& c : cases) {
    ChildResult result = Inspect({"--page", page, "get", "#d", c.name});
    EXPECT_EQ(result.exitCode, 0) << c.name << result.err;
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_EQ(ToolMessages(result.err), c.note) << c.name;
  }
  // In the JSON shell the answer's line stays the one value; the note goes to standard error.
  ChildResult shell = InspectWithInput({"--json", "--page", page, "shell"}, "get '#d' .nosuch\n");
  EXPECT_EQ(shell.exitCode, 0);
  std::optional<JsonValue> answer = JsonParser::parse(shell.out);
  ASSERT_TRUE(answer) << shell.out;
  EXPECT_TRUE(answer->member("value")->isNull());
  EXPECT_EQ(ToolMessages(shell.err),
            "nshtml-inspect: get: .nosuch is not a property of Html.DIV\n");
  EXPECT_TRUE(LeakedNothing(shell));
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
      {{"--page", "ftp://example.com/", "windows"}, "only local files, file: and http: URLs"},
      {{"wait", "soon"}, "wait wants a number of milliseconds"},
      {{"eval"}, "eval takes 1 argument(s), got 0"},
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

// What a new user meets first: help per command, a clear line for a file that is no page, and
// text that stays one line per value whatever it holds.
TEST_F(InspectToolTest, HelpPagesThatAreNoPagesAndControlCharacters) {
  ChildResult get = Inspect({"--help", "get"});
  EXPECT_EQ(get.exitCode, 0);
  EXPECT_EQ(Lines(get.out)[0], "usage: nshtml-inspect [OPTIONS] get PATH NAME") << get.out;
  ChildResult act = Inspect({"-h", "do"});
  EXPECT_NE(act.out.find("focus type select scroll cookie open dialog answer"), std::string::npos)
      << act.out;
  ChildResult all = Inspect({"-h"});
  EXPECT_EQ(all.exitCode, 0);
  EXPECT_NE(all.out.find("screenshot FILE.png"), std::string::npos);

  std::string binary = m_home / "picture.html";
  WriteFile(binary, std::string("GIF89a\0\0<p>", 12));
  struct Case {
    std::vector<std::string> args;
    std::string message;
  } failures[] = {
      {{"--help", "frobnicate"}, "nshtml-inspect: unknown command 'frobnicate' (--help for usage)"},
      {{"--help", "get", "set"}, "nshtml-inspect: --help takes at most one COMMAND"},
      {{"--page", m_home.path(), "windows"},
       "nshtml-inspect: cannot load page " + m_home.path() + ": it is a directory"},
      {{"--page", binary, "windows"},
       "nshtml-inspect: cannot load page " + binary + ": a binary file, not a page"},
      {{"get", "#a\nb", ".tag"}, "nshtml-inspect: no element with id 'a\\nb'"},
  };
  for (const Case& c : failures) {
    ChildResult result = Inspect(c.args);
    EXPECT_EQ(result.exitCode, 2) << c.message;
    EXPECT_EQ(ToolMessages(result.err), c.message + "\n");
    EXPECT_EQ(result.out, "");
  }

  ChildResult cookie =
      Inspect({"--do", "cookie", "a.com", "/", "n", "one\ntwo\tthree\x01", "cookies"});
  EXPECT_EQ(cookie.out, "a.com / n=one\\ntwo\\tthree\\u0001\n") << cookie.err;
  std::string page = Page("lines.html", "<p id=p title='a&#10;b'>x</p>");
  ChildResult props = Inspect({"--page", page, "props", "#p"});
  EXPECT_NE(props.out.find("title = \"a\\nb\""), std::string::npos) << props.out;
  EXPECT_TRUE(LeakedNothing(props));
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

TEST_F(InspectToolTest, TheLibrarysConsoleTextStaysOutOfTheJsonAnswers) {
  // Trace on for everything, into a trace file that cannot be opened (a directory has its
  // name): the library prints each trace text on standard output instead.
  const std::string blocked = m_home / "blocked";
  std::filesystem::create_directories(blocked + "/zav_trace.txt");
  WriteFile(m_home / "KESTRIX/ZAV/zav_log_trace.properties",
            "enableTrace=true\r\ntraceComponentLevelFilter=native,0\r\ntraceFilePath=" + blocked +
                "\r\n");
  std::string outer = Page("outer.html", "<iframe id=a src='a.html'></iframe>");
  Page("a.html", "<p id=in>in a</p>");
  // The element's bounds go through its frame, which the library traces.
  ChildResult result = Inspect({"--json", "--page", outer, "get", "#a/#in", ".bounds"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  std::optional<JsonValue> answer = JsonParser::parse(result.out);
  ASSERT_TRUE(answer) << result.out;
  EXPECT_TRUE(answer->member("value"));
  EXPECT_NE(result.err.find("Error writing to the file (2)."), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("found an iframe for the document"), std::string::npos) << result.err;
  EXPECT_TRUE(LeakedNothing(result));
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
            "Html.DIV .id=\"top\" .bounds=[44, 148, 1016, 40] .tag=\"DIV\"\n");
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

// The private X server's screen is made to hold the windows asked for, so a window larger
// than the usual screen is pictured whole, its page painted to the bottom-right corner.
TEST_F(InspectToolTest, ScreenshotsOfWindowsLargerThanTheUsualScreenAreWhole) {
  std::string picture = m_home / "large.png";
  ChildResult shot = Inspect({"--size", "2600x1900", "screenshot", picture});
  ASSERT_EQ(shot.exitCode, 0) << shot.err;
  EXPECT_EQ(shot.err.find("X error"), std::string::npos) << shot.err;
  std::string png = ReadFile(picture);
  ASSERT_GT(png.size(), 24u);
  auto be32 = [&](size_t at) {
    return (static_cast<unsigned char>(png[at]) << 24) |
           (static_cast<unsigned char>(png[at + 1]) << 16) |
           (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
  };
  EXPECT_EQ(be32(16), 2600u);
  EXPECT_EQ(be32(20), 1900u);
  ChildResult bounds = Inspect({"--size", "2600x1900", "get", ".", ".bounds"});
  EXPECT_EQ(bounds.out, "[40, 40, 2600, 1900]\n") << bounds.err;
}

// Paths on the command line are the user's: read and written where the tool was started.
TEST_F(InspectToolTest, PathsAreRelativeToTheWorkingDirectory) {
  std::string here = m_home / "elsewhere";
  ASSERT_EQ(mkdir(here.c_str(), 0755), 0);
  WriteFile(here + "/mine.html", "<title>Mine</title><p id=p>mine</p>");
  ChildResult page =
      InspectIn(here, {"--json", "--page", "mine.html", "get", ".", ".documentName"});
  ASSERT_EQ(page.exitCode, 0) << page.err;
  EXPECT_NE(page.out.find("\"value\": \"file://" + here + "/mine.html\""), std::string::npos)
      << page.out;
  ChildResult shot = InspectIn(here, {"--page", "mine.html", "screenshot", "shot.png"});
  ASSERT_EQ(shot.exitCode, 0) << shot.err;
  EXPECT_TRUE(FileExists(here + "/shot.png"));
  EXPECT_FALSE(FileExists(m_home / "shot.png"));
  // A name that is not there in the working directory is not looked for anywhere else.
  ChildResult missing = Inspect({"--page", "mine.html", "windows"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("cannot load page mine.html"), std::string::npos) << missing.err;
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

TEST_F(InspectToolTest, SetHandsTheValueToTheSetterAndReadsItBack) {
  std::string form = Page("form.html",
                          "<input id=field value=start><input id=box type=checkbox>"
                          "<div id=plain>text</div>");
  // Text that is not JSON is a string of itself; a quoted JSON string loses its quotes.
  ChildResult text = Inspect({"--page", form, "set", "#field", ".value", "abc"});
  EXPECT_EQ(text.exitCode, 0) << text.err;
  EXPECT_EQ(text.out, "set: true\n\"abc\"\n");
  EXPECT_TRUE(LeakedNothing(text));
  ChildResult quoted = Inspect({"--page", form, "set", "#field", ".value", "\"two words\""});
  EXPECT_EQ(quoted.out, "set: true\n\"two words\"\n") << quoted.err;
  ChildResult checked = Inspect({"--json", "--page", form, "set", "#box", ".checked", "true"});
  EXPECT_EQ(checked.exitCode, 0) << checked.err;
  std::optional<JsonValue> answer = JsonParser::parse(checked.out);
  ASSERT_TRUE(answer) << checked.out;
  EXPECT_EQ(answer->serializeLine(),
            "{\"path\": \"#box\", \"name\": \".checked\", \"set\": true, \"value\": true}");

  // A setter that answers false is information: status 1, the value read back all the same.
  ChildResult refused = Inspect({"--page", form, "set", "#plain", ".name", "x"});
  EXPECT_EQ(refused.exitCode, 1) << refused.err;
  EXPECT_EQ(refused.out.substr(0, 11), "set: false\n") << refused.out;
  EXPECT_EQ(ToolMessages(refused.err), "");
  ChildResult refusedJson = Inspect({"--json", "--page", form, "set", "#plain", ".name", "x"});
  EXPECT_EQ(refusedJson.exitCode, 1);
  EXPECT_NE(refusedJson.out.find("\"set\": false"), std::string::npos) << refusedJson.out;
  EXPECT_TRUE(LeakedNothing(refusedJson));

  // A path without an object and a name that is no property name are failures.
  struct Case {
    std::vector<std::string> args;
    const char* message;
  } failures[] = {
      {{"set", "#nosuch", ".value", "x"}, "no element with id 'nosuch'"},
      {{"set", "0/99", ".value", "x"}, "no child 99 at '0/99'"},
      {{"set", "#field", "value here", "x"}, "'value here' is not a property name"},
      {{"set", "#field", ".value"}, "set takes 3 argument(s), got 2"},
  };
  for (const Case& c : failures) {
    std::vector<std::string> args{"--page", form};
    args.insert(args.end(), c.args.begin(), c.args.end());
    ChildResult result = Inspect(args);
    EXPECT_EQ(result.exitCode, 2) << c.message;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(Count(ToolMessages(result.err), "\n"), 1u) << result.err;
    EXPECT_EQ(result.out, "");
  }
}

TEST_F(InspectToolTest, ShellRunsEveryLineAgainstTheSamePage) {
  std::string tall = Page("tall.html",
                          "<body style='margin:0'><div style='height:2000px'></div>"
                          "<p id=mark style='position:absolute; left:10px; top:300px; margin:0'>"
                          "m</p><input id=field value=start><textarea id=notes></textarea>"
                          "<h1 id=\"it's\">title</h1></body>");
  ChildResult result = InspectWithInput({"--page", tall, "shell"},
                                        "get '#mark' .bounds\n"
                                        "\n"
                                        "   # a comment line, then one after a command\n"
                                        "do scroll 0 100   # later commands see the page scrolled\n"
                                        "get '#mark' .bounds\n"
                                        "frobnicate '#mark'\n"
                                        "get \"#it's\" .tag\n"
                                        "get '#it'\\''s' .tag\n"
                                        "get \\#it\\'s .text\n"
                                        "get '#mark .tag\n"
                                        "do focus '#notes'\n"
                                        "focus\n"
                                        "set '#field' .value \"changed by the shell\"\n"
                                        "get '#field' .value\n"
                                        "do type '#field' ' and typed'\n"
                                        "get '#field' .value");
  EXPECT_EQ(result.exitCode, 2) << result.err;
  EXPECT_EQ(Lines(result.out),
            (std::vector<std::string>{
                "[54, 448, 8, 16]",
                "done",
                "[54, 348, 8, 16]",
                "\"H1\"",
                "\"H1\"",
                "\"title\"",
                "done",
                "Html.TEXTAREA .tag=\"TEXTAREA\" .id=\"notes\" .name=\"\" .text=\"\"",
                "set: true",
                "\"changed by the shell\"",
                "\"changed by the shell\"",
                "done",
                "\"changed by the shell and typed\"",
            }))
      << result.out;
  EXPECT_EQ(ToolMessages(result.err),
            "nshtml-inspect: unknown command 'frobnicate'\n"
            "nshtml-inspect: a single quote is not closed\n");
  EXPECT_TRUE(LeakedNothing(result));

  // Every command answering: 0; a refused set at worst: 1; nothing to do: 0.
  ChildResult fine = InspectWithInput({"shell"}, "get . .readyState\nfind id title\n");
  EXPECT_EQ(fine.exitCode, 0) << fine.err;
  EXPECT_EQ(Lines(fine.out),
            (std::vector<std::string>{
                "4", "Html.H1 .tag=\"H1\" .id=\"title\" .text=\"Order form\" document=\"" +
                         DemoPageUrl() + "\""}));
  ChildResult refused = InspectWithInput({"shell"}, "set '#title' .name x\nget . .readyState");
  EXPECT_EQ(refused.exitCode, 1) << refused.err;
  EXPECT_EQ(InspectWithInput({"shell"}, "").exitCode, 0);
}

TEST_F(InspectToolTest, ShellWithJsonAnswersOneValuePerLine) {
  ChildResult result = InspectWithInput({"--json", "shell"},
                                        "windows\n"
                                        "get '#title' .tag\n"
                                        "tree --depth 1\n"
                                        "shell\n"
                                        "get '#nosuch' .tag\n"
                                        "props '#title'\n"
                                        "set '#title' .name x\n"
                                        "do select '#size' 2\n"
                                        "do select '#size'\n"
                                        "at 50 160\n");
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(ToolMessages(result.err), "");
  std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 10u) << result.out;
  std::vector<JsonValue> values;
  for (const std::string& line : lines) {
    std::optional<JsonValue> value = JsonParser::parse(line);
    ASSERT_TRUE(value) << line;
    values.push_back(*value);
  }
  EXPECT_EQ(values[0].kind(), JsonValue::Kind::Array);
  EXPECT_EQ(lines[1],
            "{\"path\": \"#title\", \"name\": \".tag\", \"value\": \"H1\", \"document\": \"" +
                DemoPageUrl() + "\"}");
  EXPECT_EQ(values[2].member("children")->items().size(), 15u);
  EXPECT_EQ(lines[3], "{\"error\": \"the shell does not run inside itself\"}");
  EXPECT_EQ(lines[4], "{\"error\": \"no element with id 'nosuch'\"}");
  EXPECT_EQ(values[5].member("standard")->member(".id")->text(), "title");
  EXPECT_EQ(values[6].member("set")->serializeLine(), "false");
  EXPECT_EQ(lines[7], "{\"do\": \"select\", \"arguments\": [\"#size\", \"2\"]}");
  EXPECT_EQ(lines[8], "{\"error\": \"do select takes 2 argument(s), got 1\"}");
  EXPECT_EQ(values[9].kind(), JsonValue::Kind::Array);
  // The same command on the command line prints the same value, over several lines.
  ChildResult single = Inspect({"--json", "get", "#title", ".tag"});
  EXPECT_EQ(JsonParser::parse(single.out)->serializeLine(), lines[1]);
  EXPECT_GT(Count(single.out, "\n"), 1u);
}

// Script in the page through the product's document: values as text, a failure as an error
// line; wait lets the page's timers run; load shows another page, over HTTP too.
TEST_F(InspectToolTest, ShellEvaluatesScriptWaitsAndLoads) {
  TestHttpServer server;
  ASSERT_TRUE(server.running());
  std::string timed = Page("timed.html",
                           "<p id=p>start</p><script>var n = 1; setTimeout(function () {"
                           " n = 5; document.getElementById('p').textContent = 'later'; }, 50);"
                           "</script>");
  ChildResult result = InspectWithInput({"--json", "--page", timed, "shell"},
                                        "eval 'n + 1'\n"
                                        "get '#p' .text\n"
                                        "wait 200\n"
                                        "get '#p' .text\n"
                                        "eval 'n'\n"
                                        "eval 'syntax error('\n"
                                        "load " +
                                            server.url("/page.html") +
                                            "\n"
                                            "get '#p' title\n");
  EXPECT_EQ(result.exitCode, 2) << result.err;
  std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 8u) << result.out << result.err;
  EXPECT_EQ(lines[0], "{\"eval\": \"n + 1\", \"value\": \"2\"}");
  EXPECT_NE(lines[1].find("\"start\""), std::string::npos) << lines[1];
  EXPECT_EQ(lines[2], "{\"wait\": \"200\", \"done\": true}");
  EXPECT_NE(lines[3].find("\"later\""), std::string::npos) << lines[3];
  EXPECT_EQ(lines[4], "{\"eval\": \"n\", \"value\": \"5\"}");
  EXPECT_NE(lines[5].find("\"error\""), std::string::npos) << lines[5];
  EXPECT_NE(lines[6].find("\"done\": true"), std::string::npos) << lines[6];
  EXPECT_NE(lines[7].find("\"ran\""), std::string::npos) << lines[7];

  ChildResult served = Inspect({"--page", server.url("/page.html"), "get", "#p", ".text"});
  EXPECT_EQ(served.exitCode, 0) << served.err;
  EXPECT_EQ(served.out, "\"served\"\n");
}

}  // namespace

TEST_F(InspectToolTest, CookiesAreListedSeededAndDeletedThroughTheBrowser) {
  ChildResult result =
      InspectWithInput({"--do", "cookie", "shop.example.com", "/cart", "id", "42", "shell"},
                       "cookies\n"
                       "do cookie .example.com / theme dark\n"
                       "do cookie www.other.org / x 1\n"
                       "cookies delete example.com\n"
                       "cookies delete example.com --partial\n"
                       "cookies\n"
                       "cookies delete\n"
                       "cookies\n"
                       "cookies remove\n"
                       "do cookie nohost\n"
                       "do cookie host nopath n v\n");
  EXPECT_EQ(result.exitCode, 2) << result.err;
  EXPECT_EQ(Lines(result.out), (std::vector<std::string>{
                                   "shop.example.com /cart id=42",
                                   "done",
                                   "done",
                                   "result 1: Cookie Not Found: example.com",
                                   "result 0",
                                   "www.other.org / x=1",
                                   "result 0",
                               }))
      << result.out;
  EXPECT_EQ(ToolMessages(result.err),
            "nshtml-inspect: cookies takes nothing, or delete and at most one SITE\n"
            "nshtml-inspect: do cookie takes 4 argument(s), got 1\n"
            "nshtml-inspect: do cookie: cookie wants a host and a path starting with /\n");
  EXPECT_TRUE(LeakedNothing(result));

  ChildResult json = Inspect({"--json", "cookies", "delete", "nowhere.net"});
  EXPECT_EQ(json.exitCode, 1);
  EXPECT_EQ(json.out,
            "{\n  \"site\": \"nowhere.net\",\n  \"partial\": false,\n  \"result\": 1,\n"
            "  \"message\": \"Cookie Not Found: nowhere.net\"\n}\n");
  ChildResult misplaced = Inspect({"get", ".", ".url", "--partial"});
  EXPECT_EQ(misplaced.exitCode, 2);
  EXPECT_EQ(ToolMessages(misplaced.err),
            "nshtml-inspect: --partial belongs to cookies delete (--help for usage)\n");
}

TEST_F(InspectToolTest, AtNamesTheToolbarButtonItHits) {
  // The built-in window's top level is at (44, 64); the back button is its first 32 pixels.
  ChildResult result = Inspect({"at", "60", "70"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Lines(result.out),
            (std::vector<std::string>{
                "Html.HtmlBrowser .bounds=[40, 40, 1024, 768]",
                "Html.HtmlBrowser.ToolbarButton .bounds=[44, 64, 32, 32] .name=\"back-button\""}));
}

namespace {

// Dialogs and drop-down popups are top-level objects of their own: listed by windows after the
// browser, addressed with @N, pictured by screenshot --window N, answered with do answer.
TEST_F(InspectToolTest, DialogsAndPopupsAreTopLevelObjects) {
  std::string page = Page("s.html", "<select id=s><option>one<option>two</select>");
  std::string picture = m_home / "popup.png";
  ChildResult result = InspectWithInput({"--json", "--page", page, "shell"},
                                        "do dialog prompt 'Your name?'\n"
                                        "windows\n"
                                        "get @1 .class\n"
                                        "do answer text:Ada\n"
                                        "do answer accept\n"
                                        "do open '#s'\n"
                                        "windows\n"
                                        "get @1 .class\n"
                                        "screenshot " +
                                            picture +
                                            " --window 1\n"
                                            "get @7 .class\n"
                                            "do dialog nosuch ''\n");
  std::vector<std::string> lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 11u) << result.out << result.err;
  // A prompt over the browser: listed second, as a dialog.
  EXPECT_EQ(Count(lines[1], "\"index\""), 2u) << lines[1];
  EXPECT_NE(lines[1].find("\"kind\": \"Dialog\""), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find("\"value\": \"Html.Dialog\""), std::string::npos) << lines[2];
  // Answered with text, it closes; a second answer finds no dialog.
  EXPECT_EQ(lines[3], "{\"do\": \"answer\", \"arguments\": [\"text:Ada\"]}");
  EXPECT_NE(lines[4].find("no dialog is open"), std::string::npos) << lines[4];
  // The open list is a popup window of its own, the product's combo list.
  EXPECT_NE(lines[6].find("\"kind\": \"popup\""), std::string::npos) << lines[6];
  EXPECT_NE(lines[7].find("\"value\": \"Html.ComboLBox\""), std::string::npos) << lines[7];
  EXPECT_NE(lines[8].find("popup.png"), std::string::npos) << lines[8];
  // The popup's own picture: as wide as the select, two rows of 16 and a border.
  std::string png = ReadFile(picture);
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(static_cast<unsigned char>(png[23]), 34u);  // IHDR height, low byte
  EXPECT_NE(lines[9].find("no top-level window 7"), std::string::npos) << lines[9];
  EXPECT_NE(lines[10].find("unknown dialog 'nosuch'"), std::string::npos) << lines[10];
  EXPECT_TRUE(LeakedNothing(result));
}

}  // namespace

TEST_F(InspectToolTest, AShellSessionTracesRequestsAndWaitsForThem) {
  TestHttpServer server;
  ASSERT_TRUE(server.running());
  std::string page = Page("requests.html",
                          "<title>requests</title><script>function start(url) {"
                          " var r = new XMLHttpRequest(); r.open('GET', url, true); r.send(null);"
                          " return 'sent'; }</script>");
  std::string slow = server.url("/slow");
  std::string now = server.url("/now");
  ChildResult result = InspectWithInput(
      {"--option", "tamarol.test.zv.html.ajax.autotrace=true", "--page", page, "shell"},
      "get 14 .ajaxPendingRequests\n"
      "set 14 .ajaxTraceOn true\n"
      "eval \"start('" +
          now +
          "')\"\n"
          "eval \"start('" +
          slow +
          "')\"\n"
          "wait 150\n"
          "get 14 .ajaxPendingRequests\n"
          "get 14 .ajaxCompletedRequests\n"
          "get . .readyState\n"
          "wait 500\n"
          "get 14 .ajaxPendingRequests\n"
          "get 14 .ajaxCompletedRequests\n"
          "get . .readyState\n"
          "eval 'getzavtracevalue()'\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  std::vector<std::string> lines = Lines(result.out);
  // The page's document is the browser's last child, after its 14 toolbar items; the browser
  // reports "loading" (1) while a traced request is pending, as the auto-trace option asks.
  std::vector<std::string> values;
  for (const std::string& line : lines) {
    if (line.rfind("set:", 0) != 0 && line != "done")
      values.push_back(line);
  }
  EXPECT_EQ(values, (std::vector<std::string>{"0", "true", "\"sent\"", "\"sent\"", "1", "1", "1",
                                              "0", "2", "4", "\"1\""}))
      << result.out;
  EXPECT_TRUE(LeakedNothing(result));
}

// Pages that are no pages stop the tool at once: a FIFO (opening it would wait for a writer),
// a device that never ends, a file larger than the browser reads.
TEST_F(InspectToolTest, OnlyRegularFilesOfBoundedSizeArePages) {
  std::string fifo = m_home / "fifo.html";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string huge = m_home / "huge.html";
  WriteFile(huge, "<p>");
  ASSERT_EQ(truncate(huge.c_str(), off_t(65) << 20), 0);  // sparse: no disk space taken
  struct Case {
    std::string page;
    std::string message;
  } failures[] = {
      {fifo, "not a regular file (a FIFO or a device)"},
      {"/dev/zero", "not a regular file (a FIFO or a device)"},
      {huge, "larger than 64 MiB, the most a page may hold"},
  };
  for (const Case& c : failures) {
    ChildResult result = Inspect({"--page", c.page, "windows"});
    EXPECT_EQ(result.exitCode, 2) << c.page;
    EXPECT_EQ(ToolMessages(result.err),
              "nshtml-inspect: cannot load page " + c.page + ": " + c.message + "\n");
    EXPECT_EQ(result.out, "");
  }
  // In a frame, each shows the error page; the page around it loads.
  std::string framing = Page("framing.html",
                             "<iframe id=zero src='/dev/zero'></iframe>"
                             "<iframe id=fifo src='fifo.html'></iframe>");
  ChildResult framed = Inspect({"--page", framing, "get", "#zero/#errorTitle", ".text"});
  EXPECT_EQ(framed.exitCode, 0) << framed.err;
  EXPECT_EQ(framed.out, "\"Problem loading page\"\n");
  EXPECT_TRUE(LeakedNothing(framed));
}

// 20,000 and 50,000 elements deep: the tool loads the page and answers get, find, at and a
// tree of the top levels; a 2,000 deep tree comes out whole, one line per level.
TEST_F(InspectToolTest, DeepPagesAnswerWithoutOverflowingTheStack) {
  for (int depth : {20000, 50000}) {
    std::string markup = "<body><span id=top>";
    for (int i = 0; i < depth; ++i)
      markup += "<span>";
    markup += "<b id=leaf>leaf</b>";
    for (int i = 0; i < depth; ++i)
      markup += "</span>";
    std::string page = Page("deep" + std::to_string(depth) + ".html", markup + "</span></body>");
    ChildResult text = Inspect({"--page", page, "get", "#top", ".text"});
    EXPECT_EQ(text.exitCode, 0) << depth << text.err;
    EXPECT_EQ(text.out, "\"leaf\"\n") << depth;
    ChildResult found = Inspect({"--page", page, "find", "id", "leaf"});
    EXPECT_EQ(found.exitCode, 0) << depth << found.err;
    EXPECT_NE(found.out.find(".id=\"leaf\""), std::string::npos) << depth << found.out;
    ChildResult at = Inspect({"--page", page, "at", "60", "160"});
    EXPECT_EQ(at.exitCode, 0) << depth << at.err;
    ChildResult top = Inspect({"--page", page, "tree", "--depth", "4", "--props", ".tag"});
    EXPECT_EQ(top.exitCode, 0) << depth << top.err;
    EXPECT_NE(top.out.find("      Html.BODY"), std::string::npos) << depth << top.out;
    EXPECT_TRUE(LeakedNothing(top));
  }
  std::string markup = "<body>";
  for (int i = 0; i < 2000; ++i)
    markup += "<i>";
  ChildResult whole = Inspect({"--page", Page("tree.html", markup), "tree", "--props", ".tag"});
  ASSERT_EQ(whole.exitCode, 0) << whole.err;
  std::vector<std::string> lines = Lines(whole.out);
  // The browser, 14 toolbar items, document, html, head, body, then the 2,000 nested i's.
  ASSERT_EQ(lines.size(), 1u + 14 + 1 + 1 + 1 + 1 + 2000);
  EXPECT_EQ(lines.back(),
            std::string(2 * (2000 + 3), ' ') + "Html.I .tag=\"I\" .id=\"\" .text=\"\"");
}
