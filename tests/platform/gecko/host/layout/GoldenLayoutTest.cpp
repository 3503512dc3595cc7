// Golden layout tests: every page in golden/ is laid out and its box dump compared with
// golden/expected/<page>.txt. A page's first line may set the viewport and zoom:
//
//   <!-- viewport 400x300 zoom 1.5 -->
//
// (800x600 at zoom 1 otherwise). Each page is shown at its own file: URL, so that its images
// load from the files it names. With GECKOHOST_UPDATE_GOLDEN=1 the dumps are written instead
// of compared; every rewritten file must be checked against docs/layout.md by hand.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ShownPage.h"

namespace geckohost::testing {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct PageSetting {
  nsIntSize viewport{800, 600};
  double zoom = 1.0;
};

PageSetting settingOf(const std::string& page) {
  PageSetting setting;
  int width = 0;
  int height = 0;
  if (std::sscanf(page.c_str(), "<!-- viewport %dx%d", &width, &height) == 2)
    setting.viewport = nsIntSize(width, height);
  size_t zoom = page.find(" zoom ");
  size_t end = page.find("-->");
  if (zoom != std::string::npos && zoom < end)
    setting.zoom = std::atof(page.c_str() + zoom + 6);
  return setting;
}

std::vector<fs::path> goldenPages() {
  std::vector<fs::path> pages;
  for (const auto& entry : fs::directory_iterator(GECKOHOST_GOLDEN_DIR)) {
    if (entry.path().extension() == ".html")
      pages.push_back(entry.path());
  }
  std::sort(pages.begin(), pages.end());
  return pages;
}

class GoldenLayoutTest : public LeakCheckedTest {};

TEST_F(GoldenLayoutTest, EveryPageLaysOutAsItsExpectedDump) {
  const bool update = std::getenv("GECKOHOST_UPDATE_GOLDEN") != nullptr;
  std::vector<fs::path> pages = goldenPages();
  ASSERT_GE(pages.size(), 10u) << "golden pages missing from " << GECKOHOST_GOLDEN_DIR;
  for (const fs::path& path : pages) {
    SCOPED_TRACE(path.filename().string());
    std::string markup = readFile(path);
    PageSetting setting = settingOf(markup);
    std::string address = "file://" + path.string();
    for (size_t space = address.find(' '); space != std::string::npos; space = address.find(' '))
      address.replace(space, 1, "%20");
    ShownPage page(markup, setting.viewport, setting.zoom, address.c_str());
    std::string dump = page.layout().dump();
    fs::path expected = path.parent_path() / "expected" / path.filename().replace_extension(".txt");
    if (update) {
      std::ofstream(expected, std::ios::binary) << dump;
      continue;
    }
    ASSERT_TRUE(fs::exists(expected)) << "no expected dump " << expected;
    EXPECT_EQ(dump, readFile(expected));
  }
}

}  // namespace
}  // namespace geckohost::testing
