// Accessibles over laid-out pages: the process-wide switch, screen bounds (layout's box, less
// the scroll position, times the zoom, truncated, plus the widget's screen offset), the
// accessible tree, names, roles and states, hit-testing, and the service's registration.
#include <map>

#include "ShownPage.h"
#include "accessibility/Accessibility.h"
#include "accessibility/AccessibilityHost.h"
#include "accessibility/AccessibleConstants.h"
#include "dom/HTMLInputElement.h"
#include "dom/XPCOMHelpers.h"
#include "nsComponentManagerUtils.h"
#include "nsIAccessible.h"
#include "nsIAccessibleRetrieval.h"
#include "nsIComboboxControlFrame.h"
#include "nsIFrame.h"
#include "nsServiceManagerUtils.h"

namespace geckohost::testing {
namespace {

using namespace accessibility;

// The windows side's part, for pages shown by ShownPage: each page's layout and the screen
// position its widget would have.
class FakeShells final : public AccessibilityHost {
 public:
  void show(ShownPage& page, nsIntPoint screenOffset) {
    pages[page.document.get()] = {&page.layout(), screenOffset};
  }
  layout::DocumentLayout* layoutFor(dom::Document& document) override {
    auto found = pages.find(&document);
    return found == pages.end() ? nullptr : found->second.first;
  }
  std::optional<nsIntPoint> screenOffsetFor(dom::Document& document) override {
    auto found = pages.find(&document);
    if (found == pages.end())
      return std::nullopt;
    return found->second.second;
  }
  std::optional<nsIntRect> chromeBoundsFor(dom::Node&) override { return std::nullopt; }

  std::map<dom::Document*, std::pair<layout::DocumentLayout*, nsIntPoint>> pages;
};

class AccessibilityTest : public LeakCheckedTest {
 protected:
  void SetUp() override {
    LeakCheckedTest::SetUp();
    Accessibility::setHost(&shells);
    Accessibility::setEnabled(true);
    retrieval = do_CreateInstanceOrNull();
  }
  void TearDown() override {
    retrieval = nullptr;
    Accessibility::setEnabled(false);
    Accessibility::setHost(nullptr);
    LeakCheckedTest::TearDown();
  }

  static nsCOMPtr<nsIAccessibleRetrieval> do_CreateInstanceOrNull() {
    Accessibility::registerComponents();
    nsresult rv = NS_OK;
    nsCOMPtr<nsIAccessibleRetrieval> created =
        do_CreateInstance(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID, &rv);
    Accessibility::unregisterComponents();
    EXPECT_TRUE(NS_SUCCEEDED(rv));
    return created;
  }

  nsCOMPtr<nsIAccessible> accessibleOf(dom::Node* node) {
    nsCOMPtr<nsIAccessible> accessible;
    EXPECT_EQ(retrieval->GetAccessibleFor(node->asDOMNode(), getter_AddRefs(accessible)), NS_OK);
    return accessible;
  }

  static nsIntRect boundsOf(nsIAccessible* accessible) {
    PRInt32 x = -1, y = -1, width = -1, height = -1;
    EXPECT_EQ(accessible->GetBounds(&x, &y, &width, &height), NS_OK);
    return nsIntRect(x, y, width, height);
  }

  static std::string nameOf(nsIAccessible* accessible) {
    nsString_external name;
    accessible->GetName(name);
    return u8(dom::toU16(name));
  }

  static PRUint32 roleOf(nsIAccessible* accessible) {
    PRUint32 role = 999;
    accessible->GetRole(&role);
    return role;
  }

  static PRUint32 statesOf(nsIAccessible* accessible) {
    PRUint32 state = 0;
    PRUint32 extra = 99;
    EXPECT_EQ(accessible->GetState(&state, &extra), NS_OK);
    EXPECT_EQ(extra, 0u);
    return state;
  }

