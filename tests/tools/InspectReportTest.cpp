// nshtml-inspect's report, opened in a real browser: headless Chromium loads the written file
// with a #selftest fragment, the page's own script hovers, points, pins and searches as a
// person would and writes what it measured into its DOM, which Chromium prints. What the page
// should show is worked out here from the tool's other commands (tree, get, windows), not
// from the report's data.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "ChildProcess.h"
#include "JsonParser.h"

namespace {

// Chromium prints the page once it has loaded; a page that never settles must not hang the
// suite.
const char* const kChromiumTimeoutSeconds = "120";

struct TreeObject {
  std::string path;
  std::string cls;
  std::string id;
  std::string name;
  std::string text;
  const JsonValue* bounds = nullptr;  // into the tree's JSON
};

std::string StringMember(const JsonValue& object, const std::string& key) {
  const JsonValue* value = object.member(key);
  return value && value->kind() == JsonValue::Kind::String ? value->text() : std::string();
}

bool HasArea(const JsonValue* bounds) {
  return bounds && bounds->kind() == JsonValue::Kind::Array && bounds->items().size() == 4 &&
         bounds->items()[2].integerValue() > 0 && bounds->items()[3].integerValue() > 0;
}

// The pixels of a PNG file as 0xRRGGBB, row by row; empty when it cannot be read.
std::vector<uint32_t> ReadPng(const std::string& file, unsigned& width, unsigned& height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  std::vector<uint32_t> pixels;
  if (!png_image_begin_read_from_file(&image, file.c_str()))
    return pixels;
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr))
    return pixels;
  width = image.width;
  height = image.height;
  for (size_t at = 0; at + 2 < rgb.size(); at += 3)
    pixels.push_back(static_cast<uint32_t>(rgb[at] << 16 | rgb[at + 1] << 8 | rgb[at + 2]));
  return pixels;
}

