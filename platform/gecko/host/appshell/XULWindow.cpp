#include "XULWindow.h"

#include "paint/ChromePainter.h"
#include "paint/FramePainter.h"
#include "paint/PagePainter.h"

#include <algorithm>

#include "ChromeLayout.h"
#include "CommandDispatcher.h"
#include "ContentViewer.h"
#include "HostContext.h"
#include "NavigationButtons.h"
#include "OuterWindow.h"
#include "TabBrowser.h"
#include "TopLevelShell.h"
#include "UnicodeText.h"
#include "Widget.h"
#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/Element.h"
#include "nsError.h"
#include "nsIDOMWindowInternal.h"
#include "nsPIDOMWindow.h"

namespace geckohost {

namespace {

// A box for `element` and its descendants, generated content (a dialog's button box) after
// the element's own children, as a binding would lay them out.
ChromeBox boxFor(dom::Element& element) {
  ChromeBox box(dom::utf16ToUTF8(element.localName()), &element);
  for (const char16_t* name : {u"id", u"width", u"height", u"flex", u"hidden", u"collapsed",
                               u"orient", u"selectedIndex"}) {
    if (const std::u16string* value = element.attributeValue(name)) {
      box.setAttribute(dom::utf16ToUTF8(name), dom::utf16ToUTF8(*value));
    }
  }
  for (dom::Node* child = element.firstChild(); child; child = child->nextSibling()) {
    if (child->isElement())
      box.children.push_back(boxFor(*static_cast<dom::Element*>(child)));
  }
  for (const auto& generated : element.anonymousChildren()) {
    if (generated->isElement()) {
      box.children.push_back(boxFor(*static_cast<dom::Element*>(generated.get())));
    }
  }
  return box;
}

const char* kBrowserClass[] = {"Navigator", "Firefox"};
const char* kDialogClass[] = {"Dialog", "Firefox"};

}  // namespace

nsCOMPtr<XULWindow> XULWindow::open(HostContext& context, Kind kind, const nsIntRect& outer,
                                    const std::string& chromeUrl, XULWindow* owner,
                                    DocShell::LoadMode mode) {
  nsCOMPtr<XULWindow> window = new XULWindow(context, kind, owner);
  window->mMainWidget = Widget::createTopLevel(context.connection(), outer);
  x11::NativeWindow* topLevel = window->mMainWidget->topLevelWindow();
  const char** names = kind == Kind::Browser ? kBrowserClass : kDialogClass;
  topLevel->setClassHint(names[0], names[1]);
  if (owner && owner->mMainWidget) {
    topLevel->setTransientFor(owner->mMainWidget->topLevelWindowId());
  }
  window->mChromeShell =
      DocShell::create(context, DocShell::Type::Chrome, *window->mMainWidget, window);
  window->mChromeShell->loadUrl(chromeUrl, mode);
  if (dom::Document* chrome = window->mChromeShell->document()) {
    window->setTitle(chrome->title());
  }
  context.mediator().add(window, window->windowType());
  window->mMainWidget->show(true);
  window->flush();
  return window;
}

XULWindow::XULWindow(HostContext& context, Kind kind, XULWindow* owner)
    : mContext(context), mKind(kind), mOwner(owner) {}

XULWindow::~XULWindow() {
  tearDown();
}

std::u16string XULWindow::windowType() const {
  dom::Document* chrome = mChromeShell ? mChromeShell->document() : nullptr;
  dom::Element* root = chrome ? chrome->documentElement() : nullptr;
  return root ? root->stringAttribute(u"windowtype") : std::u16string();
}

void XULWindow::close() {
  nsCOMPtr<XULWindow> keepAlive = this;  // the mediator may hold the last reference
  tearDown();
}

void XULWindow::tearDown() {
  if (mClosed)
    return;
  mClosed = true;
  mContext.mediator().remove(this);
  mTabFocus.clear();
  if (mDispatcher)
    mDispatcher->detach();
  mDispatcher = nullptr;
  if (mChromeShell)
    mChromeShell->destroy();
  mChromeShell = nullptr;
  forgetChromeLayout();
  if (mMainWidget)
    mMainWidget->destroy();
  mMainWidget = nullptr;
  mOwner = nullptr;
}

// --- Focus -----------------------------------------------------------------------------------

DocShell* XULWindow::focusedShell() {
  if (mClosed)
    return nullptr;
  if (mKind == Kind::Dialog)
    return mChromeShell.get();
  if (mFocusPlace == FocusPlace::Chrome)
    return mChromeShell.get();
  if (mFocusPlace == FocusPlace::Nowhere)
    return nullptr;
  DocShell* tab = primaryContentShell();
  if (!tab)
    return nullptr;
  for (const TabFocus& entry : mTabFocus) {
    if (entry.tab.get() != tab)
      continue;
    DocShell* focused = entry.focused.get();
    // A frame that went away with its page gives the focus back to the tab.
    if (!focused->isDestroyed() && &focused->sameTypeRoot() == tab)
      return focused;
  }
  return tab;
}

bool XULWindow::focusShell(DocShell& shell) {
  if (mClosed || shell.owner() != this || shell.isDestroyed())
    return false;
  activate();
  if (shell.type() != DocShell::Type::Content) {
    mFocusPlace = FocusPlace::Chrome;
    return true;
  }
  mFocusPlace = FocusPlace::Content;
  // Each page above a focused frame has that frame's element as its focused element.
  for (DocShell* frame = &shell; frame->sameTypeParent(); frame = frame->sameTypeParent()) {
    if (dom::Document* page = frame->sameTypeParent()->document()) {
      page->setFocusedElement(frame->frameElement());
    }
  }
  DocShell* tab = &shell.sameTypeRoot();
  for (TabFocus& entry : mTabFocus) {
    if (entry.tab.get() == tab) {
      entry.focused = &shell;
      return true;
    }
  }
  mTabFocus.push_back(TabFocus{tab, &shell});
  return true;
}

void XULWindow::clearFocus() {
  mFocusPlace = FocusPlace::Nowhere;
}

void XULWindow::focusContent() {
  mFocusPlace = FocusPlace::Content;
}

void XULWindow::activate() {
  if (mClosed)
    return;
  mContext.mediator().activated(this);
  if (mMainWidget)
    mMainWidget->SetFocus(PR_TRUE);
}

DocShell* XULWindow::primaryContentShell() {
  if (!mChromeShell)
    return nullptr;
  for (const auto& child : mChromeShell->children()) {
    dom::Element* browser = child->frameElement();
    if (browser && browser->stringAttribute(u"type") == u"content-primary")
      return child.get();
  }
  return nullptr;
}

CommandDispatcher& XULWindow::commandDispatcher() {
  if (!mDispatcher)
    mDispatcher = new CommandDispatcher(*this);
  return *mDispatcher;
}

// --- Chrome geometry -------------------------------------------------------------------------

const ChromeBox* XULWindow::layOutChrome() {
  if (mChromeLayout)
    return mChromeLayout.get();
  dom::Document* chrome = mChromeShell ? mChromeShell->document() : nullptr;
  dom::Element* root = chrome ? chrome->documentElement() : nullptr;
  if (!root || !mMainWidget)
    return nullptr;
  mChromeLayout = std::make_unique<ChromeBox>(boxFor(*root));
  nsIntRect area = mMainWidget->bounds();
  ChromeLayout::layOut(*mChromeLayout, nsIntRect(0, 0, area.width, area.height));
  indexChromeBoxes(*mChromeLayout);
  return mChromeLayout.get();
}

void XULWindow::indexChromeBoxes(const ChromeBox& box) {
  if (box.source)
    mChromeBoxesBySource.emplace(box.source, &box);  // keeps the first in document order
  for (const ChromeBox& child : box.children)
    indexChromeBoxes(child);
}

void XULWindow::forgetChromeLayout() {
  mChromeBoxesBySource.clear();
  mChromeLayout = nullptr;
}

nsIntRect XULWindow::chromeBox(dom::Element& element, bool& shown) {
  shown = false;
  if (!layOutChrome())
    return nsIntRect();
  auto found = mChromeBoxesBySource.find(&element);
  if (found == mChromeBoxesBySource.end())
    return nsIntRect();
  const ChromeBox* box = found->second;
  shown = box->shown;
  return box->rect;
}

nsIntRect XULWindow::chromeBoxOnScreen(dom::Element& element) {
  bool shown = false;
  nsIntRect box = chromeBox(element, shown);
  if (box.IsEmpty())
    return nsIntRect();
  nsIntPoint origin = mMainWidget->screenOffset();
  box.MoveBy(origin.x, origin.y);
  return box;
}

void XULWindow::chromeChanged() {
  forgetChromeLayout();
  // Frames of the chrome (the tabs' browsers) are placed by its boxes.
  if (mChromeShell)
    mChromeShell->markFramesDirty();
}

void XULWindow::paint() {
  flush();
  if (mClosed || !mChromeShell)
    return;
  if (const ChromeBox* chrome = layOutChrome()) {
    paint::ChromePainter::paintDrawable(*chrome, mContext.connection().display(),
                                        mMainWidget->nativeWindowId());
  }
  if (x11::XWindow frame = mMainWidget->frameWindowId()) {
    nsIntRect outer = mMainWidget->outerBounds();
    paint::FramePainter::paintDrawable(mContext.connection().display(), frame, outer.width,
                                       outer.height, mTitle);
  }
  std::vector<nsCOMPtr<DocShell>> pending{mChromeShell};
  while (!pending.empty()) {
    nsCOMPtr<DocShell> shell = pending.back();
    pending.pop_back();
    for (const auto& child : shell->children())
      pending.push_back(child);
    Widget* widget = shell->widget();
    layout::DocumentLayout* pageLayout = shell->layout();
    if (!pageLayout || !widget || widget->isDestroyed() || !widget->isShown())
      continue;
    paint::PagePainter::paintDrawable(*pageLayout, mContext.connection().display(),
                                      widget->nativeWindowId());
    if (PresShell* presShell = shell->viewer() ? shell->viewer()->presShellObject() : nullptr)
      presShell->paintPopups();
  }
}

void XULWindow::flush() {
  if (mClosed || !mChromeShell)
    return;
  std::vector<nsCOMPtr<DocShell>> pending{mChromeShell};
  while (!pending.empty()) {
    nsCOMPtr<DocShell> shell = pending.back();
    pending.pop_back();
    for (const auto& child : shell->children())
      pending.push_back(child);
  }
  mTabFocus.erase(std::remove_if(mTabFocus.begin(), mTabFocus.end(),
                                 [](const TabFocus& entry) { return entry.tab->isDestroyed(); }),
                  mTabFocus.end());
}

void XULWindow::shellShowedDocument(DocShell& shell) {
  if (&shell == mChromeShell.get()) {
    chromeChanged();
  } else if (&shell == primaryContentShell()) {
    pageStateChanged();
  }
  if (mKind == Kind::Browser && shell.parent() == mChromeShell.get())
    TabBrowser(*this).updateLabel(shell);
}

void XULWindow::shellFinishedLoading(DocShell& shell) {
  if (&shell == primaryContentShell())
    pageStateChanged();
}

void XULWindow::pageStateChanged() {
  if (mKind != Kind::Browser)
    return;
  updateTitle();
  dom::Document* chrome = mChromeShell ? mChromeShell->document() : nullptr;
  if (!chrome)
    return;
  DocShell* page = primaryContentShell();
  NavigationButtons::update(*chrome, page);
  // The address bar shows the selected page's address, as Firefox's does after a load.
  if (dom::Element* urlbar = chrome->getElementById(u"urlbar")) {
    std::u16string address = page ? dom::utf8ToUTF16(page->currentUrl()) : std::u16string();
    if (urlbar->stringAttribute(u"value") != address)
      urlbar->setAttributeValue(u"value", address);
  }
}

void XULWindow::updateTitle() {
  if (mKind != Kind::Browser)
    return;
  DocShell* tab = primaryContentShell();
  dom::Document* page = tab ? tab->document() : nullptr;
  std::u16string pageTitle = page ? page->title() : std::u16string();
  setTitle(pageTitle.empty() ? u"Mozilla Firefox" : pageTitle + u" - Mozilla Firefox");
}

// --- Window state ----------------------------------------------------------------------------

nsIntRect XULWindow::outerBounds() const {
  return mMainWidget ? mMainWidget->outerBounds() : nsIntRect();
}

void XULWindow::setOuterBounds(const nsIntRect& outer) {
  if (!mMainWidget || mClosed)
    return;
  mMainWidget->setOuterBounds(outer);
  chromeChanged();
  flush();
}

void XULWindow::setTitle(const std::u16string& title) {
  mTitle = title;
  if (x11::NativeWindow* topLevel = mMainWidget ? mMainWidget->topLevelWindow() : nullptr) {
    topLevel->setTitle(dom::utf16ToUTF8(title));
  }
}

void XULWindow::setStatusText(const std::u16string& text) {
  mStatus = text;
  // The status bar shows it, as Firefox's status panel does.
  if (dom::Element* panel = chromeElementById(u"statusbar-display")) {
    panel->setAttributeValue(u"label", text);
  }
}

dom::Element* XULWindow::chromeElementById(const std::u16string& id) const {
  dom::Document* chrome = mChromeShell ? mChromeShell->document() : nullptr;
  return chrome ? chrome->getElementById(id) : nullptr;
}

// --- nsIXULWindow ----------------------------------------------------------------------------

NS_IMETHODIMP XULWindow::GetDocShell(nsIDocShell** aDocShell) {
  if (!aDocShell)
    return NS_ERROR_NULL_POINTER;
  *aDocShell = mChromeShell.get();
  NS_IF_ADDREF(*aDocShell);
  return mClosed ? NS_ERROR_FAILURE : NS_OK;
}

NS_IMETHODIMP XULWindow::GetIntrinsicallySized(PRBool* aIntrinsicallySized) {
  if (!aIntrinsicallySized)
    return NS_ERROR_NULL_POINTER;
  *aIntrinsicallySized = mIntrinsicallySized ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::SetIntrinsicallySized(PRBool aIntrinsicallySized) {
  mIntrinsicallySized = aIntrinsicallySized != PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::GetPrimaryContentShell(nsIDocShellTreeItem** aPrimaryContentShell) {
  if (!aPrimaryContentShell)
    return NS_ERROR_NULL_POINTER;
  *aPrimaryContentShell = primaryContentShell();
  NS_IF_ADDREF(*aPrimaryContentShell);
  return NS_OK;
}

NS_IMETHODIMP XULWindow::GetContentShellById(const PRUnichar* ID, nsIDocShellTreeItem** _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  std::u16string wanted = u16FromUnichars(ID);
  if (!mChromeShell || wanted.empty())
    return NS_ERROR_FAILURE;
  for (const auto& child : mChromeShell->children()) {
    dom::Element* browser = child->frameElement();
    if (child->type() == DocShell::Type::Content && browser && browser->id() == wanted) {
      *_retval = child.get();
      NS_ADDREF(*_retval);
      return NS_OK;
    }
  }
  return NS_ERROR_FAILURE;  // as Gecko answers for an unknown id
}

NS_IMETHODIMP XULWindow::AddChildWindow(nsIXULWindow*) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULWindow::RemoveChildWindow(nsIXULWindow*) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULWindow::Center(nsIXULWindow* aRelative, PRBool aScreen, PRBool) {
  if (mClosed)
    return NS_ERROR_FAILURE;
  nsIntRect area(0, 0, mContext.connection().screenWidth(), mContext.connection().screenHeight());
  nsCOMPtr<nsIBaseWindow> relative = do_QueryInterface(aRelative);
  if (relative && !aScreen) {
    relative->GetPositionAndSize(&area.x, &area.y, &area.width, &area.height);
  }
  nsIntRect own = outerBounds();
  setOuterBounds({area.x + (area.width - own.width) / 2, area.y + (area.height - own.height) / 2,
                  own.width, own.height});
  return NS_OK;
}

NS_IMETHODIMP XULWindow::ShowModal(void) {
  return NS_ERROR_NOT_IMPLEMENTED;  // a modal loop needs an event loop, which the host has not
}

NS_IMETHODIMP XULWindow::GetZLevel(PRUint32* aZLevel) {
  if (!aZLevel)
    return NS_ERROR_NULL_POINTER;
  *aZLevel = mZLevel;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::SetZLevel(PRUint32 aZLevel) {
  mZLevel = aZLevel;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::GetContextFlags(PRUint32* aContextFlags) {
  if (!aContextFlags)
    return NS_ERROR_NULL_POINTER;
  *aContextFlags = mContextFlags;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::SetContextFlags(PRUint32 aContextFlags) {
  mContextFlags = aContextFlags;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::GetChromeFlags(PRUint32* aChromeFlags) {
  if (!aChromeFlags)
    return NS_ERROR_NULL_POINTER;
  *aChromeFlags = mChromeFlags;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::SetChromeFlags(PRUint32 aChromeFlags) {
  mChromeFlags = aChromeFlags;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::CreateNewWindow(PRInt32, nsIAppShell*, nsIXULWindow** _retval) {
  if (_retval)
    *_retval = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;  // windows are opened through the host's control side
}

NS_IMETHODIMP XULWindow::GetXULBrowserWindow(nsIXULBrowserWindow** aXULBrowserWindow) {
  if (aXULBrowserWindow)
    *aXULBrowserWindow = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULWindow::SetXULBrowserWindow(nsIXULBrowserWindow*) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

// --- nsIBaseWindow ---------------------------------------------------------------------------

NS_IMETHODIMP XULWindow::InitWindow(nativeWindow, nsIWidget*, PRInt32, PRInt32, PRInt32, PRInt32) {
  return NS_ERROR_NOT_IMPLEMENTED;  // made whole by open()
}

NS_IMETHODIMP XULWindow::Create(void) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULWindow::Destroy(void) {
  close();
  return NS_OK;
}

NS_IMETHODIMP XULWindow::SetPosition(PRInt32 x, PRInt32 y) {
  nsIntRect own = outerBounds();
  return SetPositionAndSize(x, y, own.width, own.height, PR_FALSE);
}

NS_IMETHODIMP XULWindow::GetPosition(PRInt32* x, PRInt32* y) {
  return GetPositionAndSize(x, y, nullptr, nullptr);
}

NS_IMETHODIMP XULWindow::SetSize(PRInt32 cx, PRInt32 cy, PRBool fRepaint) {
  nsIntRect own = outerBounds();
  return SetPositionAndSize(own.x, own.y, cx, cy, fRepaint);
}

NS_IMETHODIMP XULWindow::GetSize(PRInt32* cx, PRInt32* cy) {
  return GetPositionAndSize(nullptr, nullptr, cx, cy);
}

NS_IMETHODIMP XULWindow::SetPositionAndSize(PRInt32 x, PRInt32 y, PRInt32 cx, PRInt32 cy, PRBool) {
  if (mClosed)
    return NS_ERROR_FAILURE;
  if (cx < 0 || cy < 0)
    return NS_ERROR_INVALID_ARG;
  setOuterBounds({x, y, cx, cy});
  return NS_OK;
}

NS_IMETHODIMP XULWindow::GetPositionAndSize(PRInt32* x, PRInt32* y, PRInt32* cx, PRInt32* cy) {
  if (mClosed)
    return NS_ERROR_FAILURE;
  nsIntRect own = outerBounds();
  if (x)
    *x = own.x;
  if (y)
    *y = own.y;
  if (cx)
    *cx = own.width;
  if (cy)
    *cy = own.height;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::Repaint(PRBool) {
  return mMainWidget ? mMainWidget->Invalidate(nsIntRect(), PR_FALSE) : NS_ERROR_FAILURE;
}

NS_IMETHODIMP XULWindow::GetParentWidget(nsIWidget** aParentWidget) {
  if (!aParentWidget)
    return NS_ERROR_NULL_POINTER;
  *aParentWidget = nullptr;  // top-level windows have none
  return NS_OK;
}

NS_IMETHODIMP XULWindow::SetParentWidget(nsIWidget*) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULWindow::GetParentNativeWindow(nativeWindow* aParentNativeWindow) {
  if (!aParentNativeWindow)
    return NS_ERROR_NULL_POINTER;
  *aParentNativeWindow = nullptr;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::SetParentNativeWindow(nativeWindow) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULWindow::GetVisibility(PRBool* aVisibility) {
  if (!aVisibility)
    return NS_ERROR_NULL_POINTER;
  *aVisibility = mMainWidget && mMainWidget->isShown() ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::SetVisibility(PRBool aVisibility) {
  if (!mMainWidget || mClosed)
    return NS_ERROR_FAILURE;
  mMainWidget->show(aVisibility != PR_FALSE);
  return NS_OK;
}

NS_IMETHODIMP XULWindow::GetEnabled(PRBool* aEnabled) {
  if (!aEnabled)
    return NS_ERROR_NULL_POINTER;
  *aEnabled = mEnabled ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::SetEnabled(PRBool aEnabled) {
  mEnabled = aEnabled != PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::GetBlurSuppression(PRBool* aBlurSuppression) {
  if (!aBlurSuppression)
    return NS_ERROR_NULL_POINTER;
  *aBlurSuppression = PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP XULWindow::SetBlurSuppression(PRBool) {
  return NS_OK;
}

NS_IMETHODIMP XULWindow::GetMainWidget(nsIWidget** aMainWidget) {
  if (!aMainWidget)
    return NS_ERROR_NULL_POINTER;
  *aMainWidget = mMainWidget.get();
  NS_IF_ADDREF(*aMainWidget);
  return NS_OK;
}

NS_IMETHODIMP XULWindow::SetFocus(void) {
  if (mClosed)
    return NS_ERROR_FAILURE;
  activate();
  return NS_OK;
}

NS_IMETHODIMP XULWindow::GetTitle(PRUnichar** aTitle) {
  if (!aTitle)
    return NS_ERROR_NULL_POINTER;
  *aTitle = newUnichars(mTitle);
  return *aTitle ? NS_OK : NS_ERROR_OUT_OF_MEMORY;
}

NS_IMETHODIMP XULWindow::SetTitle(const PRUnichar* aTitle) {
  setTitle(u16FromUnichars(aTitle));
  return NS_OK;
}

// --- nsIInterfaceRequestor -------------------------------------------------------------------

NS_IMETHODIMP XULWindow::GetInterface(const nsIID& aIID, void** aResult) {
  if (!aResult)
    return NS_ERROR_NULL_POINTER;
  *aResult = nullptr;
  if (mChromeShell && !aIID.Equals(NS_GET_IID(nsIXULWindow)) &&
      !aIID.Equals(NS_GET_IID(nsIBaseWindow)) && !aIID.Equals(NS_GET_IID(nsISupports)) &&
      !aIID.Equals(NS_GET_IID(nsIInterfaceRequestor))) {
    if (NS_SUCCEEDED(mChromeShell->GetInterface(aIID, aResult)))
      return NS_OK;
  }
  return QueryInterface(aIID, aResult);
}

}  // namespace geckohost
