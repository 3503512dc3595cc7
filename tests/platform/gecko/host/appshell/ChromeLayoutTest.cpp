// Chrome geometry: the box rules on small trees, then the shipped browser and dialog chrome
// against the rectangles docs/chrome.md promises.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <string>
#include <vector>

#include "ChromeBox.h"
#include "ChromeLayout.h"

using geckohost::ChromeBox;
using geckohost::ChromeLayout;

namespace {

ChromeBox box(const std::string& tag,
              std::initializer_list<std::pair<const char*, const char*>> attributes = {}) {
  ChromeBox made(tag);
  for (const auto& [name, value] : attributes)
    made.setAttribute(name, value);
  return made;
}

// Every element of the file becomes a box. The children of <xbl:content> are the element's
// generated content, laid out after its own children, as a dialog binding's button box is.
ChromeBox fromXml(const pugi::xml_node& element) {
  ChromeBox made(element.name());
  for (const pugi::xml_attribute& attribute : element.attributes()) {
    made.setAttribute(attribute.name(), attribute.value());
  }
  std::vector<ChromeBox> generated;
  for (const pugi::xml_node& child : element.children()) {
    if (child.type() != pugi::node_element)
      continue;
    if (std::string(child.name()) == "xbl:content") {
      for (const pugi::xml_node& part : child.children()) {
        if (part.type() == pugi::node_element)
          generated.push_back(fromXml(part));
      }
    } else {
      made.children.push_back(fromXml(child));
    }
  }
  for (ChromeBox& box : generated)
    made.children.push_back(std::move(box));
  return made;
}

ChromeBox loadChrome(const char* file) {
  pugi::xml_document document;
  std::string path = std::string(GECKOHOST_CHROME_DIR) + "/" + file;
  pugi::xml_parse_result parsed = document.load_file(path.c_str());
  EXPECT_TRUE(parsed) << path << ": " << parsed.description();
  return fromXml(document.document_element());
}

nsIntRect rectOf(const ChromeBox& root, const std::string& id) {
  const ChromeBox* found = root.findById(id);
  EXPECT_TRUE(found) << "no element " << id;
  return found ? found->rect : nsIntRect(-1, -1, -1, -1);
}

TEST(ChromeLayoutTest, RowsColumnsFlexAndHiddenBoxes) {
  //  window 300x200 (column)
  //  ├── toolbar height=40 (row): [button 32][textbox flex=1][textbox flex=2][separator 6]
  //  ├── vbox flex=1 (stack-free column)
  //  ├── statusbar hidden
  //  └── hbox (row, its height from its tallest child: checkbox 22)
  ChromeBox root = box("window");
  ChromeBox toolbar = box("toolbar", {{"height", "40"}});
  toolbar.children.push_back(box("toolbarbutton", {{"id", "b"}}));
  toolbar.children.push_back(box("textbox", {{"id", "one"}, {"flex", "1"}}));
  toolbar.children.push_back(box("textbox", {{"id", "two"}, {"flex", "2"}, {"width", "999"}}));
  toolbar.children.push_back(box("toolbarseparator", {{"id", "sep"}}));
  root.children.push_back(toolbar);
  root.children.push_back(box("vbox", {{"id", "middle"}, {"flex", "1"}}));
  ChromeBox status = box("statusbar", {{"id", "status"}, {"hidden", "true"}});
  status.children.push_back(box("statusbarpanel", {{"id", "panel"}}));
  root.children.push_back(status);
  ChromeBox bottom = box("hbox", {{"id", "bottom"}});
  bottom.children.push_back(box("label", {{"id", "l"}}));
  bottom.children.push_back(box("checkbox", {{"id", "c"}}));
  root.children.push_back(bottom);

  ChromeLayout::layOut(root, {0, 0, 300, 200});
  EXPECT_EQ(rectOf(root, "b"), nsIntRect(0, 0, 32, 40));
  // 300 - 32 - 6 = 262 shared 1:2: 87 (262/3 truncated), then the remainder 175.
  EXPECT_EQ(rectOf(root, "one"), nsIntRect(32, 0, 87, 40));
  EXPECT_EQ(rectOf(root, "two"), nsIntRect(119, 0, 175, 40));
  EXPECT_EQ(rectOf(root, "sep"), nsIntRect(294, 0, 6, 40));
  EXPECT_EQ(rectOf(root, "bottom"), nsIntRect(0, 178, 300, 22));
  EXPECT_EQ(rectOf(root, "l"), nsIntRect(0, 178, 100, 22));
  EXPECT_EQ(rectOf(root, "c"), nsIntRect(100, 178, 100, 22));
  EXPECT_EQ(rectOf(root, "middle"), nsIntRect(0, 40, 300, 138));
  EXPECT_EQ(rectOf(root, "status"), nsIntRect());
  EXPECT_EQ(rectOf(root, "panel"), nsIntRect());
  EXPECT_TRUE(root.findById("b")->shown);
  EXPECT_FALSE(root.findById("panel")->shown);

  // Too small: flexible boxes get nothing, fixed ones run past the edge.
  ChromeLayout::layOut(root, {10, 20, 30, 50});
  EXPECT_EQ(rectOf(root, "one"), nsIntRect(42, 20, 0, 40));
  EXPECT_EQ(rectOf(root, "sep"), nsIntRect(42, 20, 6, 40));
  EXPECT_EQ(rectOf(root, "middle"), nsIntRect(10, 60, 30, 0));
  EXPECT_EQ(rectOf(root, "bottom"), nsIntRect(10, 60, 30, 22));
}

TEST(ChromeLayoutTest, PreferredSizesOrientAndStacks) {
  ChromeBox group = box("toolbaritem");
  group.children.push_back(box("toolbarbutton"));
  group.children.push_back(box("toolbarbutton", {{"width", "50"}}));
  group.children.push_back(box("toolbarbutton", {{"collapsed", "true"}}));
  EXPECT_EQ(ChromeLayout::preferredSize(group, ChromeLayout::Axis::Horizontal), 82);
  EXPECT_EQ(ChromeLayout::preferredSize(group, ChromeLayout::Axis::Vertical), 32);
  group.setAttribute("orient", "vertical");
  EXPECT_EQ(ChromeLayout::arrangementOf(group), ChromeLayout::Arrangement::Column);
  EXPECT_EQ(ChromeLayout::preferredSize(group, ChromeLayout::Axis::Vertical), 64);
  group.setAttribute("width", "not a number");
  EXPECT_FALSE(group.width.has_value());

  // A deck lays every child on its area and shows the selected one only.
  ChromeBox deck = box("tabpanels");
  deck.children.push_back(box("browser", {{"id", "first"}}));
  deck.children.push_back(box("browser", {{"id", "second"}, {"height", "10"}}));
  deck.children.push_back(box("browser", {{"id", "gone"}, {"hidden", "true"}}));
  ChromeLayout::layOut(deck, {5, 6, 70, 80});
  EXPECT_EQ(rectOf(deck, "first"), nsIntRect(5, 6, 70, 80));
  EXPECT_EQ(rectOf(deck, "second"), nsIntRect(5, 6, 70, 80));
  EXPECT_TRUE(deck.children[0].shown);
  EXPECT_FALSE(deck.children[1].shown);
  EXPECT_FALSE(deck.children[2].shown);
  EXPECT_EQ(ChromeLayout::preferredSize(deck, ChromeLayout::Axis::Vertical), 10);
  deck.setAttribute("selectedIndex", "1");
  ChromeLayout::layOut(deck, {5, 6, 70, 80});
  EXPECT_FALSE(deck.children[0].shown);
  EXPECT_TRUE(deck.children[1].shown);
  deck.hidden = true;
  ChromeLayout::layOut(deck, {5, 6, 70, 80});
  EXPECT_FALSE(deck.children[1].shown);
  EXPECT_EQ(rectOf(deck, "second"), nsIntRect());
}

TEST(ChromeLayoutTest, BrowserChromeMatchesTheDocumentedRectangles) {
  ChromeBox chrome = loadChrome("browser.xul");
  const int W = 632, H = 452;  // a window opened at 640x480
  ChromeLayout::layOut(chrome, {0, 0, W, H});
  EXPECT_EQ(rectOf(chrome, "navigator-toolbox"), nsIntRect(0, 0, W, 58));
  EXPECT_EQ(rectOf(chrome, "nav-bar"), nsIntRect(0, 0, W, 32));
  EXPECT_EQ(rectOf(chrome, "unified-back-forward-button"), nsIntRect(0, 0, 64, 32));
  EXPECT_EQ(rectOf(chrome, "back-button"), nsIntRect(0, 0, 32, 32));
  EXPECT_EQ(rectOf(chrome, "forward-button"), nsIntRect(32, 0, 32, 32));
  EXPECT_EQ(rectOf(chrome, "reload-button"), nsIntRect(64, 0, 32, 32));
  EXPECT_EQ(rectOf(chrome, "stop-button"), nsIntRect(96, 0, 32, 32));
  EXPECT_EQ(rectOf(chrome, "home-button"), nsIntRect(128, 0, 32, 32));
  EXPECT_EQ(rectOf(chrome, "urlbar"), nsIntRect(160, 0, W - 160, 32));
  EXPECT_EQ(rectOf(chrome, "PersonalToolbar"), nsIntRect(0, 32, W, 26));
  EXPECT_EQ(rectOf(chrome, "bookmark-getting-started"), nsIntRect(0, 32, 120, 26));
  EXPECT_EQ(rectOf(chrome, "bookmark-latest-headlines"), nsIntRect(120, 32, 130, 26));
  EXPECT_EQ(rectOf(chrome, "bookmarks-separator"), nsIntRect(250, 32, 6, 26));
  EXPECT_EQ(rectOf(chrome, "bookmark-help"), nsIntRect(256, 32, 60, 26));
  EXPECT_EQ(rectOf(chrome, "content"), nsIntRect(0, 58, W, H - 80));
  EXPECT_EQ(rectOf(chrome, "tabbrowser-tabs"), nsIntRect(0, 58, W, 26));
  EXPECT_EQ(rectOf(chrome, "tabbrowser-panels"), nsIntRect(0, 84, W, H - 106));
  EXPECT_EQ(rectOf(chrome, "FindToolbar"), nsIntRect());
  EXPECT_EQ(rectOf(chrome, "find-next"), nsIntRect());
  EXPECT_EQ(rectOf(chrome, "status-bar"), nsIntRect(0, H - 22, W, 22));
  EXPECT_EQ(rectOf(chrome, "statusbar-display"), nsIntRect(0, H - 22, W, 22));

  // The nav bar's items in order, with the back/forward group holding two buttons.
  const ChromeBox* navBar = chrome.findById("nav-bar");
  ASSERT_TRUE(navBar);
  ASSERT_EQ(navBar->children.size(), 5u);
  EXPECT_EQ(navBar->children[0].children.size(), 2u);

  // Showing the find bar takes 30 pixels from the content area.
  for (ChromeBox& child : chrome.children) {
    if (child.id == "FindToolbar")
      child.hidden = false;
  }
  ChromeLayout::layOut(chrome, {0, 0, W, H});
  EXPECT_EQ(rectOf(chrome, "tabbrowser-panels"), nsIntRect(0, 84, W, H - 136));
  EXPECT_EQ(rectOf(chrome, "FindToolbar"), nsIntRect(0, H - 52, W, 30));
  EXPECT_EQ(rectOf(chrome, "find-closebutton"), nsIntRect(0, H - 52, 24, 30));
  EXPECT_EQ(rectOf(chrome, "find-field"), nsIntRect(24, H - 52, 200, 30));
  EXPECT_EQ(rectOf(chrome, "find-next"), nsIntRect(224, H - 52, 60, 30));
  EXPECT_EQ(rectOf(chrome, "find-previous"), nsIntRect(284, H - 52, 70, 30));
  EXPECT_EQ(rectOf(chrome, "highlight"), nsIntRect(354, H - 52, 100, 30));
  EXPECT_EQ(rectOf(chrome, "status-bar"), nsIntRect(0, H - 22, W, 22));
}

TEST(ChromeLayoutTest, DialogChromeMatchesTheDocumentedRectangles) {
  ChromeBox chrome = loadChrome("dialog.xul");
  EXPECT_EQ(chrome.id, "commonDialog");
  const int W = 352, H = 172;  // a dialog opened at 360x200
  ChromeLayout::layOut(chrome, {0, 0, W, H});
  EXPECT_EQ(rectOf(chrome, "info.title"), nsIntRect(0, 0, W, 18));
  EXPECT_EQ(rectOf(chrome, "info.body"), nsIntRect(0, 18, W, 18));
  // As shipped, the text box and the check box are collapsed: a confirm without a check box.
  EXPECT_EQ(rectOf(chrome, "loginTextbox"), nsIntRect(0, 0, 0, 0));
  EXPECT_EQ(rectOf(chrome, "checkbox"), nsIntRect(0, 0, 0, 0));
  ASSERT_EQ(chrome.children.size(), 6u);
  EXPECT_EQ(chrome.children[4].rect, nsIntRect(0, 36, W, H - 62));
  const ChromeBox& buttonBox = chrome.children[5];
  EXPECT_EQ(buttonBox.rect, nsIntRect(0, H - 26, W, 26));
  ASSERT_EQ(buttonBox.children.size(), 4u);
  EXPECT_EQ(buttonBox.children[1].rect, nsIntRect(0, 0, 0, 0));  // extra1, collapsed
  EXPECT_EQ(buttonBox.children[2].rect, nsIntRect(W - 160, H - 26, 80, 26));
  EXPECT_EQ(buttonBox.children[3].rect, nsIntRect(W - 80, H - 26, 80, 26));
}

}  // namespace