std::string Lowered(std::string text) {
  for (char& c : text)
    c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

class InspectReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* candidate :
         {"/usr/bin/chromium", "/usr/bin/chromium-browser", "/usr/lib/chromium/chromium"}) {
      if (access(candidate, X_OK) == 0) {
        m_chromium = candidate;
        break;
      }
    }
  }

  ChildResult Inspect(const std::vector<std::string>& args) {
    return RunChild(NSHTML_INSPECT_PATH, args, {{"HOME", m_home.path()}, {"PATH", "/usr/bin:/bin"}},
                    m_home.path());
  }

  // The JSON a --json command of the tool printed; fails the test when there is none.
  JsonValue InspectJson(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"--json"};
    all.insert(all.end(), args.begin(), args.end());
    ChildResult result = Inspect(all);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err.find("outlived the browser"), std::string::npos) << result.err;
    std::optional<JsonValue> parsed = JsonParser::parse(result.out);
    EXPECT_TRUE(parsed) << result.out;
    return parsed ? *parsed : JsonValue();
  }

  // Every object of top-level object `window` as `tree` walks it, with full text and bounds,
  // each with the PATH that `get` takes.
  std::vector<TreeObject> TreeOf(const std::vector<std::string>& pageArgs, int window,
                                 JsonValue& keep) {
    std::vector<std::string> args = pageArgs;
    args.insert(args.end(),
                {"tree", "--window", std::to_string(window), "--props", ".text,.bounds"});
    keep = InspectJson(args);
    std::vector<TreeObject> objects;
    Collect(keep, "@" + std::to_string(window), objects);
    return objects;
  }

  static void Collect(const JsonValue& node, const std::string& path,
                      std::vector<TreeObject>& into) {
    const JsonValue* props = node.member("props");
    TreeObject object;
    object.path = path;
    object.cls = StringMember(node, "class");
    if (props) {
      object.id = StringMember(*props, ".id");
      object.name = StringMember(*props, ".name");
      object.text = StringMember(*props, ".text");
      object.bounds = props->member(".bounds");
    }
    into.push_back(object);
    if (const JsonValue* children = node.member("children")) {
      for (size_t i = 0; i < children->items().size(); ++i)
        Collect(children->items()[i], path + "/" + std::to_string(i), into);
    }
  }

  // Opens the report in headless Chromium with `fragment` and answers what the page's
  // self-test wrote; fails the test when it wrote nothing.
  JsonValue SelfTest(const std::string& report, const std::string& fragment) {
    ScratchDirectory profile;
    std::vector<std::string> args = {kChromiumTimeoutSeconds,
                                     m_chromium,
                                     "--headless",
                                     "--no-sandbox",
                                     "--disable-gpu",
                                     "--disable-quic",
                                     "--no-first-run",
                                     "--disable-background-networking",
                                     "--disable-component-update",
                                     "--disable-sync",
                                     "--hide-scrollbars",
                                     "--user-data-dir=" + profile.path(),
                                     "--window-size=1000,700",
                                     "--dump-dom",
                                     "file://" + report + "#selftest" + fragment};
    ChildResult run =
        RunChild("/usr/bin/timeout", args, {{"HOME", profile.path()}, {"PATH", "/usr/bin:/bin"}},
                 m_home.path());
    const std::string open = "<pre id=\"selftest-result\">";
    size_t start = run.out.find(open);
    EXPECT_NE(start, std::string::npos) << "no self-test result; chromium said: " << run.err;
    if (start == std::string::npos)
      return JsonValue();
    start += open.size();
    std::string text = run.out.substr(start, run.out.find("</pre>", start) - start);
    // The DOM is printed as HTML: the text's &, < and > come escaped.
    for (const auto& [entity, character] :
         {std::pair<std::string, std::string>{"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
      for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at))
        text.replace(at, entity.size(), character);
    }
    std::optional<JsonValue> result = JsonParser::parse(text);
    EXPECT_TRUE(result) << text;
    return result ? *result : JsonValue();
  }

  // The PATH of the object with `id` in the tree.
  static std::string PathOfId(const std::vector<TreeObject>& objects, const std::string& id) {
    for (const TreeObject& object : objects) {
      if (object.id == id)
        return object.path;
    }
    ADD_FAILURE() << "no object with id " << id;
    return std::string();
  }

  static const TreeObject* ObjectAt(const std::vector<TreeObject>& objects,
                                    const std::string& path) {
    for (const TreeObject& object : objects) {
      if (object.path == path)
        return &object;
    }
    return nullptr;
  }

  // The outline the page drew for a hovered row sits on the object's rectangle, moved to the
  // picture's origin (the top-level object's own rectangle) and scaled as the picture is.
  static void ExpectOutlineOn(const JsonValue& hover, const JsonValue& bounds,
                              const JsonValue& topBounds) {
    ASSERT_TRUE(hover.member("outline")) << hover.serializeLine();
    EXPECT_TRUE(hover.member("outlineShown")->booleanValue());
    const JsonValue& picture = *hover.member("picture");
    // Measurements come in hundredths of a CSS pixel.
    double naturalWidth = static_cast<double>(picture.member("naturalWidth")->integerValue());
    double shownWidth = static_cast<double>(picture.member("width")->integerValue()) / 100.0;
    EXPECT_EQ(picture.member("naturalWidth")->integerValue(), topBounds.items()[2].integerValue());
    EXPECT_EQ(picture.member("naturalHeight")->integerValue(), topBounds.items()[3].integerValue());
    // The browser window of Chromium is narrower than the picture: it is shown scaled down.
    ASSERT_GT(shownWidth, 100.0);
    ASSERT_LT(shownWidth, naturalWidth);
    double scale = shownWidth / naturalWidth;
    const double expected[4] = {static_cast<double>(bounds.items()[0].integerValue() -
                                                    topBounds.items()[0].integerValue()) *
                                    scale,
                                static_cast<double>(bounds.items()[1].integerValue() -
                                                    topBounds.items()[1].integerValue()) *
                                    scale,
                                static_cast<double>(bounds.items()[2].integerValue()) * scale,
                                static_cast<double>(bounds.items()[3].integerValue()) * scale};
    for (size_t i = 0; i < 4; ++i) {
      double measured =
          static_cast<double>(hover.member("outline")->items()[i].integerValue()) / 100.0;
      EXPECT_NEAR(measured, expected[i], 0.75)
          << "outline value " << i << " of " << hover.serializeLine();
    }
  }

  ScratchDirectory m_home;
  std::string m_chromium;
};

