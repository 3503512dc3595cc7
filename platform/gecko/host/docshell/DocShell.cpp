#include "DocShell.h"

#include <algorithm>
#include <cmath>

#include "CommandDispatcher.h"
#include "ContentViewer.h"
#include "DocumentFaces.h"
#include "HostContext.h"
#include "OuterWindow.h"
#include "PresShell.h"
#include "SnapshotEnumerator.h"
#include "UnicodeText.h"
#include "Widget.h"
#include "XULWindow.h"
#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/Element.h"
#include "dom/HTMLScriptElement.h"
#include "dom/XULDocument.h"
#include "layout/LayoutQuery.h"
#include "net/URI.h"
#include "nsError.h"
#include "nsIContentViewer.h"
#include "nsIDOMDocument.h"
#include "nsIDOMWindow.h"
#include "nsIDOMWindowInternal.h"
#include "nsIPresShell.h"
#include "nsISimpleEnumerator.h"
#include "nsIURI.h"
#include "nsPIDOMWindow.h"
#include "script/ScriptHeap.h"

namespace geckohost {

namespace {

// Answered by QueryInterface with the DocShell itself, so that the host can tell its own
// shells from others behind nsIDocShellTreeItem pointers.
const nsIID kDocShellImplIID = {
    0x6f0e1d52, 0x3b7a, 0x4c11, {0x9a, 0x40, 0x52, 0xd3, 0x8e, 0x17, 0x0c, 0x6b}};

constexpr int kAppUnitsPerCSSPixel = 60;

int appUnitsPerDevPixel(float zoom) {
  return std::max(1, static_cast<int>(std::lround(kAppUnitsPerCSSPixel / zoom)));
}

// The elements of `document` that get a shell of their own, in document order: frames,
// iframes and text/html objects of pages; iframes and browsers of chrome.
// MIME types compare without regard to case: "TEXT/HTML" is an HTML object too.
bool isHtmlType(std::u16string type) {
  for (char16_t& c : type) {
    if (c >= u'A' && c <= u'Z')
      c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return type == u"text/html";
}

std::vector<dom::Element*> frameElementsOf(dom::Document& document) {
  std::vector<dom::Element*> found;
  for (dom::Node* node = document.firstChild(); node; node = node->nextInTreeOrder(&document)) {
    if (!node->isElement())
      continue;
    auto* element = static_cast<dom::Element*>(node);
    const std::u16string& name = element->localName();
    if (element->isHTML()) {
      if (name == u"frame" || name == u"iframe" ||
          (name == u"object" && isHtmlType(element->stringAttribute(u"type")))) {
        found.push_back(element);
      }
    } else if (element->isXUL()) {
      if (name == u"iframe" || name == u"browser" || name == u"editor")
        found.push_back(element);
    }
  }
  return found;
}

// What a typed address means: "example.com" is an http address, "/tmp/a.html" a file.
std::string fixUpAddress(std::string address) {
  size_t start = address.find_first_not_of(" \t\r\n");
  size_t end = address.find_last_not_of(" \t\r\n");
  address = start == std::string::npos ? std::string() : address.substr(start, end - start + 1);
  if (address.empty())
    return "about:blank";
  if (net::URI::parse(address))
    return address;
  if (address[0] == '/')
    return "file://" + address;
  return "http://" + address;
}

PRInt32 itemTypeOf(DocShell::Type type) {
  return type == DocShell::Type::Chrome ? PRInt32(nsIDocShellTreeItem::typeChrome)
                                        : PRInt32(nsIDocShellTreeItem::typeContent);
}

template <class Interface>
nsresult handOut(Interface* object, Interface** result) {
  if (!result)
    return NS_ERROR_NULL_POINTER;
  *result = object;
  NS_IF_ADDREF(*result);
  return NS_OK;
}

}  // namespace

nsCOMPtr<DocShell> DocShell::create(HostContext& context, Type type, Widget& widget,
                                    XULWindow* owner) {
  nsCOMPtr<DocShell> shell = new DocShell(context, type, widget, owner);
  shell->mWindow = new OuterWindow(*shell);
  return shell;
}

DocShell* DocShell::fromInterface(nsISupports* object) {
  if (!object)
    return nullptr;
  void* found = nullptr;
  if (NS_FAILED(object->QueryInterface(kDocShellImplIID, &found)) || !found)
    return nullptr;
  auto* shell = static_cast<DocShell*>(found);
  shell->Release();  // the caller's own reference keeps it alive
  return shell;
}

DocShell::DocShell(HostContext& context, Type type, Widget& widget, XULWindow* owner)
    : mContext(context), mType(type), mOwner(owner), mWidget(&widget) {}

DocShell::~DocShell() {
  destroy();
}

void* DocShell::QueryExtraInterface(const nsIID& aIID) {
  if (aIID.Equals(kDocShellImplIID))
    return this;
  return nullptr;
}

// --- Tree ------------------------------------------------------------------------------------

DocShell* DocShell::sameTypeParent() const {
  return mParent && mParent->mType == mType ? mParent : nullptr;
}

DocShell& DocShell::sameTypeRoot() {
  DocShell* shell = this;
  while (DocShell* up = shell->sameTypeParent())
    shell = up;
  return *shell;
}

DocShell& DocShell::root() {
  DocShell* shell = this;
  while (shell->mParent)
    shell = shell->mParent;
  return *shell;
}

const std::vector<nsCOMPtr<DocShell>>& DocShell::children() {
  updateFrames();
  return mChildren;
}

dom::Document* DocShell::document() const {
  return mViewer ? mViewer->document() : nullptr;
}

float DocShell::zoom() const {
  const DocShell* shell = this;
  while (DocShell* up = shell->sameTypeParent())
    shell = up;
  return shell->mZoom;
}

void DocShell::setZoom(float devicePixelsPerCSSPixel) {
  if (devicePixelsPerCSSPixel <= 0)
    return;
  DocShell& top = sameTypeRoot();
  top.mZoom = devicePixelsPerCSSPixel;
  // Every shell of the tab lays out in the new unit.
  std::vector<nsCOMPtr<nsISupports>> shells;
  top.appendTree(nsIDocShellTreeItem::typeAll, shells);
  for (auto& item : shells) {
    DocShell* shell = fromInterface(item);
    if (shell && shell->mViewer)
      shell->mViewer->zoomChanged(appUnitsPerDevPixel(shell->zoom()), shell->zoom());
    if (shell)
      shell->mFramesDirty = true;
  }
  top.updateFrames();
}

void DocShell::addChild(nsCOMPtr<DocShell> child) {
  if (child->mParent)
    child->mParent->removeChild(*child);
  child->mParent = this;
  mChildren.push_back(std::move(child));
}

void DocShell::removeChild(DocShell& child) {
  nsCOMPtr<DocShell> keepAlive = &child;
  mChildren.erase(std::remove(mChildren.begin(), mChildren.end(), keepAlive), mChildren.end());
  child.mParent = nullptr;
}

void DocShell::appendTree(PRInt32 itemType, std::vector<nsCOMPtr<nsISupports>>& shells) {
  bool typeMatches = itemType == nsIDocShellTreeItem::typeAll || itemType == itemTypeOf(mType);
  if (typeMatches)
    shells.emplace_back(static_cast<nsIDocShell*>(this));
  for (auto& child : children())
    child->appendTree(itemType, shells);
}

// --- Loading ---------------------------------------------------------------------------------

void DocShell::loadUrl(const std::string& url, LoadMode mode, HistoryAction history) {
  if (mDestroyed)
    return;
  nsCOMPtr<DocShell> keepAlive = this;
  LoadedPage page = mContext.loader().load(url);
  RefPtr<dom::Document> document = faces::parse(page);
  if (!document) {
    page.content = PageLoader::errorPage(page.url);
    page.contentType = PageLoader::kHtmlType;
    document = faces::parse(page);
  }
  if (!document)
    return;
  mHeld = mode == LoadMode::Held;
  document->setReadyState(mHeld ? dom::ReadyState::Loading : dom::ReadyState::Complete);
  mCurrentUrl = page.url;
  if (!sameTypeParent()) {
    if (history == HistoryAction::Push)
      mHistory.push(page.url);
    if (history == HistoryAction::Replace)
      mHistory.replaceCurrent(page.url);
  }
  show(std::move(document));
  if (!mHeld && !mDestroyed)
    fireLoad();
}

void DocShell::show(RefPtr<dom::Document> document) {
  for (auto& child : mChildren)
    child->destroy();
  mChildren.clear();
  mWindow->unloadCurrent();
  if (mViewer)
    mViewer->destroy();
  mViewer = new ContentViewer(*this, document, mWidget, appUnitsPerDevPixel(zoom()), zoom(),
                              mContext.loader());
  document->setContainer(this);
  bool scripted = mType == Type::Content && document->isHTMLDocument();
  mWindow->setDocument(document.get(), scripted ? &mContext.scriptEnvironment() : nullptr);
  // The chrome of a window hands out the window's command dispatcher as its own.
  if (mOwner && !mParent && document->kind() == dom::DocumentKind::XUL) {
    static_cast<dom::XULDocument*>(document.get())
        ->setCommandDispatcher(&mOwner->commandDispatcher());
  }
  mFramesDirty = true;
  updateFrames();
  runParsedScripts();
  if (mOwner && !mDestroyed)
    mOwner->shellShowedDocument(*this);
}

script::ScriptHeap* DocShell::scriptHeap() const {
  InnerWindow* inner = mWindow ? mWindow->currentInner() : nullptr;
  return inner ? inner->scriptHeap() : nullptr;
}

void DocShell::runParsedScripts() {
  dom::Document* shown = document();
  if (!shown || !scriptHeap())
    return;
  std::vector<RefPtr<dom::HTMLScriptElement>> scripts;
  for (dom::Node* node = shown->firstChild(); node; node = node->nextInTreeOrder(shown)) {
    if (node->isElement() && static_cast<dom::Element*>(node)->isHTML(u"script"))
      scripts.emplace_back(static_cast<dom::HTMLScriptElement*>(node));
  }
  nsCOMPtr<DocShell> keepAlive = this;
  for (auto& script : scripts) {
    // A script may remove later ones, or unload the page (a load from script).
    script::ScriptHeap* heap = scriptHeap();
    if (!heap || document() != shown)
      return;
    if (script->alreadyStarted() || !script->isInDocument())
      continue;
    script->markStarted();
    heap->runScriptElement(*script);
  }
}

void DocShell::fireLoad() {
  if (script::ScriptHeap* heap = scriptHeap())
    heap->dispatchEvent(nullptr, "load");
}

void DocShell::completeLoad() {
  if (!mHeld)
    return;
  mHeld = false;
  if (dom::Document* shown = document())
    shown->setReadyState(dom::ReadyState::Complete);
  nsCOMPtr<DocShell> keepAlive = this;
  fireLoad();
  if (mOwner && !mDestroyed)
    mOwner->shellFinishedLoading(*this);
}

PRUint32 DocShell::busyFlags() const {
  return mHeld ? (nsIDocShell::BUSY_FLAGS_BUSY | nsIDocShell::BUSY_FLAGS_PAGE_LOADING)
               : nsIDocShell::BUSY_FLAGS_NONE;
}

bool DocShell::goBack() {
  DocShell& top = sameTypeRoot();
  auto url = top.mHistory.goBack();
  if (url)
    top.loadUrl(*url, LoadMode::Complete, HistoryAction::Keep);
  return url.has_value();
}

bool DocShell::goForward() {
  DocShell& top = sameTypeRoot();
  auto url = top.mHistory.goForward();
  if (url)
    top.loadUrl(*url, LoadMode::Complete, HistoryAction::Keep);
  return url.has_value();
}

bool DocShell::gotoIndex(int index) {
  DocShell& top = sameTypeRoot();
  auto url = top.mHistory.goToIndex(index);
  if (url)
    top.loadUrl(*url, LoadMode::Complete, HistoryAction::Keep);
  return url.has_value();
}

void DocShell::destroy() {
  if (mDestroyed)
    return;
  mDestroyed = true;
  for (auto& child : mChildren) {
    child->destroy();
    child->mParent = nullptr;
  }
  mChildren.clear();
  if (mViewer)
    mViewer->destroy();
  mViewer = nullptr;
  if (mWindow)
    mWindow->detach();
  mWindow = nullptr;
  if (mOwnsWidget && mWidget)
    mWidget->destroy();
  mWidget = nullptr;
  mFrameElement = nullptr;
  mOwner = nullptr;
  mHeld = false;
}

// --- Frames ----------------------------------------------------------------------------------

void DocShell::updateFrames() {
  if (!mFramesDirty || mDestroyed)
    return;
  mFramesDirty = false;
  dom::Document* shown = document();
  std::vector<dom::Element*> elements;
  if (shown)
    elements = frameElementsOf(*shown);

  std::vector<nsCOMPtr<DocShell>> kept;
  std::vector<nsCOMPtr<DocShell>> made;
  for (dom::Element* element : elements) {
    auto existing = std::find_if(mChildren.begin(), mChildren.end(), [element](auto& child) {
      return child->mFrameElement.get() == element;
    });
    if (existing != mChildren.end()) {
      kept.push_back(*existing);
    } else {
      kept.push_back(nullptr);  // made below, once the old children are sorted out
    }
  }
  // Shells added from outside (AddChild) have no frame element and stay, after the frames.
  std::vector<nsCOMPtr<DocShell>> others;
  for (auto& child : mChildren) {
    bool isKept = std::find(kept.begin(), kept.end(), child) != kept.end();
    if (isKept)
      continue;
    if (child->mFrameElement) {
      child->destroy();
      child->mParent = nullptr;
    } else {
      others.push_back(child);
    }
  }
  mChildren.clear();
  for (size_t i = 0; i < elements.size(); ++i) {
    if (!kept[i])
      kept[i] = createFrame(*elements[i]);
    if (kept[i])
      mChildren.push_back(kept[i]);
  }
  for (auto& other : others)
    mChildren.push_back(other);

  for (auto& child : mChildren) {
    if (!child->mFrameElement || !child->mWidget)
      continue;
    bool visible = false;
    nsIntRect bounds = frameBounds(*child->mFrameElement, visible);
    child->mWidget->setBounds(bounds);
    child->mWidget->show(visible && child->mVisible);
  }
}

nsCOMPtr<DocShell> DocShell::createFrame(dom::Element& frameElement) {
  if (!mWidget || mWidget->isDestroyed())
    return nullptr;
  Type type = mType;
  if (frameElement.isXUL()) {
    std::u16string kind = frameElement.stringAttribute(u"type");
    type = kind.rfind(u"content", 0) == 0 ? Type::Content : Type::Chrome;
  }
  bool shown = false;
  nsIntRect bounds = frameBounds(frameElement, shown);
  nsCOMPtr<Widget> widget = Widget::createChild(
      *mWidget, bounds, shown ? Widget::Visibility::Shown : Widget::Visibility::Hidden);
  nsCOMPtr<DocShell> child = create(mContext, type, *widget, mOwner);
  child->mOwnsWidget = true;
  child->mFrameElement = &frameElement;
  std::u16string name = frameElement.stringAttribute(u"name");
  child->mName = name.empty() ? frameElement.id() : name;
  child->mParent = this;
  // An object names its document with "data", frames and iframes with "src".
  bool isObject = frameElement.isHTML() && frameElement.localName() == u"object";
  std::u16string source = frameElement.urlAttribute(isObject ? u"data" : u"src");
  std::string url = source.empty() ? "about:blank" : dom::utf16ToUTF8(source);
  child->loadUrl(mayLoadInFrame(url) ? url : "about:blank");
  return child;
}

bool DocShell::mayLoadInFrame(const std::string& url) const {
  auto withoutFragment = [](const std::string& address) {
    return address.substr(0, address.find('#'));
  };
  const std::string page = withoutFragment(url);
  int depth = 1;  // the new frame's shell, below this one
  for (const DocShell* shell = this; shell; shell = shell->sameTypeParent(), ++depth) {
    if (depth > kMaxFrameDepth)
      return false;
    if (page != "about:blank" && withoutFragment(shell->mCurrentUrl) == page)
      return false;
  }
  return true;
}

nsIntRect DocShell::frameBounds(dom::Element& frameElement, bool& shown) {
  shown = false;
  if (frameElement.isXUL()) {
    return mOwner ? mOwner->chromeBox(frameElement, shown) : nsIntRect();
  }
  layout::DocumentLayout* pageLayout = layout();
  if (!pageLayout)
    return nsIntRect();
  // The frame's content box, scrolled and zoomed, relative to this shell's widget.
  nsIntRect content = pageLayout->frameContentRectOnDevice(frameElement);
  shown = !content.IsEmpty();
  return content;
}

// --- dom::DocumentContainer ------------------------------------------------------------------

nsIDOMWindow* DocShell::outerWindow() {
  return mWindow.get();
}

nsIDOMWindow* DocShell::innerWindow() {
  return mWindow ? mWindow->currentInner() : nullptr;
}

nsIScriptGlobalObject* DocShell::scriptGlobal() {
  InnerWindow* inner = mWindow ? mWindow->currentInner() : nullptr;
  return inner;
}

nsIPresShell* DocShell::presShell() {
  return mViewer ? mViewer->presShell() : nullptr;
}

dom::Document* DocShell::parentDocument() {
  DocShell* parent = sameTypeParent();
  return parent ? parent->document() : nullptr;
}

dom::Document* DocShell::contentDocumentFor(dom::Element& frameElement) {
  for (auto& child : children()) {
    if (child->mFrameElement.get() == &frameElement)
      return child->document();
  }
  return nullptr;
}

bool DocShell::hasFocus() {
  return mOwner && mOwner->focusedShell() == this;
}

nsIntRect DocShell::xulBoxOnScreen(dom::Element& element) {
  if (!mOwner || mOwner->chromeShell() != this)
    return nsIntRect();
  return mOwner->chromeBoxOnScreen(element);
}

layout::DocumentLayout* DocShell::layout() {
  PresShell* shell = mViewer ? mViewer->presShellObject() : nullptr;
  return shell ? shell->layout() : nullptr;
}

void DocShell::documentChanged() {
  // Layout, frames and chrome geometry are brought up to date when next asked for, not in the
  // middle of the DOM's own change.
  if (layout::DocumentLayout* pageLayout = layout())
    pageLayout->markDirty();
  mFramesDirty = true;
  if (mOwner && mOwner->chromeShell() == this)
    mOwner->chromeChanged();
}

void DocShell::runInsertedScript(dom::HTMLScriptElement& script) {
  if (script::ScriptHeap* heap = scriptHeap())
    heap->runScriptElement(script);
}

void DocShell::scrollElementIntoView(dom::Element& element, bool alignToTop) {
  layout::DocumentLayout* pageLayout = layout();
  if (!pageLayout)
    return;
  pageLayout->scrollIntoView(element, alignToTop);
  mFramesDirty = true;
}

void DocShell::optionSelected(dom::Element& select, dom::Element& option) {
  if (layout::DocumentLayout* pageLayout = layout())
    pageLayout->showSelectedOption(select, option);
}

// --- nsIDocShell -----------------------------------------------------------------------------

NS_IMETHODIMP DocShell::GetPresShell(nsIPresShell** aPresShell) {
  return handOut(presShell(), aPresShell);
}

NS_IMETHODIMP DocShell::GetEldestPresShell(nsIPresShell** aEldestPresShell) {
  return handOut(presShell(), aEldestPresShell);
}

NS_IMETHODIMP DocShell::GetContentViewer(nsIContentViewer** aContentViewer) {
  return handOut(static_cast<nsIContentViewer*>(mViewer.get()), aContentViewer);
}

NS_IMETHODIMP DocShell::GetDocShellEnumerator(PRInt32 aItemType, PRInt32 aDirection,
                                              nsISimpleEnumerator** _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  std::vector<nsCOMPtr<nsISupports>> shells;
  appendTree(aItemType, shells);
  if (aDirection == nsIDocShell::ENUMERATE_BACKWARDS)
    std::reverse(shells.begin(), shells.end());
  nsCOMPtr<nsISimpleEnumerator> enumerator = new SnapshotEnumerator(std::move(shells));
  enumerator.forget(_retval);
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetBusyFlags(PRUint32* aBusyFlags) {
  if (!aBusyFlags)
    return NS_ERROR_NULL_POINTER;
  *aBusyFlags = busyFlags();
  return NS_OK;
}

NS_IMETHODIMP DocShell::IsBeingDestroyed(PRBool* _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = mDestroyed ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

// --- nsIDocShellTreeItem ---------------------------------------------------------------------

NS_IMETHODIMP DocShell::GetName(PRUnichar** aName) {
  if (!aName)
    return NS_ERROR_NULL_POINTER;
  *aName = newUnichars(mName);
  return *aName ? NS_OK : NS_ERROR_OUT_OF_MEMORY;
}

NS_IMETHODIMP DocShell::SetName(const PRUnichar* aName) {
  mName = u16FromUnichars(aName);
  return NS_OK;
}

NS_IMETHODIMP DocShell::NameEquals(const PRUnichar* name, PRBool* _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = u16FromUnichars(name) == mName ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetItemType(PRInt32* aItemType) {
  if (!aItemType)
    return NS_ERROR_NULL_POINTER;
  *aItemType = itemTypeOf(mType);
  return NS_OK;
}

NS_IMETHODIMP DocShell::SetItemType(PRInt32 aItemType) {
  if (aItemType != nsIDocShellTreeItem::typeChrome &&
      aItemType != nsIDocShellTreeItem::typeContent) {
    return NS_ERROR_INVALID_ARG;
  }
  // As in Gecko, a shell in a tree keeps the type the tree gave it.
  if (mParent)
    return NS_ERROR_FAILURE;
  mType = aItemType == nsIDocShellTreeItem::typeChrome ? Type::Chrome : Type::Content;
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetParent(nsIDocShellTreeItem** aParent) {
  return handOut(static_cast<nsIDocShellTreeItem*>(mParent), aParent);
}

NS_IMETHODIMP DocShell::GetSameTypeParent(nsIDocShellTreeItem** aSameTypeParent) {
  return handOut(static_cast<nsIDocShellTreeItem*>(sameTypeParent()), aSameTypeParent);
}

NS_IMETHODIMP DocShell::GetRootTreeItem(nsIDocShellTreeItem** aRootTreeItem) {
  return handOut(static_cast<nsIDocShellTreeItem*>(&root()), aRootTreeItem);
}

NS_IMETHODIMP DocShell::GetSameTypeRootTreeItem(nsIDocShellTreeItem** aSameTypeRootTreeItem) {
  return handOut(static_cast<nsIDocShellTreeItem*>(&sameTypeRoot()), aSameTypeRootTreeItem);
}

NS_IMETHODIMP DocShell::FindItemWithName(const PRUnichar* name, nsISupports*, nsIDocShellTreeItem*,
                                         nsIDocShellTreeItem** _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  std::u16string wanted = u16FromUnichars(name);
  if (wanted.empty())
    return NS_OK;
  DocShell* found = nullptr;
  if (wanted == u"_self") {
    found = this;
  } else if (wanted == u"_parent") {
    found = sameTypeParent() ? sameTypeParent() : this;
  } else if (wanted == u"_top") {
    found = &sameTypeRoot();
  } else {
    std::vector<nsCOMPtr<nsISupports>> shells;
    sameTypeRoot().appendTree(nsIDocShellTreeItem::typeAll, shells);
    for (auto& item : shells) {
      DocShell* shell = fromInterface(item);
      if (shell && shell->mType == mType && shell->mName == wanted) {
        found = shell;
        break;
      }
    }
  }
  return handOut(static_cast<nsIDocShellTreeItem*>(found), _retval);
}

NS_IMETHODIMP DocShell::GetTreeOwner(nsIDocShellTreeOwner** aTreeOwner) {
  if (!aTreeOwner)
    return NS_ERROR_NULL_POINTER;
  *aTreeOwner = nullptr;
  // The XUL window owns our trees, and the host has no nsIDocShellTreeOwner to give for it.
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DocShell::SetTreeOwner(nsIDocShellTreeOwner*) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

// --- nsIDocShellTreeNode ---------------------------------------------------------------------

NS_IMETHODIMP DocShell::GetChildCount(PRInt32* aChildCount) {
  if (!aChildCount)
    return NS_ERROR_NULL_POINTER;
  *aChildCount = static_cast<PRInt32>(children().size());
  return NS_OK;
}

NS_IMETHODIMP DocShell::AddChild(nsIDocShellTreeItem* child) {
  DocShell* shell = fromInterface(child);
  if (!shell || shell == this || shell->mDestroyed)
    return NS_ERROR_INVALID_ARG;
  for (DocShell* up = this; up; up = up->mParent) {
    if (up == shell)
      return NS_ERROR_INVALID_ARG;  // a shell cannot hold its own ancestor
  }
  if (shell->mParent == this)
    return NS_OK;
  addChild(shell);
  return NS_OK;
}

NS_IMETHODIMP DocShell::RemoveChild(nsIDocShellTreeItem* child) {
  DocShell* shell = fromInterface(child);
  if (!shell || shell->mParent != this)
    return NS_ERROR_INVALID_ARG;
  removeChild(*shell);
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetChildAt(PRInt32 index, nsIDocShellTreeItem** _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  const auto& shells = children();
  if (index < 0 || static_cast<size_t>(index) >= shells.size())
    return NS_ERROR_INVALID_ARG;
  return handOut(static_cast<nsIDocShellTreeItem*>(shells[static_cast<size_t>(index)].get()),
                 _retval);
}

NS_IMETHODIMP DocShell::FindChildWithName(const PRUnichar* aName, PRBool aRecurse, PRBool aSameType,
                                          nsIDocShellTreeItem* aRequestor,
                                          nsIDocShellTreeItem* aOriginalRequestor,
                                          nsIDocShellTreeItem** _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  std::u16string wanted = u16FromUnichars(aName);
  if (wanted.empty())
    return NS_OK;
  for (auto& child : children()) {
    if (aSameType && child->mType != mType)
      continue;
    if (child->mName == wanted) {
      return handOut(static_cast<nsIDocShellTreeItem*>(child.get()), _retval);
    }
  }
  if (!aRecurse)
    return NS_OK;
  for (auto& child : children()) {
    if (aSameType && child->mType != mType)
      continue;
    nsresult rv = child->FindChildWithName(aName, aRecurse, aSameType, aRequestor,
                                           aOriginalRequestor, _retval);
    if (NS_FAILED(rv) || *_retval)
      return rv;
  }
  return NS_OK;
}

// --- nsIWebNavigation ------------------------------------------------------------------------

NS_IMETHODIMP DocShell::GetCanGoBack(PRBool* aCanGoBack) {
  if (!aCanGoBack)
    return NS_ERROR_NULL_POINTER;
  *aCanGoBack = history().canGoBack() ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetCanGoForward(PRBool* aCanGoForward) {
  if (!aCanGoForward)
    return NS_ERROR_NULL_POINTER;
  *aCanGoForward = history().canGoForward() ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP DocShell::GoBack(void) {
  if (mDestroyed)
    return NS_ERROR_FAILURE;
  return goBack() ? NS_OK : NS_ERROR_UNEXPECTED;
}

NS_IMETHODIMP DocShell::GoForward(void) {
  if (mDestroyed)
    return NS_ERROR_FAILURE;
  return goForward() ? NS_OK : NS_ERROR_UNEXPECTED;
}

NS_IMETHODIMP DocShell::GotoIndex(PRInt32 index) {
  if (mDestroyed)
    return NS_ERROR_FAILURE;
  return gotoIndex(index) ? NS_OK : NS_ERROR_UNEXPECTED;
}

NS_IMETHODIMP DocShell::LoadURI(const PRUnichar* aURI, PRUint32 aLoadFlags, nsIURI*,
                                nsIInputStream*, nsIInputStream*) {
  if (!aURI)
    return NS_ERROR_INVALID_ARG;
  if (mDestroyed)
    return NS_ERROR_FAILURE;
  HistoryAction action = HistoryAction::Push;
  if (aLoadFlags & nsIWebNavigation::LOAD_FLAGS_BYPASS_HISTORY)
    action = HistoryAction::Keep;
  if (aLoadFlags & nsIWebNavigation::LOAD_FLAGS_REPLACE_HISTORY)
    action = HistoryAction::Replace;
  loadUrl(fixUpAddress(dom::utf16ToUTF8(u16FromUnichars(aURI))), LoadMode::Complete, action);
  if (mOwner)
    mOwner->flush();
  return NS_OK;
}

NS_IMETHODIMP DocShell::Reload(PRUint32) {
  if (mDestroyed || mCurrentUrl.empty())
    return NS_ERROR_FAILURE;
  loadUrl(mCurrentUrl, LoadMode::Complete, HistoryAction::Keep);
  return NS_OK;
}

NS_IMETHODIMP DocShell::Stop(PRUint32) {
  // What has arrived is all there will be: a held load ends as complete.
  completeLoad();
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetDocument(nsIDOMDocument** aDocument) {
  if (!aDocument)
    return NS_ERROR_NULL_POINTER;
  *aDocument = nullptr;
  faces::domDocument(document()).forget(aDocument);
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetCurrentURI(nsIURI** aCurrentURI) {
  if (!aCurrentURI)
    return NS_ERROR_NULL_POINTER;
  *aCurrentURI = nullptr;
  if (!mCurrentUrl.empty())
    faces::uri(mCurrentUrl).forget(aCurrentURI);
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetReferringURI(nsIURI** aReferringURI) {
  if (!aReferringURI)
    return NS_ERROR_NULL_POINTER;
  *aReferringURI = nullptr;  // loads here never come with a referrer
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetSessionHistory(nsISHistory** aSessionHistory) {
  if (!aSessionHistory)
    return NS_ERROR_NULL_POINTER;
  *aSessionHistory = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;  // history is reached through this interface's own calls
}

NS_IMETHODIMP DocShell::SetSessionHistory(nsISHistory*) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

// --- nsIBaseWindow ---------------------------------------------------------------------------

NS_IMETHODIMP DocShell::InitWindow(nativeWindow, nsIWidget*, PRInt32, PRInt32, PRInt32, PRInt32) {
  // Shells here are made by their window or their parent, already placed in a widget.
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DocShell::Create(void) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DocShell::Destroy(void) {
  destroy();
  return NS_OK;
}

NS_IMETHODIMP DocShell::SetPosition(PRInt32 x, PRInt32 y) {
  return mWidget ? mWidget->Move(x, y) : NS_ERROR_FAILURE;
}

NS_IMETHODIMP DocShell::GetPosition(PRInt32* x, PRInt32* y) {
  return GetPositionAndSize(x, y, nullptr, nullptr);
}

NS_IMETHODIMP DocShell::SetSize(PRInt32 cx, PRInt32 cy, PRBool fRepaint) {
  return mWidget ? mWidget->Resize(cx, cy, fRepaint) : NS_ERROR_FAILURE;
}

NS_IMETHODIMP DocShell::GetSize(PRInt32* cx, PRInt32* cy) {
  return GetPositionAndSize(nullptr, nullptr, cx, cy);
}

NS_IMETHODIMP DocShell::SetPositionAndSize(PRInt32 x, PRInt32 y, PRInt32 cx, PRInt32 cy,
                                           PRBool fRepaint) {
  return mWidget ? mWidget->Resize(x, y, cx, cy, fRepaint) : NS_ERROR_FAILURE;
}

NS_IMETHODIMP DocShell::GetPositionAndSize(PRInt32* x, PRInt32* y, PRInt32* cx, PRInt32* cy) {
  if (!mWidget)
    return NS_ERROR_FAILURE;
  nsIntRect bounds = mWidget->bounds();
  if (x)
    *x = bounds.x;
  if (y)
    *y = bounds.y;
  if (cx)
    *cx = bounds.width;
  if (cy)
    *cy = bounds.height;
  return NS_OK;
}

NS_IMETHODIMP DocShell::Repaint(PRBool) {
  return mWidget ? mWidget->Invalidate(nsIntRect(), PR_FALSE) : NS_ERROR_FAILURE;
}

NS_IMETHODIMP DocShell::GetParentWidget(nsIWidget** aParentWidget) {
  return handOut(mWidget ? mWidget->GetParent() : nullptr, aParentWidget);
}

NS_IMETHODIMP DocShell::SetParentWidget(nsIWidget*) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DocShell::GetParentNativeWindow(nativeWindow* aParentNativeWindow) {
  if (!aParentNativeWindow)
    return NS_ERROR_NULL_POINTER;
  nsIWidget* parent = mWidget ? mWidget->GetParent() : nullptr;
  *aParentNativeWindow = parent ? parent->GetNativeData(NS_NATIVE_WINDOW) : nullptr;
  return NS_OK;
}

NS_IMETHODIMP DocShell::SetParentNativeWindow(nativeWindow) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DocShell::GetVisibility(PRBool* aVisibility) {
  if (!aVisibility)
    return NS_ERROR_NULL_POINTER;
  *aVisibility = mVisible && mWidget && mWidget->isShown() ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP DocShell::SetVisibility(PRBool aVisibility) {
  if (!mWidget)
    return NS_ERROR_FAILURE;
  mVisible = aVisibility != PR_FALSE;
  mWidget->show(mVisible);
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetEnabled(PRBool* aEnabled) {
  if (!aEnabled)
    return NS_ERROR_NULL_POINTER;
  *aEnabled = mEnabled ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP DocShell::SetEnabled(PRBool aEnabled) {
  mEnabled = aEnabled != PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetBlurSuppression(PRBool* aBlurSuppression) {
  if (!aBlurSuppression)
    return NS_ERROR_NULL_POINTER;
  *aBlurSuppression = PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP DocShell::SetBlurSuppression(PRBool) {
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetMainWidget(nsIWidget** aMainWidget) {
  return handOut(static_cast<nsIWidget*>(mWidget.get()), aMainWidget);
}

NS_IMETHODIMP DocShell::SetFocus(void) {
  if (mDestroyed || !mOwner)
    return NS_ERROR_FAILURE;
  return mOwner->focusShell(*this) ? NS_OK : NS_ERROR_FAILURE;
}

NS_IMETHODIMP DocShell::GetTitle(PRUnichar** aTitle) {
  if (!aTitle)
    return NS_ERROR_NULL_POINTER;
  dom::Document* shown = document();
  *aTitle = newUnichars(shown ? shown->title() : std::u16string());
  return *aTitle ? NS_OK : NS_ERROR_OUT_OF_MEMORY;
}

NS_IMETHODIMP DocShell::SetTitle(const PRUnichar* aTitle) {
  dom::Document* shown = document();
  if (!shown)
    return NS_ERROR_FAILURE;
  shown->setTitle(u16FromUnichars(aTitle));
  return NS_OK;
}

// --- nsIInterfaceRequestor -------------------------------------------------------------------

NS_IMETHODIMP DocShell::GetInterface(const nsIID& aIID, void** aResult) {
  if (!aResult)
    return NS_ERROR_NULL_POINTER;
  *aResult = nullptr;
  if (aIID.Equals(NS_GET_IID(nsIDOMWindow)) || aIID.Equals(NS_GET_IID(nsIDOMWindowInternal)) ||
      aIID.Equals(NS_GET_IID(nsIDOMWindow2)) || aIID.Equals(NS_GET_IID(nsPIDOMWindow))) {
    return mWindow ? mWindow->QueryInterface(aIID, aResult) : NS_ERROR_NO_INTERFACE;
  }
  if (aIID.Equals(NS_GET_IID(nsIDOMDocument))) {
    nsCOMPtr<nsIDOMDocument> shown = faces::domDocument(document());
    if (!shown)
      return NS_ERROR_NO_INTERFACE;
    shown.forget(reinterpret_cast<nsIDOMDocument**>(aResult));
    return NS_OK;
  }
  if (aIID.Equals(NS_GET_IID(nsIContentViewer))) {
    if (!mViewer)
      return NS_ERROR_NO_INTERFACE;
    return mViewer->QueryInterface(aIID, aResult);
  }
  return QueryInterface(aIID, aResult);
}

}  // namespace geckohost
