#include "DOMWindow.h"

#include <algorithm>
#include <string>

#include "DocShell.h"
#include "DocumentFaces.h"
#include "InnerWindow.h"
#include "OuterWindow.h"
#include "UnicodeText.h"
#include "Widget.h"
#include "WindowCollection.h"
#include "WindowUtils.h"
#include "XULWindow.h"
#include "dom/Document.h"
#include "dom/DocumentContainer.h"
#include "dom/Element.h"
#include "layout/LayoutQuery.h"
#include "nsError.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"

namespace geckohost {

namespace {

// Lines and pages scrolled by ScrollByLines and ScrollByPages: a line of the default font,
// and a page less that line, as Gecko keeps one line of context.
constexpr PRInt32 kLineHeight = 19;

template <class Interface>
nsresult handOut(Interface* object, Interface** result) {
  if (!result)
    return NS_ERROR_NULL_POINTER;
  *result = object;
  NS_IF_ADDREF(*result);
  return NS_OK;
}

nsresult notImplemented(void* result = nullptr) {
  if (result)
    *static_cast<void**>(result) = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;
}

const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int base64Value(char16_t c) {
  if (c >= 'A' && c <= 'Z')
    return c - 'A';
  if (c >= 'a' && c <= 'z')
    return c - 'a' + 26;
  if (c >= '0' && c <= '9')
    return c - '0' + 52;
  if (c == '+')
    return 62;
  if (c == '/')
    return 63;
  return -1;
}

}  // namespace

DOMWindow::~DOMWindow() {
  if (mUtils)
    mUtils->windowGone();
}

void* DOMWindow::QueryExtraInterface(const nsIID& aIID) {
  if (aIID.Equals(NS_GET_IID(nsIDOMWindow)))
    return static_cast<nsIDOMWindow*>(this);
  if (aIID.Equals(NS_GET_IID(nsIDOMWindow2)))
    return static_cast<nsIDOMWindow2*>(this);
  if (aIID.Equals(NS_GET_IID(nsIDOMWindowInternal))) {
    return static_cast<nsIDOMWindowInternal*>(this);
  }
  return nullptr;
}

// --- nsIDOMWindow ----------------------------------------------------------------------------

NS_IMETHODIMP DOMWindow::GetDocument(nsIDOMDocument** aDocument) {
  if (!aDocument)
    return NS_ERROR_NULL_POINTER;
  *aDocument = nullptr;
  faces::domDocument(document()).forget(aDocument);
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetParent(nsIDOMWindow** aParent) {
  DocShell* own = shell();
  DocShell* parent = own ? own->sameTypeParent() : nullptr;
  nsIDOMWindow* answer = parent ? static_cast<nsIDOMWindow*>(parent->outer()) : outer();
  return handOut(answer, aParent);
}

NS_IMETHODIMP DOMWindow::GetTop(nsIDOMWindow** aTop) {
  DocShell* own = shell();
  nsIDOMWindow* answer = own ? static_cast<nsIDOMWindow*>(own->sameTypeRoot().outer()) : outer();
  return handOut(answer, aTop);
}

NS_IMETHODIMP DOMWindow::GetScrollbars(nsIDOMBarProp** aScrollbars) {
  return notImplemented(aScrollbars);
}

NS_IMETHODIMP DOMWindow::GetFrames(nsIDOMWindowCollection** aFrames) {
  if (!aFrames)
    return NS_ERROR_NULL_POINTER;
  *aFrames = nullptr;
  DocShell* own = shell();
  if (!own)
    return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMWindowCollection> frames = new WindowCollection(*own);
  frames.forget(aFrames);
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetName(nsAString& aName) {
  DocShell* own = shell();
  assignU16(aName, own ? own->name() : std::u16string());
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::SetName(const nsAString& aName) {
  DocShell* own = shell();
  if (!own)
    return NS_ERROR_FAILURE;
  std::u16string name = u16FromString(aName);
  return own->SetName(reinterpret_cast<const PRUnichar*>(name.c_str()));
}

NS_IMETHODIMP DOMWindow::GetTextZoom(float* aTextZoom) {
  if (!aTextZoom)
    return NS_ERROR_NULL_POINTER;
  *aTextZoom = mTextZoom;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::SetTextZoom(float aTextZoom) {
  if (aTextZoom <= 0)
    return NS_ERROR_INVALID_ARG;
  mTextZoom = aTextZoom;
  return NS_OK;
}

// The viewport's scroll position, read from the layout as Gecko reads it from the root scroll
// frame; (0, 0) for a document that is not laid out.
nsPoint DOMWindow::viewportScroll() const {
  dom::Document* shown = document();
  dom::DocumentContainer* container = shown ? shown->container() : nullptr;
  LayoutQuery* layout = container ? container->layout() : nullptr;
  return layout ? layout->scrollPosition() : nsPoint(0, 0);
}

NS_IMETHODIMP DOMWindow::GetScrollX(PRInt32* aScrollX) {
  if (!aScrollX)
    return NS_ERROR_NULL_POINTER;
  *aScrollX = viewportScroll().x;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetScrollY(PRInt32* aScrollY) {
  if (!aScrollY)
    return NS_ERROR_NULL_POINTER;
  *aScrollY = viewportScroll().y;
  return NS_OK;
}

nsresult DOMWindow::scrollDocumentTo(PRInt32 x, PRInt32 y) {
  dom::Document* shown = document();
  dom::Element* root = shown ? shown->documentElement() : nullptr;
  if (!root)
    return NS_OK;  // nothing to scroll, as in Gecko
  root->scrollTo(x, y);
  // Frame widgets move with the page.
  if (DocShell* own = shell()) {
    own->markFramesDirty();
    own->updateFrames();
  }
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::ScrollTo(PRInt32 xScroll, PRInt32 yScroll) {
  return scrollDocumentTo(xScroll, yScroll);
}

NS_IMETHODIMP DOMWindow::ScrollBy(PRInt32 xScrollDif, PRInt32 yScrollDif) {
  PRInt32 x = 0, y = 0;
  GetScrollX(&x);
  GetScrollY(&y);
  return scrollDocumentTo(x + xScrollDif, y + yScrollDif);
}

NS_IMETHODIMP DOMWindow::GetSelection(nsISelection** _retval) {
  return notImplemented(_retval);
}

NS_IMETHODIMP DOMWindow::ScrollByLines(PRInt32 numLines) {
  return ScrollBy(0, numLines * kLineHeight);
}

NS_IMETHODIMP DOMWindow::ScrollByPages(PRInt32 numPages) {
  PRInt32 height = 0;
  GetInnerHeight(&height);
  return ScrollBy(0, numPages * std::max(height - kLineHeight, kLineHeight));
}

NS_IMETHODIMP DOMWindow::SizeToContent(void) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

// --- nsIDOMWindow2 ---------------------------------------------------------------------------

NS_IMETHODIMP DOMWindow::GetWindowRoot(nsIDOMEventTarget** aWindowRoot) {
  return notImplemented(aWindowRoot);
}

NS_IMETHODIMP DOMWindow::GetApplicationCache(nsIDOMOfflineResourceList** aApplicationCache) {
  return notImplemented(aApplicationCache);
}

// --- nsIDOMWindowInternal --------------------------------------------------------------------

NS_IMETHODIMP DOMWindow::GetWindow(nsIDOMWindowInternal** aWindow) {
  return handOut(static_cast<nsIDOMWindowInternal*>(outer()), aWindow);
}

NS_IMETHODIMP DOMWindow::GetSelf(nsIDOMWindowInternal** aSelf) {
  return handOut(static_cast<nsIDOMWindowInternal*>(outer()), aSelf);
}

NS_IMETHODIMP DOMWindow::GetNavigator(nsIDOMNavigator** aNavigator) {
  return notImplemented(aNavigator);
}

NS_IMETHODIMP DOMWindow::GetScreen(nsIDOMScreen** aScreen) {
  return notImplemented(aScreen);
}

NS_IMETHODIMP DOMWindow::GetHistory(nsIDOMHistory** aHistory) {
  return notImplemented(aHistory);
}

NS_IMETHODIMP DOMWindow::GetContent(nsIDOMWindow** aContent) {
  DocShell* own = shell();
  if (!own)
    return handOut(static_cast<nsIDOMWindow*>(nullptr), aContent);
  DocShell* content = nullptr;
  if (own->type() == DocShell::Type::Content) {
    content = &own->sameTypeRoot();
  } else if (XULWindow* window = own->owner()) {
    content = window->primaryContentShell();
  }
  return handOut(content ? static_cast<nsIDOMWindow*>(content->outer()) : nullptr, aContent);
}

NS_IMETHODIMP DOMWindow::GetMenubar(nsIDOMBarProp** aMenubar) {
  return notImplemented(aMenubar);
}

NS_IMETHODIMP DOMWindow::GetToolbar(nsIDOMBarProp** aToolbar) {
  return notImplemented(aToolbar);
}

NS_IMETHODIMP DOMWindow::GetLocationbar(nsIDOMBarProp** aLocationbar) {
  return notImplemented(aLocationbar);
}

NS_IMETHODIMP DOMWindow::GetPersonalbar(nsIDOMBarProp** aPersonalbar) {
  return notImplemented(aPersonalbar);
}

NS_IMETHODIMP DOMWindow::GetStatusbar(nsIDOMBarProp** aStatusbar) {
  return notImplemented(aStatusbar);
}

NS_IMETHODIMP DOMWindow::GetDirectories(nsIDOMBarProp** aDirectories) {
  return notImplemented(aDirectories);
}

NS_IMETHODIMP DOMWindow::GetClosed(PRBool* aClosed) {
  if (!aClosed)
    return NS_ERROR_NULL_POINTER;
  DocShell* own = outer() ? outer()->shell() : nullptr;
  *aClosed = !own || own->isDestroyed() ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetCrypto(nsIDOMCrypto** aCrypto) {
  return notImplemented(aCrypto);
}

NS_IMETHODIMP DOMWindow::GetPkcs11(nsIDOMPkcs11** aPkcs11) {
  return notImplemented(aPkcs11);
}

NS_IMETHODIMP DOMWindow::GetControllers(nsIControllers** aControllers) {
  return notImplemented(aControllers);
}

NS_IMETHODIMP DOMWindow::GetOpener(nsIDOMWindowInternal** aOpener) {
  return handOut(outer() ? outer()->opener() : nullptr, aOpener);
}

NS_IMETHODIMP DOMWindow::SetOpener(nsIDOMWindowInternal* aOpener) {
  if (!outer())
    return NS_ERROR_FAILURE;
  outer()->setOpener(aOpener);
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetStatus(nsAString& aStatus) {
  DocShell* own = shell();
  if (own && own->owner()) {
    assignU16(aStatus, own->owner()->statusText());
  } else {
    assignU16(aStatus, outer() ? outer()->status() : std::u16string());
  }
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::SetStatus(const nsAString& aStatus) {
  DocShell* own = shell();
  if (own && own->owner()) {
    own->owner()->setStatusText(u16FromString(aStatus));
  } else if (outer()) {
    outer()->setStatus(u16FromString(aStatus));
  }
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetDefaultStatus(nsAString& aDefaultStatus) {
  assignU16(aDefaultStatus, outer() ? outer()->defaultStatus() : std::u16string());
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::SetDefaultStatus(const nsAString& aDefaultStatus) {
  if (!outer())
    return NS_ERROR_FAILURE;
  outer()->setDefaultStatus(u16FromString(aDefaultStatus));
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetLocation(nsIDOMLocation** aLocation) {
  return notImplemented(aLocation);
}

NS_IMETHODIMP DOMWindow::GetInnerWidth(PRInt32* aInnerWidth) {
  if (!aInnerWidth)
    return NS_ERROR_NULL_POINTER;
  DocShell* own = shell();
  Widget* widget = own ? own->widget() : nullptr;
  *aInnerWidth = widget ? static_cast<PRInt32>(widget->bounds().width / own->zoom()) : 0;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::SetInnerWidth(PRInt32) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DOMWindow::GetInnerHeight(PRInt32* aInnerHeight) {
  if (!aInnerHeight)
    return NS_ERROR_NULL_POINTER;
  DocShell* own = shell();
  Widget* widget = own ? own->widget() : nullptr;
  *aInnerHeight = widget ? static_cast<PRInt32>(widget->bounds().height / own->zoom()) : 0;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::SetInnerHeight(PRInt32) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

nsresult DOMWindow::moveOwnerTo(PRInt32 x, PRInt32 y) {
  DocShell* own = shell();
  XULWindow* window = own ? own->owner() : nullptr;
  if (!window)
    return NS_ERROR_FAILURE;
  nsIntRect outerBounds = window->outerBounds();
  window->setOuterBounds({x, y, outerBounds.width, outerBounds.height});
  return NS_OK;
}

nsresult DOMWindow::sizeOwnerTo(PRInt32 width, PRInt32 height) {
  DocShell* own = shell();
  XULWindow* window = own ? own->owner() : nullptr;
  if (!window)
    return NS_ERROR_FAILURE;
  if (width < 0 || height < 0)
    return NS_ERROR_INVALID_ARG;
  nsIntRect outerBounds = window->outerBounds();
  window->setOuterBounds({outerBounds.x, outerBounds.y, width, height});
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetOuterWidth(PRInt32* aOuterWidth) {
  if (!aOuterWidth)
    return NS_ERROR_NULL_POINTER;
  DocShell* own = shell();
  *aOuterWidth = own && own->owner() ? own->owner()->outerBounds().width : 0;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::SetOuterWidth(PRInt32 aOuterWidth) {
  PRInt32 height = 0;
  GetOuterHeight(&height);
  return sizeOwnerTo(aOuterWidth, height);
}

NS_IMETHODIMP DOMWindow::GetOuterHeight(PRInt32* aOuterHeight) {
  if (!aOuterHeight)
    return NS_ERROR_NULL_POINTER;
  DocShell* own = shell();
  *aOuterHeight = own && own->owner() ? own->owner()->outerBounds().height : 0;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::SetOuterHeight(PRInt32 aOuterHeight) {
  PRInt32 width = 0;
  GetOuterWidth(&width);
  return sizeOwnerTo(width, aOuterHeight);
}

NS_IMETHODIMP DOMWindow::GetScreenX(PRInt32* aScreenX) {
  if (!aScreenX)
    return NS_ERROR_NULL_POINTER;
  DocShell* own = shell();
  *aScreenX = own && own->owner() ? own->owner()->outerBounds().x : 0;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::SetScreenX(PRInt32 aScreenX) {
  PRInt32 y = 0;
  GetScreenY(&y);
  return moveOwnerTo(aScreenX, y);
}

NS_IMETHODIMP DOMWindow::GetScreenY(PRInt32* aScreenY) {
  if (!aScreenY)
    return NS_ERROR_NULL_POINTER;
  DocShell* own = shell();
  *aScreenY = own && own->owner() ? own->owner()->outerBounds().y : 0;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::SetScreenY(PRInt32 aScreenY) {
  PRInt32 x = 0;
  GetScreenX(&x);
  return moveOwnerTo(x, aScreenY);
}

NS_IMETHODIMP DOMWindow::GetMozInnerScreenX(float* aMozInnerScreenX) {
  if (!aMozInnerScreenX)
    return NS_ERROR_NULL_POINTER;
  DocShell* own = shell();
  Widget* widget = own ? own->widget() : nullptr;
  *aMozInnerScreenX = widget ? widget->screenOffset().x / own->zoom() : 0.0f;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetMozInnerScreenY(float* aMozInnerScreenY) {
  if (!aMozInnerScreenY)
    return NS_ERROR_NULL_POINTER;
  DocShell* own = shell();
  Widget* widget = own ? own->widget() : nullptr;
  *aMozInnerScreenY = widget ? widget->screenOffset().y / own->zoom() : 0.0f;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetPageXOffset(PRInt32* aPageXOffset) {
  return GetScrollX(aPageXOffset);
}

NS_IMETHODIMP DOMWindow::GetPageYOffset(PRInt32* aPageYOffset) {
  return GetScrollY(aPageYOffset);
}

NS_IMETHODIMP DOMWindow::GetScrollMaxX(PRInt32* aScrollMaxX) {
  if (!aScrollMaxX)
    return NS_ERROR_NULL_POINTER;
  dom::Document* shown = document();
  dom::Element* root = shown ? shown->documentElement() : nullptr;
  ScrollBox box = root ? root->scrollBox() : ScrollBox();
  *aScrollMaxX = std::max(box.scrollWidth - box.clientWidth, 0);
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetScrollMaxY(PRInt32* aScrollMaxY) {
  if (!aScrollMaxY)
    return NS_ERROR_NULL_POINTER;
  dom::Document* shown = document();
  dom::Element* root = shown ? shown->documentElement() : nullptr;
  ScrollBox box = root ? root->scrollBox() : ScrollBox();
  *aScrollMaxY = std::max(box.scrollHeight - box.clientHeight, 0);
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetLength(PRUint32* aLength) {
  if (!aLength)
    return NS_ERROR_NULL_POINTER;
  DocShell* own = shell();
  *aLength = own ? static_cast<PRUint32>(own->children().size()) : 0;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetFullScreen(PRBool* aFullScreen) {
  if (!aFullScreen)
    return NS_ERROR_NULL_POINTER;
  *aFullScreen = PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::SetFullScreen(PRBool) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

// Modal prompts need an event loop to wait in; the host has none.
NS_IMETHODIMP DOMWindow::Alert(const nsAString&) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DOMWindow::Confirm(const nsAString&, PRBool* _retval) {
  if (_retval)
    *_retval = PR_FALSE;
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DOMWindow::Prompt(const nsAString&, const nsAString&, const nsAString&, PRUint32,
                                nsAString& _retval) {
  _retval.Truncate();
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DOMWindow::Focus(void) {
  DocShell* own = shell();
  if (!own || !own->owner())
    return NS_ERROR_FAILURE;
  return own->owner()->focusShell(*own) ? NS_OK : NS_ERROR_FAILURE;
}

NS_IMETHODIMP DOMWindow::Blur(void) {
  DocShell* own = shell();
  if (!own || !own->owner())
    return NS_ERROR_FAILURE;
  // Focus goes back to the top of the tab, if it was here.
  if (own->owner()->focusedShell() == own && own->sameTypeParent()) {
    own->owner()->focusShell(own->sameTypeRoot());
  }
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::Back(void) {
  DocShell* own = shell();
  if (!own)
    return NS_ERROR_FAILURE;
  nsresult rv = own->GoBack();
  if (own->owner())
    own->owner()->flush();
  return rv;
}

NS_IMETHODIMP DOMWindow::Forward(void) {
  DocShell* own = shell();
  if (!own)
    return NS_ERROR_FAILURE;
  nsresult rv = own->GoForward();
  if (own->owner())
    own->owner()->flush();
  return rv;
}

NS_IMETHODIMP DOMWindow::Home(void) {
  DocShell* own = shell();
  XULWindow* window = own ? own->owner() : nullptr;
  if (!window || window->homePage().empty())
    return NS_ERROR_FAILURE;
  own->sameTypeRoot().loadUrl(window->homePage());
  window->flush();
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::Stop(void) {
  DocShell* own = shell();
  return own ? own->Stop(0) : NS_ERROR_FAILURE;
}

NS_IMETHODIMP DOMWindow::Print(void) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DOMWindow::MoveTo(PRInt32 xPos, PRInt32 yPos) {
  return moveOwnerTo(xPos, yPos);
}

NS_IMETHODIMP DOMWindow::MoveBy(PRInt32 xDif, PRInt32 yDif) {
  PRInt32 x = 0, y = 0;
  GetScreenX(&x);
  GetScreenY(&y);
  return moveOwnerTo(x + xDif, y + yDif);
}

NS_IMETHODIMP DOMWindow::ResizeTo(PRInt32 width, PRInt32 height) {
  return sizeOwnerTo(width, height);
}

NS_IMETHODIMP DOMWindow::ResizeBy(PRInt32 widthDif, PRInt32 heightDif) {
  PRInt32 width = 0, height = 0;
  GetOuterWidth(&width);
  GetOuterHeight(&height);
  return sizeOwnerTo(width + widthDif, height + heightDif);
}

NS_IMETHODIMP DOMWindow::Scroll(PRInt32 xScroll, PRInt32 yScroll) {
  return scrollDocumentTo(xScroll, yScroll);
}

// Windows are opened and closed by the host's control side, not by pages.
NS_IMETHODIMP DOMWindow::Open(const nsAString&, const nsAString&, const nsAString&,
                              nsIDOMWindow** _retval) {
  return notImplemented(_retval);
}

NS_IMETHODIMP DOMWindow::OpenDialog(const nsAString&, const nsAString&, const nsAString&,
                                    nsISupports*, nsIDOMWindow** _retval) {
  return notImplemented(_retval);
}

NS_IMETHODIMP DOMWindow::Close(void) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DOMWindow::UpdateCommands(const nsAString&) {
  return NS_OK;  // no command updaters are registered anywhere in the host
}

NS_IMETHODIMP DOMWindow::Find(const nsAString&, PRBool, PRBool, PRBool, PRBool, PRBool, PRBool,
                              PRBool* _retval) {
  if (_retval)
    *_retval = PR_FALSE;
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DOMWindow::Atob(const nsAString& aAsciiString, nsAString& _retval) {
  std::u16string input;
  for (char16_t c : u16FromString(aAsciiString)) {
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\f')
      input.push_back(c);
  }
  while (!input.empty() && input.back() == '=' && input.size() % 4 != 1)
    input.pop_back();
  if (input.size() % 4 == 1)
    return NS_ERROR_INVALID_ARG;
  std::u16string output;
  unsigned bits = 0;
  int count = 0;
  for (char16_t c : input) {
    int value = base64Value(c);
    if (value < 0)
      return NS_ERROR_INVALID_ARG;
    bits = (bits << 6) | static_cast<unsigned>(value);
    count += 6;
    if (count >= 8) {
      count -= 8;
      output.push_back(static_cast<char16_t>((bits >> count) & 0xff));
    }
  }
  assignU16(_retval, output);
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::Btoa(const nsAString& aBase64Data, nsAString& _retval) {
  std::u16string input = u16FromString(aBase64Data);
  std::u16string output;
  for (size_t i = 0; i < input.size(); i += 3) {
    unsigned chunk = 0;
    size_t taken = std::min<size_t>(3, input.size() - i);
    for (size_t j = 0; j < 3; ++j) {
      char16_t c = j < taken ? input[i + j] : 0;
      if (c > 0xff)
        return NS_ERROR_INVALID_ARG;  // only Latin-1 can be encoded
      chunk = (chunk << 8) | c;
    }
    for (size_t j = 0; j < 4; ++j) {
      output.push_back(j <= taken ? static_cast<char16_t>(kBase64[(chunk >> (18 - 6 * j)) & 63])
                                  : u'=');
    }
  }
  assignU16(_retval, output);
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::GetFrameElement(nsIDOMElement** aFrameElement) {
  if (!aFrameElement)
    return NS_ERROR_NULL_POINTER;
  *aFrameElement = nullptr;
  // A page never sees past its tab: the chrome's browser element is not its frame element.
  DocShell* own = shell();
  if (!own || !own->sameTypeParent())
    return NS_OK;
  faces::domElement(own->frameElement()).forget(aFrameElement);
  return NS_OK;
}

NS_IMETHODIMP DOMWindow::ShowModalDialog(const nsAString&, nsIVariant*, const nsAString&,
                                         nsIVariant** _retval) {
  return notImplemented(_retval);
}

NS_IMETHODIMP DOMWindow::PostMessage(const nsAString&, const nsAString&) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

// --- nsPIDOMWindow ---------------------------------------------------------------------------

nsPIDOMWindow* DOMWindow::GetPrivateRoot() {
  DocShell* own = shell();
  return own ? static_cast<nsPIDOMWindow*>(own->root().outer()) : nullptr;
}

nsIDOMDocument* DOMWindow::GetExtantDocument() const {
  // The DOM keeps one interface object per node, so the pointer outlives this reference.
  return faces::domDocument(const_cast<DOMWindow*>(this)->document()).get();
}

nsIDOMElement* DOMWindow::GetFrameElementInternal() const {
  DocShell* own = const_cast<DOMWindow*>(this)->shell();
  return own ? faces::domElement(own->frameElement()).get() : nullptr;
}

// --- nsIInterfaceRequestor -------------------------------------------------------------------

NS_IMETHODIMP DOMWindow::GetInterface(const nsIID& aIID, void** aResult) {
  if (!aResult)
    return NS_ERROR_NULL_POINTER;
  *aResult = nullptr;
  if (aIID.Equals(NS_GET_IID(nsIDOMWindowUtils))) {
    if (!mUtils)
      mUtils = new WindowUtils(*this);
    nsCOMPtr<nsIDOMWindowUtils> utils = mUtils.get();
    utils.forget(reinterpret_cast<nsIDOMWindowUtils**>(aResult));
    return NS_OK;
  }
  if (aIID.Equals(NS_GET_IID(nsIDocShell)) || aIID.Equals(NS_GET_IID(nsIWebNavigation)) ||
      aIID.Equals(NS_GET_IID(nsIBaseWindow)) || aIID.Equals(NS_GET_IID(nsIDocShellTreeItem)) ||
      aIID.Equals(NS_GET_IID(nsIDocShellTreeNode))) {
    DocShell* own = shell();
    return own ? own->QueryInterface(aIID, aResult) : NS_ERROR_NO_INTERFACE;
  }
  return QueryInterface(aIID, aResult);
}

// --- nsIScriptGlobalObject -------------------------------------------------------------------

nsresult DOMWindow::EnsureScriptEnvironment(PRUint32 aLangID) {
  return GetScriptContext(aLangID) ? NS_OK : NS_ERROR_NOT_AVAILABLE;
}

nsIScriptContext* DOMWindow::GetScriptContext(PRUint32 lang) {
  InnerWindow* global = scriptWindow();
  if (!global)
    return nullptr;
  auto found = global->mScriptContexts.find(lang);
  return found == global->mScriptContexts.end() ? nullptr : found->second.get();
}

void* DOMWindow::GetScriptGlobal(PRUint32 lang) {
  nsIScriptContext* context = GetScriptContext(lang);
  return context ? context->GetNativeGlobal() : nullptr;
}

nsresult DOMWindow::SetScriptContext(PRUint32 lang, nsIScriptContext* aContext) {
  InnerWindow* global = scriptWindow();
  if (!global)
    return NS_ERROR_FAILURE;
  if (aContext) {
    global->mScriptContexts[lang] = aContext;
  } else {
    global->mScriptContexts.erase(lang);
  }
  return NS_OK;
}

}  // namespace geckohost