// The built-in page with a dialog and an open drop-down list: three top-level objects. The
// page lists every object that tree walks, marks those without area, outlines a hovered row
// at its rectangle, finds the object under a point of the picture, pins with the PATH that
// get takes, and filters by class, id, name or text.
TEST_F(InspectReportTest, TheReportShowsEveryObjectAndOutlinesWhatIsHovered) {
  const std::vector<std::string> page = {"--do", "dialog", "confirm", "Really send?",
                                         "--do", "open",   "#size"};
  std::string report = m_home / "report.html";
  std::vector<std::string> reportArgs = page;
  reportArgs.insert(reportArgs.end(), {"report", report});
  JsonValue written = InspectJson(reportArgs);
  ASSERT_EQ(written.member("windows")->integerValue(), 3);

  // windows lists them in stacking order: the dialog above the browser comes first.
  JsonValue windows = InspectJson(page);
  ASSERT_EQ(windows.items().size(), 3u);
  JsonValue trees[3];
  std::vector<TreeObject> all;
  std::vector<TreeObject> browser;
  const JsonValue* browserBounds = nullptr;
  for (int w = 0; w < 3; ++w) {
    std::vector<TreeObject> objects = TreeOf(page, w, trees[w]);
    if (StringMember(windows.items()[static_cast<size_t>(w)], "kind") == "Navigator") {
      browser = objects;
      browserBounds = windows.items()[static_cast<size_t>(w)].member("bounds");
    }
    all.insert(all.end(), objects.begin(), objects.end());
  }
  ASSERT_TRUE(browserBounds);
  EXPECT_EQ(written.member("objects")->integerValue(), static_cast<long long>(all.size()));

  ChildResult unwritable = Inspect({"report", "/no/such/dir/report.html"});
  EXPECT_EQ(unwritable.exitCode, 2);
  EXPECT_NE(unwritable.err.find("nshtml-inspect: cannot write /no/such/dir/report.html\n"),
            std::string::npos)
      << unwritable.err;

  // One file, nothing fetched: the pictures travel inside it.
  std::string html = ReadFile(report);
  EXPECT_EQ(html.find("<link"), std::string::npos);
  EXPECT_EQ(html.find("src=\"http"), std::string::npos);
  EXPECT_NE(html.find("data:image/png;base64,"), std::string::npos);

  if (m_chromium.empty())
    GTEST_SKIP() << "Chromium not found (scripts/setup-deps.sh --tests installs it); the page "
                    "was written but not opened";

  std::string size = PathOfId(browser, "size");
  std::string name = PathOfId(browser, "name");
  std::string query = "SeLeCt";  // the search ignores case
  // Keys after the pin: down to the select's first child, left to the select again (the child
  // has none to fold), left once more folds the select's children.
  JsonValue result = SelfTest(report, "&hover=" + size + "&point=" + name + "&pin=" + size +
                                          "&keys=ArrowDown,ArrowLeft,ArrowLeft&search=" + query);
  ASSERT_FALSE(result.isNull());

  EXPECT_EQ(result.member("windows")->integerValue(), 3);
  EXPECT_EQ(result.member("objects")->integerValue(), static_cast<long long>(all.size()));
  EXPECT_EQ(result.member("rows")->integerValue(), static_cast<long long>(all.size()));
  long long withoutArea = 0;
  for (const TreeObject& object : all)
    withoutArea += HasArea(object.bounds) ? 0 : 1;
  EXPECT_GT(withoutArea, 0);
  EXPECT_EQ(result.member("marked")->member("empty")->integerValue(), withoutArea);

  const JsonValue& hover = *result.member("hover");
  EXPECT_EQ(StringMember(hover, "hovered"), size);
  ExpectOutlineOn(hover, *ObjectAt(browser, size)->bounds, *browserBounds);

  // The middle of the text field: the field itself, not the form or the body around it.
  EXPECT_EQ(StringMember(*result.member("point"), "hovered"), name);

  const JsonValue& pin = *result.member("pin");
  EXPECT_EQ(StringMember(pin, "pinned"), size);
  EXPECT_EQ(StringMember(pin, "pathField"), size);
  ChildResult got = Inspect({"--do", "dialog", "confirm", "Really send?", "--do", "open", "#size",
                             "get", StringMember(pin, "pathField"), ".id"});
  EXPECT_EQ(got.out, "\"size\"\n") << got.err;
  EXPECT_GT(pin.member("propertyRows")->integerValue(), 20);

  const JsonValue& keys = *result.member("keys");
  EXPECT_EQ(StringMember(keys, "pinned"), size);
  long long below = 0;
  for (const TreeObject& object : all)
    below += object.path.rfind(size + "/", 0) == 0 ? 1 : 0;
  EXPECT_GT(below, 0);
  EXPECT_EQ(keys.member("shown")->integerValue(), static_cast<long long>(all.size()) - below);

  std::set<std::string> expectedMatches;
  for (const TreeObject& object : all) {
    std::string searched =
        Lowered(object.cls + "\n" + object.id + "\n" + object.name + "\n" + object.text);
    if (searched.find(Lowered(query)) != std::string::npos)
      expectedMatches.insert(object.path);
  }
  std::set<std::string> matched;
  for (const JsonValue& path : result.member("search")->member("matched")->items())
    matched.insert(path.text());
  EXPECT_EQ(matched, expectedMatches);
  EXPECT_TRUE(matched.count(size));
  // Matches are shown with their ancestors, and nothing else.
  std::set<std::string> expectedShown;
  for (const std::string& path : expectedMatches) {
    for (size_t slash = path.find('/'); slash != std::string::npos;
         slash = path.find('/', slash + 1))
      expectedShown.insert(path.substr(0, slash));
    expectedShown.insert(path);
  }
  std::set<std::string> shown;
  for (const JsonValue& path : result.member("search")->member("shown")->items())
    shown.insert(path.text());
  EXPECT_EQ(shown, expectedShown);
}