  FakeShells shells;
  nsCOMPtr<nsIAccessibleRetrieval> retrieval;
};

TEST_F(AccessibilityTest, OffByDefaultAndOnlyForNodesWithBoxes) {
  ShownPage page("<p id=p>text</p><div id=none style='display:none'>x</div><!--c-->");
  shells.show(page, nsIntPoint(0, 0));
  Accessibility::setEnabled(false);
  nsCOMPtr<nsIAccessible> accessible;
  EXPECT_EQ(retrieval->GetAccessibleFor(page.byId(u"p")->asDOMNode(), getter_AddRefs(accessible)),
            NS_ERROR_NOT_AVAILABLE);
  EXPECT_FALSE(accessible);

  Accessibility::setEnabled(true);
  nsCOMPtr<nsIAccessible> paragraph = accessibleOf(page.byId(u"p"));
  ASSERT_TRUE(paragraph);
  EXPECT_EQ(accessibleOf(page.byId(u"p")), paragraph);  // one per node while held
  EXPECT_FALSE(accessibleOf(page.byId(u"none")));
  EXPECT_FALSE(accessibleOf(page.document->body()->lastChild()));  // the comment
  EXPECT_EQ(retrieval->GetAccessibleFor(nullptr, getter_AddRefs(accessible)), NS_ERROR_INVALID_ARG);

  // A document no shell shows has no accessibles.
  auto unshown = parsePage("<p id=q>q</p>");
  EXPECT_FALSE(accessibleOf(unshown->getElementById(u"q")));

  // Switched off (or the node losing its box), a held accessible is defunct.
  Accessibility::setEnabled(false);
  PRInt32 x, y, w, h;
  EXPECT_EQ(paragraph->GetBounds(&x, &y, &w, &h), NS_ERROR_FAILURE);
  Accessibility::setEnabled(true);
  page.byId(u"p")->setAttribute(u"style", u"display:none");
  EXPECT_EQ(paragraph->GetBounds(&x, &y, &w, &h), NS_ERROR_FAILURE);
  nsCOMPtr<nsIAccessible> parent;
  EXPECT_EQ(paragraph->GetParent(getter_AddRefs(parent)), NS_ERROR_FAILURE);
}

TEST_F(AccessibilityTest, BoundsAreScreenPixelsFromLayout) {
  // 600x450 device pixels at 150 %: a 400x300 CSS viewport.
  ShownPage page(
      "<div id=box style='position:absolute;left:100px;top:200px;width:50px;height:20px'></div>"
      "<div id=odd style='position:absolute;left:3px;top:5px;width:7px;height:9px'></div>"
      "<div style='width:60px'>aaaa bbbb cccc</div><div style='height:1000px'></div>",
      nsIntSize(600, 450), 1.5);
  shells.show(page, nsIntPoint(100, 80));
  EXPECT_EQ(boundsOf(accessibleOf(page.byId(u"box"))), nsIntRect(250, 380, 75, 30));
  // Each value truncated on its own: 3 x 1.5 = 4.5 -> 4, 5 x 1.5 = 7.5 -> 7, 7 x 1.5 -> 10.
  EXPECT_EQ(boundsOf(accessibleOf(page.byId(u"odd"))), nsIntRect(104, 87, 10, 13));

  // Text: the union of its lines ("aaaa" ... "cccc" on three lines at (8, 8)).
  dom::Node* text = page.document->body()->childAt(2)->firstChild();
  EXPECT_EQ(boundsOf(accessibleOf(text)), nsIntRect(100 + 12, 80 + 12, 48, 72));

  // Scrolling moves boxes on the screen.
  page.layout().scrollViewportTo(0, 100);
  EXPECT_EQ(boundsOf(accessibleOf(page.byId(u"box"))), nsIntRect(250, 230, 75, 30));

  // The document: its viewport's client area (the 16 pixel bar off the right).
  nsIntRect document = boundsOf(accessibleOf(page.document.get()));
  EXPECT_EQ(document, nsIntRect(100, 80, 384 * 3 / 2, 450));
}

TEST_F(AccessibilityTest, TreeNamesRolesAndStates) {
  ShownPage page(
      "<h1 id=h>Title <b>bold</b></h1><a id=a href=x>go  there</a><img id=i alt=picture>"
      "<input id=c type=checkbox checked><input id=p type=password disabled>"
      "<input id=s type=submit><select id=combo><option>1</select>"
      "<select id=list size=2><option id=o1 selected>one<option id=o2>two</select>"
      "<div id=far style='position:absolute;top:5000px'>far</div>");
  shells.show(page, nsIntPoint(0, 0));
  nsCOMPtr<nsIAccessible> heading = accessibleOf(page.byId(u"h"));
  EXPECT_EQ(nameOf(heading), "Title bold");
  EXPECT_EQ(roleOf(heading), roles::kHeading);
  PRInt32 count = -1;
  heading->GetChildCount(&count);
  EXPECT_EQ(count, 2);  // "Title " and the b element
  nsCOMPtr<nsIAccessible> first, last, next, previous, parent;
  heading->GetFirstChild(getter_AddRefs(first));
  heading->GetLastChild(getter_AddRefs(last));
  EXPECT_EQ(roleOf(first), roles::kTextLeaf);
  EXPECT_EQ(nameOf(first), "Title");
  EXPECT_EQ(last, accessibleOf(page.byId(u"h")->lastChild()));
  first->GetNextSibling(getter_AddRefs(next));
  EXPECT_EQ(next, last);
  first->GetPreviousSibling(getter_AddRefs(previous));
  EXPECT_FALSE(previous);
  heading->GetParent(getter_AddRefs(parent));
  EXPECT_EQ(parent, accessibleOf(page.document->body()));
  nsCOMPtr<nsIAccessible> root, top;
  accessibleOf(page.document->documentElement())->GetParent(getter_AddRefs(root));
  EXPECT_EQ(roleOf(root), roles::kDocument);
  root->GetParent(getter_AddRefs(top));
  EXPECT_FALSE(top);

  EXPECT_EQ(nameOf(accessibleOf(page.byId(u"a"))), "go there");
  EXPECT_EQ(roleOf(accessibleOf(page.byId(u"a"))), roles::kLink);
  EXPECT_TRUE(statesOf(accessibleOf(page.byId(u"a"))) & states::kLinked);
  EXPECT_EQ(nameOf(accessibleOf(page.byId(u"i"))), "picture");
  EXPECT_EQ(roleOf(accessibleOf(page.byId(u"i"))), roles::kGraphic);
  EXPECT_EQ(nameOf(accessibleOf(page.byId(u"s"))), "Submit Query");
  EXPECT_EQ(roleOf(accessibleOf(page.byId(u"s"))), roles::kPushButton);

  nsCOMPtr<nsIAccessible> check = accessibleOf(page.byId(u"c"));
  EXPECT_EQ(roleOf(check), roles::kCheckButton);
  EXPECT_EQ(statesOf(check) & (states::kChecked | states::kFocusable),
            states::kChecked | states::kFocusable);
  static_cast<dom::HTMLInputElement*>(page.byId(u"c"))->setChecked(false);
  static_cast<dom::HTMLElement*>(page.byId(u"c"))->focus();
  EXPECT_EQ(statesOf(check) & (states::kChecked | states::kFocused), states::kFocused);

  nsCOMPtr<nsIAccessible> password = accessibleOf(page.byId(u"p"));
  EXPECT_EQ(roleOf(password), roles::kPasswordText);
  EXPECT_EQ(statesOf(password) & (states::kProtected | states::kUnavailable),
            states::kProtected | states::kUnavailable);

  nsCOMPtr<nsIAccessible> combo = accessibleOf(page.byId(u"combo"));
  EXPECT_EQ(roleOf(combo), roles::kComboBox);
  EXPECT_EQ(statesOf(combo) & (states::kHasPopup | states::kCollapsed | states::kExpanded),
            states::kHasPopup | states::kCollapsed);
  nsIComboboxControlFrame* frame =
      do_QueryFrame(page.layout().primaryFrameFor(*page.byId(u"combo")));
  frame->ShowDropDown(true);
  EXPECT_TRUE(statesOf(combo) & states::kExpanded);
  frame->ShowDropDown(false);

  EXPECT_EQ(roleOf(accessibleOf(page.byId(u"list"))), roles::kListBox);
  EXPECT_EQ(statesOf(accessibleOf(page.byId(u"o1"))) & (states::kSelectable | states::kSelected),
            states::kSelectable | states::kSelected);
  EXPECT_EQ(statesOf(accessibleOf(page.byId(u"o2"))) & states::kSelected, 0u);
  EXPECT_EQ(roleOf(accessibleOf(page.byId(u"o2"))), roles::kOption);
  EXPECT_TRUE(statesOf(accessibleOf(page.byId(u"far"))) & states::kOffscreen);
  EXPECT_FALSE(statesOf(heading) & states::kOffscreen);
}

TEST_F(AccessibilityTest, ChildAtPointFindsDirectChildren) {
  // Screen offset (50, 40); the body at (8, 8), the div (8,8 200x40), its span on the first
  // line at x 8..48.
  ShownPage page("<div id=d style='height:40px'><span id=s>hello</span> world</div>",
                 nsIntSize(400, 300));
  shells.show(page, nsIntPoint(50, 40));
  nsCOMPtr<nsIAccessible> body = accessibleOf(page.document->body());
  nsCOMPtr<nsIAccessible> div = accessibleOf(page.byId(u"d"));
  nsCOMPtr<nsIAccessible> hit;
  body->GetChildAtPoint(50 + 10, 40 + 10, getter_AddRefs(hit));
  EXPECT_EQ(hit, div);  // the direct child of the body, not the span inside it
  div->GetChildAtPoint(50 + 10, 40 + 10, getter_AddRefs(hit));
  EXPECT_EQ(hit, accessibleOf(page.byId(u"s")));
  div->GetChildAtPoint(50 + 60, 40 + 10, getter_AddRefs(hit));
  EXPECT_EQ(hit, accessibleOf(page.byId(u"d")->lastChild()));  // the text " world"
  div->GetChildAtPoint(50 + 300, 40 + 30, getter_AddRefs(hit));
  EXPECT_EQ(hit, div);  // on the div, on none of its children
  div->GetChildAtPoint(50 + 10, 40 + 100, getter_AddRefs(hit));
  EXPECT_FALSE(hit);  // below it
}

TEST_F(AccessibilityTest, PagesInFramesUseTheirOwnWidgetsOffsetAndAttachedLookups) {
  ShownPage outer("<iframe id=f width=100 height=50></iframe>");
  ShownPage inner("<p id=p style='margin:0'>in<!-- note --></p>", nsIntSize(100, 50));
  shells.show(outer, nsIntPoint(10, 20));
  // The frame's widget covers the iframe's content box, inside its 2 pixel border.
  nsIntRect content = outer.layout().frameContentRectOnDevice(*outer.byId(u"f"));
  ASSERT_EQ(content, nsIntRect(10, 10, 100, 50));
  shells.show(inner, nsIntPoint(10 + content.x, 20 + content.y));
  nsCOMPtr<nsIAccessible> paragraph = accessibleOf(inner.byId(u"p"));
  EXPECT_EQ(boundsOf(paragraph), nsIntRect(28, 38, 84, 16));
  EXPECT_EQ(boundsOf(accessibleOf(outer.byId(u"f"))), nsIntRect(18, 28, 104, 54));

  // The comment has no accessible; the one it is attached to is its paragraph's.
  nsIDOMNode* comment = inner.byId(u"p")->lastChild()->asDOMNode();
  nsCOMPtr<nsIAccessible> attached;
  EXPECT_EQ(retrieval->GetAttachedAccessibleFor(comment, getter_AddRefs(attached)), NS_OK);
  EXPECT_EQ(attached, paragraph);
  nsCOMPtr<nsIDOMNode> relevant;
  EXPECT_EQ(retrieval->GetRelevantContentNodeFor(comment, getter_AddRefs(relevant)), NS_OK);
  EXPECT_EQ(relevant.get(), comment);
  nsCOMPtr<nsIAccessible> inWindow;
  retrieval->GetAccessibleInWindow(inner.byId(u"p")->asDOMNode(), nullptr,
                                   getter_AddRefs(inWindow));
  EXPECT_EQ(inWindow, paragraph);
}

TEST_F(AccessibilityTest, RegisteredAsServiceAndFactory) {
  Accessibility::registerComponents();
  nsresult rv = NS_ERROR_FAILURE;
  nsCOMPtr<nsIAccessibleRetrieval> service = do_GetService(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID, &rv);
  EXPECT_TRUE(NS_SUCCEEDED(rv));
  nsCOMPtr<nsIAccessibleRetrieval> again = do_GetService(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
  EXPECT_EQ(service, again);
  nsCOMPtr<nsIAccessibleRetrieval> fresh = do_CreateInstance(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
  ASSERT_TRUE(fresh);
  EXPECT_EQ(fresh, service);  // a singleton constructor, as Gecko's accessibility module has

  ShownPage page("<p id=p>x</p>");
  shells.show(page, nsIntPoint(0, 0));
  nsCOMPtr<nsIAccessible> fromService, fromInstance;
  service->GetAccessibleFor(page.byId(u"p")->asDOMNode(), getter_AddRefs(fromService));
  fresh->GetAccessibleFor(page.byId(u"p")->asDOMNode(), getter_AddRefs(fromInstance));
  EXPECT_TRUE(fromService);
  EXPECT_EQ(fromService, fromInstance);

  Accessibility::unregisterComponents();
  nsCOMPtr<nsIAccessibleRetrieval> gone = do_GetService(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
  EXPECT_FALSE(gone);
  nsCOMPtr<nsIAccessibleRetrieval> noInstance =
      do_CreateInstance(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
  EXPECT_FALSE(noInstance);
}

}  // namespace
}  // namespace geckohost::testing