// Objects inside frames and iframes are outlined where their frame shows them.
TEST_F(InspectReportTest, OutlinesReachIntoFrames) {
  std::string frames = std::string(NSHTML_TEST_PAGES_DIR) + "/frameset.html";
  std::string report = m_home / "frames.html";
  JsonValue written = InspectJson({"--page", frames, "report", report});
  ASSERT_EQ(written.member("windows")->integerValue(), 1);
  JsonValue keep;
  std::vector<TreeObject> objects = TreeOf({"--page", frames}, 0, keep);
  JsonValue windows = InspectJson({"--page", frames});
  if (m_chromium.empty())
    GTEST_SKIP() << "Chromium not found (scripts/setup-deps.sh --tests installs it)";

  // #inner-input is in the left frame's page and again in an iframe of the right frame's
  // page: the deeper one is the second in walk order.
  std::string nested;
  for (const TreeObject& object : objects) {
    if (object.id == "inner-input")
      nested = object.path;
  }
  ASSERT_NE(nested.find("/"), std::string::npos);
  std::string query = PathOfId(objects, "query");
  JsonValue result = SelfTest(report, "&hover=" + nested + "&point=" + query);
  ASSERT_FALSE(result.isNull());
  EXPECT_EQ(result.member("objects")->integerValue(), static_cast<long long>(objects.size()));
  ExpectOutlineOn(*result.member("hover"), *ObjectAt(objects, nested)->bounds,
                  *windows.items()[0].member("bounds"));
  EXPECT_EQ(StringMember(*result.member("point"), "hovered"), query);
}

// Rows of objects without area, and of objects placed or scrolled outside the window's
// picture, are marked; the others are not.
TEST_F(InspectReportTest, EmptyAndOffScreenObjectsAreMarked) {
  std::string page = m_home / "far.html";
  WriteFile(page,
            "<title>Far</title><p id=here>here</p>"
            "<div id=left style='position:absolute; left:-600px; top:10px; width:100px; "
            "height:20px'>left</div>"
            "<div id=below style='position:absolute; left:10px; top:3000px; width:100px; "
            "height:20px'>below</div><span id=nothing></span>");
  std::string report = m_home / "far-report.html";
  const std::vector<std::string> size = {"--page", page, "--size", "500x400"};
  std::vector<std::string> args = size;
  args.insert(args.end(), {"report", report});
  InspectJson(args);
  JsonValue keep;
  std::vector<TreeObject> objects = TreeOf(size, 0, keep);
  JsonValue windows = InspectJson(size);
  const JsonValue& window = *windows.items()[0].member("bounds");
  long long x = window.items()[0].integerValue();
  long long y = window.items()[1].integerValue();
  long long right = x + window.items()[2].integerValue();
  long long bottom = y + window.items()[3].integerValue();
  long long empty = 0;
  std::set<std::string> outside;
  for (const TreeObject& object : objects) {
    if (!HasArea(object.bounds)) {
      ++empty;
      continue;
    }
    const std::vector<JsonValue>& r = object.bounds->items();
    long long left = r[0].integerValue();
    long long top = r[1].integerValue();
    if (left + r[2].integerValue() <= x || left >= right || top + r[3].integerValue() <= y ||
        top >= bottom)
      outside.insert(object.id.empty() ? object.path : "#" + object.id);
  }
  EXPECT_EQ(outside, (std::set<std::string>{"#left", "#below"}));
  if (m_chromium.empty())
    GTEST_SKIP() << "Chromium not found (scripts/setup-deps.sh --tests installs it)";
  JsonValue result = SelfTest(report, "");
  ASSERT_FALSE(result.isNull());
  EXPECT_EQ(result.member("marked")->member("empty")->integerValue(), empty);
  EXPECT_EQ(result.member("marked")->member("offscreen")->integerValue(),
            static_cast<long long>(outside.size()));
}

// Pictures are read from the screen, yet each window is pictured whole: above the others
// while its picture is taken, and the windows go back to their order after (the order in
// which windows lists them, and so what @N means).
TEST_F(InspectReportTest, EachWindowIsPicturedAboveTheOthers) {
  // Opening the list after the dialog brings the browser above the dialog.
  const std::string script = "windows\nscreenshot dialog.png --window 0\nwindows\n";
  WriteFile(m_home / "lines.txt", script);
  std::vector<std::string> shell = {"-c",
                                    "exec \"$0\" \"$@\" < lines.txt",
                                    NSHTML_INSPECT_PATH,
                                    "--json",
                                    "--do",
                                    "dialog",
                                    "confirm",
                                    "Really?",
                                    "--do",
                                    "open",
                                    "#size",
                                    "shell"};
  ChildResult run = RunChild("/bin/sh", shell, {{"HOME", m_home.path()}, {"PATH", "/usr/bin:/bin"}},
                             m_home.path());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::istringstream lines(run.out);
  std::string before;
  std::string shot;
  std::string after;
  std::getline(lines, before);
  std::getline(lines, shot);
  std::getline(lines, after);
  EXPECT_EQ(before, after);
  ASSERT_NE(before.find("{\"index\": 0, "), std::string::npos);
  ASSERT_LT(before.find("\"Dialog\""), before.find("\"Navigator\"")) << before;

  unsigned width = 0;
  unsigned height = 0;
  std::vector<uint32_t> pixels = ReadPng(m_home / "dialog.png", width, height);
  ASSERT_FALSE(pixels.empty());
  // Mostly the dialog's grey (the browser's page there is mostly white), with its buttons.
  size_t grey = 0;
  for (uint32_t pixel : pixels)
    grey += pixel == 0xedebe6 ? 1 : 0;
  EXPECT_GT(grey, pixels.size() / 2) << width << "x" << height;
}

}  // namespace
