// The Gecko interface headers: their IIDs, and the NS_DECL_ and NS_FORWARD_ macros that
// implementations use.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "nsCOMPtr.h"
#include "nsIAccessible.h"
#include "nsIAccessibleRetrieval.h"
#include "nsIAtom.h"
#include "nsIBaseWindow.h"
#include "nsIBoxObject.h"
#include "nsIComboboxControlFrame.h"
#include "nsIContent.h"
#include "nsIContentViewer.h"
#include "nsICookie.h"
#include "nsICookieManager.h"
#include "nsIDOM3Node.h"
#include "nsIDOMAttr.h"
#include "nsIDOMCharacterData.h"
#include "nsIDOMComment.h"
#include "nsIDOMDocument.h"
#include "nsIDOMDocumentFragment.h"
#include "nsIDOMDocumentXBL.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMHTMLAppletElement.h"
#include "nsIDOMHTMLAreaElement.h"
#include "nsIDOMHTMLBodyElement.h"
#include "nsIDOMHTMLButtonElement.h"
#include "nsIDOMHTMLCollection.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMHTMLEmbedElement.h"
#include "nsIDOMHTMLFormElement.h"
#include "nsIDOMHTMLFrameElement.h"
#include "nsIDOMHTMLFrameSetElement.h"
#include "nsIDOMHTMLHtmlElement.h"
#include "nsIDOMHTMLIFrameElement.h"
#include "nsIDOMHTMLImageElement.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLMapElement.h"
#include "nsIDOMHTMLObjectElement.h"
#include "nsIDOMHTMLOptionElement.h"
#include "nsIDOMHTMLOptionsCollection.h"
#include "nsIDOMHTMLScriptElement.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMHTMLTableCaptionElement.h"
#include "nsIDOMHTMLTableCellElement.h"
#include "nsIDOMHTMLTableElement.h"
#include "nsIDOMHTMLTableRowElement.h"
#include "nsIDOMHTMLTableSectionElement.h"
#include "nsIDOMHTMLTextAreaElement.h"
#include "nsIDOMNSDocument.h"
#include "nsIDOMNSElement.h"
#include "nsIDOMNSHTMLElement.h"
#include "nsIDOMNamedNodeMap.h"
#include "nsIDOMNode.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMText.h"
#include "nsIDOMWindow.h"
#include "nsIDOMWindow2.h"
#include "nsIDOMWindowCollection.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDOMWindowUtils.h"
#include "nsIDOMXULCommandDispatcher.h"
#include "nsIDOMXULDocument.h"
#include "nsIDOMXULElement.h"
#include "nsIDocShell.h"
#include "nsIDocShellTreeItem.h"
#include "nsIDocShellTreeNode.h"
#include "nsIDocument.h"
#include "nsIDocumentViewer.h"
#include "nsIFrame.h"
#include "nsIPresShell.h"
#include "nsIPrincipal.h"
#include "nsIProgrammingLanguage.h"
#include "nsIScriptContext.h"
#include "nsIScriptGlobalObject.h"
#include "nsIScriptSecurityManager.h"
#include "nsIURI.h"
#include "nsIView.h"
#include "nsIViewManager.h"
#include "nsIWebNavigation.h"
#include "nsIWidget.h"
#include "nsIWindowMediator.h"
#include "nsIXULWindow.h"
#include "nsMemory.h"
#include "nsPIDOMWindow.h"
#include "nsQueryFrame.h"

namespace {

struct IIDEntry {
  const char* name;
  nsIID accessor;    // NS_GET_IID(interface)
  nsIID macro;       // NS_I..._IID
  const char* text;  // NS_I..._IID_STR, for the headers made from .idl files
};

#define IDL_IID(iface, macro) \
  { #iface, NS_GET_IID(iface), macro, macro##_STR }
#define CLASS_IID(iface, macro) \
  { #iface, NS_GET_IID(iface), macro, nullptr }

const std::vector<IIDEntry>& allInterfaces() {
  static const std::vector<IIDEntry> entries = {
      IDL_IID(nsIAccessible, NS_IACCESSIBLE_IID),
      IDL_IID(nsIAccessibleRetrieval, NS_IACCESSIBLERETRIEVAL_IID),
      IDL_IID(nsIAtom, NS_IATOM_IID),
      IDL_IID(nsIBaseWindow, NS_IBASEWINDOW_IID),
      IDL_IID(nsIBoxObject, NS_IBOXOBJECT_IID),
      IDL_IID(nsIContentViewer, NS_ICONTENTVIEWER_IID),
      IDL_IID(nsICookie, NS_ICOOKIE_IID),
      IDL_IID(nsICookieManager, NS_ICOOKIEMANAGER_IID),
      IDL_IID(nsIDOM3Node, NS_IDOM3NODE_IID),
      IDL_IID(nsIDOMAttr, NS_IDOMATTR_IID),
      IDL_IID(nsIDOMCharacterData, NS_IDOMCHARACTERDATA_IID),
      IDL_IID(nsIDOMComment, NS_IDOMCOMMENT_IID),
      IDL_IID(nsIDOMDocument, NS_IDOMDOCUMENT_IID),
      IDL_IID(nsIDOMDocumentFragment, NS_IDOMDOCUMENTFRAGMENT_IID),
      IDL_IID(nsIDOMDocumentXBL, NS_IDOMDOCUMENTXBL_IID),
      IDL_IID(nsIDOMElement, NS_IDOMELEMENT_IID),
      IDL_IID(nsIDOMHTMLAnchorElement, NS_IDOMHTMLANCHORELEMENT_IID),
      IDL_IID(nsIDOMHTMLAppletElement, NS_IDOMHTMLAPPLETELEMENT_IID),
      IDL_IID(nsIDOMHTMLAreaElement, NS_IDOMHTMLAREAELEMENT_IID),
      IDL_IID(nsIDOMHTMLBodyElement, NS_IDOMHTMLBODYELEMENT_IID),
      IDL_IID(nsIDOMHTMLButtonElement, NS_IDOMHTMLBUTTONELEMENT_IID),
      IDL_IID(nsIDOMHTMLCollection, NS_IDOMHTMLCOLLECTION_IID),
      IDL_IID(nsIDOMHTMLDocument, NS_IDOMHTMLDOCUMENT_IID),
      IDL_IID(nsIDOMHTMLElement, NS_IDOMHTMLELEMENT_IID),
      IDL_IID(nsIDOMHTMLEmbedElement, NS_IDOMHTMLEMBEDELEMENT_IID),
      IDL_IID(nsIDOMHTMLFormElement, NS_IDOMHTMLFORMELEMENT_IID),
      IDL_IID(nsIDOMHTMLFrameElement, NS_IDOMHTMLFRAMEELEMENT_IID),
      IDL_IID(nsIDOMHTMLFrameSetElement, NS_IDOMHTMLFRAMESETELEMENT_IID),
      IDL_IID(nsIDOMHTMLHtmlElement, NS_IDOMHTMLHTMLELEMENT_IID),
      IDL_IID(nsIDOMHTMLIFrameElement, NS_IDOMHTMLIFRAMEELEMENT_IID),
      IDL_IID(nsIDOMHTMLImageElement, NS_IDOMHTMLIMAGEELEMENT_IID),
      IDL_IID(nsIDOMHTMLInputElement, NS_IDOMHTMLINPUTELEMENT_IID),
      IDL_IID(nsIDOMHTMLMapElement, NS_IDOMHTMLMAPELEMENT_IID),
      IDL_IID(nsIDOMHTMLObjectElement, NS_IDOMHTMLOBJECTELEMENT_IID),
      IDL_IID(nsIDOMHTMLOptionElement, NS_IDOMHTMLOPTIONELEMENT_IID),
      IDL_IID(nsIDOMHTMLOptionsCollection, NS_IDOMHTMLOPTIONSCOLLECTION_IID),
      IDL_IID(nsIDOMHTMLScriptElement, NS_IDOMHTMLSCRIPTELEMENT_IID),
      IDL_IID(nsIDOMHTMLSelectElement, NS_IDOMHTMLSELECTELEMENT_IID),
      IDL_IID(nsIDOMHTMLTableCaptionElement, NS_IDOMHTMLTABLECAPTIONELEMENT_IID),
      IDL_IID(nsIDOMHTMLTableCellElement, NS_IDOMHTMLTABLECELLELEMENT_IID),
      IDL_IID(nsIDOMHTMLTableElement, NS_IDOMHTMLTABLEELEMENT_IID),
      IDL_IID(nsIDOMHTMLTableRowElement, NS_IDOMHTMLTABLEROWELEMENT_IID),
      IDL_IID(nsIDOMHTMLTableSectionElement, NS_IDOMHTMLTABLESECTIONELEMENT_IID),
      IDL_IID(nsIDOMHTMLTextAreaElement, NS_IDOMHTMLTEXTAREAELEMENT_IID),
      IDL_IID(nsIDOMNSDocument, NS_IDOMNSDOCUMENT_IID),
      IDL_IID(nsIDOMNSElement, NS_IDOMNSELEMENT_IID),
      IDL_IID(nsIDOMNSHTMLElement, NS_IDOMNSHTMLELEMENT_IID),
      IDL_IID(nsIDOMNamedNodeMap, NS_IDOMNAMEDNODEMAP_IID),
      IDL_IID(nsIDOMNode, NS_IDOMNODE_IID),
      IDL_IID(nsIDOMNodeList, NS_IDOMNODELIST_IID),
      IDL_IID(nsIDOMText, NS_IDOMTEXT_IID),
      IDL_IID(nsIDOMWindow, NS_IDOMWINDOW_IID),
      IDL_IID(nsIDOMWindow2, NS_IDOMWINDOW2_IID),
      IDL_IID(nsIDOMWindowCollection, NS_IDOMWINDOWCOLLECTION_IID),
      IDL_IID(nsIDOMWindowInternal, NS_IDOMWINDOWINTERNAL_IID),
      IDL_IID(nsIDOMWindowUtils, NS_IDOMWINDOWUTILS_IID),
      IDL_IID(nsIDOMXULCommandDispatcher, NS_IDOMXULCOMMANDDISPATCHER_IID),
      IDL_IID(nsIDOMXULDocument, NS_IDOMXULDOCUMENT_IID),
      IDL_IID(nsIDOMXULElement, NS_IDOMXULELEMENT_IID),
      IDL_IID(nsIDocShell, NS_IDOCSHELL_IID),
      IDL_IID(nsIDocShellTreeItem, NS_IDOCSHELLTREEITEM_IID),
      IDL_IID(nsIDocShellTreeNode, NS_IDOCSHELLTREENODE_IID),
      IDL_IID(nsIPrincipal, NS_IPRINCIPAL_IID),
      IDL_IID(nsIProgrammingLanguage, NS_IPROGRAMMINGLANGUAGE_IID),
      IDL_IID(nsIScriptSecurityManager, NS_ISCRIPTSECURITYMANAGER_IID),
      IDL_IID(nsIURI, NS_IURI_IID),
      IDL_IID(nsIWebNavigation, NS_IWEBNAVIGATION_IID),
      IDL_IID(nsIWindowMediator, NS_IWINDOWMEDIATOR_IID),
      IDL_IID(nsIXULWindow, NS_IXULWINDOW_IID),
      CLASS_IID(nsIContent, NS_ICONTENT_IID),
      CLASS_IID(nsIDocument, NS_IDOCUMENT_IID),
      CLASS_IID(nsIDocumentViewer, NS_IDOCUMENT_VIEWER_IID),
      CLASS_IID(nsIPresShell, NS_IPRESSHELL_IID),
      CLASS_IID(nsIScriptContext, NS_ISCRIPTCONTEXT_IID),
      CLASS_IID(nsIScriptGlobalObject, NS_ISCRIPTGLOBALOBJECT_IID),
      CLASS_IID(nsIView, NS_IVIEW_IID),
      CLASS_IID(nsIViewManager, NS_IVIEWMANAGER_IID),
      CLASS_IID(nsIWidget, NS_IWIDGET_IID),
      CLASS_IID(nsPIDOMWindow, NS_PIDOMWINDOW_IID),
  };
  return entries;
}

// Headers that declare frame interfaces, which have frame ids instead of IIDs.
const char* const kHeadersWithoutIID[] = {"nsQueryFrame.h", "nsIFrame.h",
                                          "nsIComboboxControlFrame.h"};

// Interface ids of older Gecko releases that code tries after the current ones; no current
// interface may answer to them.
const char* const kFallbackIIDs[] = {
    "9d059608-ddb0-4e6a-9969-d2f363a1b557", "5d72a699-a252-4161-a45f-e7d35e78b7f3",
    "c81acf0b-2539-47ab-a604-64040763c83d", "a492d7cf-1777-4c7a-aa8f-9408280555c9",
    "21c6a9cb-163f-3dc2-3320-1cb17fa017c4", "d7c47f55-480b-4a60-9adf-ca49873c71e2",
};

std::string text(const nsIID& iid) {
  char buffer[39];
  iid.ToProvidedString(buffer);
  return buffer;
}

TEST(InterfaceHeadersTest, EveryInterfaceHasItsOwnIID) {
  const std::vector<IIDEntry>& entries = allInterfaces();
  // A header added to the folder without an entry here would go unchecked.
  std::string withoutIID;
  for (const char* header : kHeadersWithoutIID)
    withoutIID += std::string(" ") + header;
  EXPECT_EQ(entries.size() + NS_ARRAY_LENGTH(kHeadersWithoutIID), size_t(GECKO_HEADER_COUNT))
      << "headers: one entry each here, but for those without an IID:" << withoutIID;

  std::vector<nsIID> fallbacks;
  for (const char* fallbackText : kFallbackIIDs) {
    nsIID fallback;
    ASSERT_TRUE(fallback.Parse(fallbackText)) << fallbackText;
    fallbacks.push_back(fallback);
  }

  for (size_t i = 0; i < entries.size(); ++i) {
    const IIDEntry& entry = entries[i];
    EXPECT_TRUE(entry.accessor.Equals(entry.macro)) << entry.name;
    if (entry.text) {
      nsIID parsed;
      ASSERT_TRUE(parsed.Parse(entry.text)) << entry.name;
      EXPECT_TRUE(parsed.Equals(entry.macro)) << entry.name << ": " << entry.text;
    }
    EXPECT_FALSE(entry.macro.Equals(NS_GET_IID(nsISupports))) << entry.name;
    for (const nsIID& fallback : fallbacks) {
      EXPECT_FALSE(entry.macro.Equals(fallback)) << entry.name << " reuses " << text(fallback);
    }
    for (size_t j = i + 1; j < entries.size(); ++j) {
      EXPECT_FALSE(entry.macro.Equals(entries[j].macro))
          << entry.name << " and " << entries[j].name << " share " << text(entry.macro);
    }
  }
}

// A box object implemented through NS_DECL_NSIBOXOBJECT, answering distinct values.
class DeclaredBox final : public nsIBoxObject {
 public:
  explicit DeclaredBox(int* destroyed) : mDestroyed(destroyed) {}

  NS_IMETHOD QueryInterface(const nsIID& aIID, void** aResult) override {
    if (!aIID.Equals(NS_GET_IID(nsIBoxObject)) && !aIID.Equals(NS_GET_IID(nsISupports))) {
      *aResult = nullptr;
      return NS_ERROR_NO_INTERFACE;
    }
    *aResult = static_cast<nsIBoxObject*>(this);
    AddRef();
    return NS_OK;
  }
  NS_IMETHOD_(nsrefcnt) AddRef() override { return ++mRefCnt; }
  NS_IMETHOD_(nsrefcnt) Release() override {
    nsrefcnt count = --mRefCnt;
    if (count == 0) {
      ++*mDestroyed;
      delete this;
    }
    return count;
  }

  NS_DECL_NSIBOXOBJECT

  std::u16string mPropertyName;
  std::u16string mPropertyValue;
  nsISupports* mSupportsValue = nullptr;  // weak

 private:
  ~DeclaredBox() = default;

  int* mDestroyed;
  nsrefcnt mRefCnt = 0;
};

NS_IMETHODIMP DeclaredBox::GetElement(nsIDOMElement** aElement) {
  *aElement = nullptr;
  return NS_ERROR_NOT_AVAILABLE;
}
NS_IMETHODIMP DeclaredBox::GetX(PRInt32* aX) {
  *aX = 1;
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::GetY(PRInt32* aY) {
  *aY = 2;
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::GetScreenX(PRInt32* aScreenX) {
  *aScreenX = 30;
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::GetScreenY(PRInt32* aScreenY) {
  *aScreenY = 40;
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::GetWidth(PRInt32* aWidth) {
  *aWidth = 500;
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::GetHeight(PRInt32* aHeight) {
  *aHeight = 600;
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::GetPropertyAsSupports(const PRUnichar* propertyName,
                                                 nsISupports** _retval) {
  *_retval = mSupportsValue;
  NS_IF_ADDREF(*_retval);
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::SetPropertyAsSupports(const PRUnichar* propertyName,
                                                 nsISupports* value) {
  mSupportsValue = value;
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::GetProperty(const PRUnichar* propertyName, PRUnichar** _retval) {
  if (mPropertyName != reinterpret_cast<const char16_t*>(propertyName)) {
    *_retval = nullptr;
    return NS_ERROR_NOT_AVAILABLE;
  }
  size_t bytes = (mPropertyValue.size() + 1) * sizeof(PRUnichar);
  *_retval = static_cast<PRUnichar*>(nsMemory::Clone(mPropertyValue.c_str(), bytes));
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::SetProperty(const PRUnichar* propertyName,
                                       const PRUnichar* propertyValue) {
  mPropertyName = reinterpret_cast<const char16_t*>(propertyName);
  mPropertyValue = reinterpret_cast<const char16_t*>(propertyValue);
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::RemoveProperty(const PRUnichar* propertyName) {
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP DeclaredBox::GetParentBox(nsIDOMElement** aParentBox) {
  *aParentBox = nullptr;
  return NS_ERROR_NOT_AVAILABLE;
}
NS_IMETHODIMP DeclaredBox::GetFirstChild(nsIDOMElement** aFirstChild) {
  *aFirstChild = nullptr;
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::GetLastChild(nsIDOMElement** aLastChild) {
  *aLastChild = nullptr;
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::GetNextSibling(nsIDOMElement** aNextSibling) {
  *aNextSibling = nullptr;
  return NS_OK;
}
NS_IMETHODIMP DeclaredBox::GetPreviousSibling(nsIDOMElement** aPreviousSibling) {
  *aPreviousSibling = nullptr;
  return NS_OK;
}

// A box object that hands every call to another one through NS_FORWARD_NSIBOXOBJECT; it
// answers no interface of its own and keeps the box it forwards to alive.
class ForwardingBox final : public nsIBoxObject {
 public:
  ForwardingBox(nsIBoxObject* target, int* destroyed) : mTarget(target), mDestroyed(destroyed) {}

  NS_IMETHOD QueryInterface(const nsIID& aIID, void** aResult) override {
    *aResult = nullptr;
    if (!aIID.Equals(NS_GET_IID(nsIBoxObject)) && !aIID.Equals(NS_GET_IID(nsISupports))) {
      return NS_ERROR_NO_INTERFACE;
    }
    *aResult = static_cast<nsIBoxObject*>(this);
    AddRef();
    return NS_OK;
  }
  NS_IMETHOD_(nsrefcnt) AddRef() override { return ++mRefCnt; }
  NS_IMETHOD_(nsrefcnt) Release() override {
    nsrefcnt count = --mRefCnt;
    if (count == 0) {
      ++*mDestroyed;
      delete this;
    }
    return count;
  }

  NS_FORWARD_NSIBOXOBJECT(mTarget->)

 private:
  ~ForwardingBox() = default;

  nsCOMPtr<nsIBoxObject> mTarget;
  int* mDestroyed;
  nsrefcnt mRefCnt = 0;
};

std::u16string takeString(PRUnichar* owned) {
  std::u16string copy = owned ? reinterpret_cast<const char16_t*>(owned) : u"";
  nsMemory::Free(owned);
  return copy;
}

TEST(InterfaceHeadersTest, DeclaredAndForwardedMethodsDispatchThroughTheInterface) {
  int destroyed = 0;
  {
    DeclaredBox* declared = new DeclaredBox(&destroyed);
    nsCOMPtr<nsIBoxObject> inner = declared;
    nsCOMPtr<nsIBoxObject> outer = new ForwardingBox(inner, &destroyed);

    // Each position answers its own value, so a forward to the wrong method shows.
    for (nsIBoxObject* box : {inner.get(), outer.get()}) {
      PRInt32 x = 0, y = 0, screenX = 0, screenY = 0, width = 0, height = 0;
      EXPECT_EQ(box->GetX(&x), NS_OK);
      EXPECT_EQ(box->GetY(&y), NS_OK);
      EXPECT_EQ(box->GetScreenX(&screenX), NS_OK);
      EXPECT_EQ(box->GetScreenY(&screenY), NS_OK);
      EXPECT_EQ(box->GetWidth(&width), NS_OK);
      EXPECT_EQ(box->GetHeight(&height), NS_OK);
      EXPECT_EQ(x, 1);
      EXPECT_EQ(y, 2);
      EXPECT_EQ(screenX, 30);
      EXPECT_EQ(screenY, 40);
      EXPECT_EQ(width, 500);
      EXPECT_EQ(height, 600);
    }

    // Arguments and out-parameters cross the forward unchanged, and results come back.
    EXPECT_EQ(outer->SetProperty(reinterpret_cast<const PRUnichar*>(u"label"),
                                 reinterpret_cast<const PRUnichar*>(u"Back")),
              NS_OK);
    EXPECT_EQ(declared->mPropertyName, u"label");
    EXPECT_EQ(declared->mPropertyValue, u"Back");
    PRUnichar* value = nullptr;
    EXPECT_EQ(outer->GetProperty(reinterpret_cast<const PRUnichar*>(u"label"), &value), NS_OK);
    EXPECT_EQ(takeString(value), u"Back");
    value = nullptr;
    EXPECT_EQ(outer->GetProperty(reinterpret_cast<const PRUnichar*>(u"other"), &value),
              NS_ERROR_NOT_AVAILABLE);
    EXPECT_EQ(value, nullptr);
    EXPECT_EQ(outer->RemoveProperty(reinterpret_cast<const PRUnichar*>(u"label")),
              NS_ERROR_NOT_IMPLEMENTED);

    EXPECT_EQ(outer->SetPropertyAsSupports(reinterpret_cast<const PRUnichar*>(u"self"), inner),
              NS_OK);
    nsCOMPtr<nsISupports> supports;
    EXPECT_EQ(outer->GetPropertyAsSupports(reinterpret_cast<const PRUnichar*>(u"self"),
                                           getter_AddRefs(supports)),
              NS_OK);
    EXPECT_EQ(supports.get(), static_cast<nsISupports*>(declared));

    nsIDOMElement* element = reinterpret_cast<nsIDOMElement*>(&destroyed);
    EXPECT_EQ(outer->GetParentBox(&element), NS_ERROR_NOT_AVAILABLE);
    EXPECT_EQ(element, nullptr);
    EXPECT_EQ(destroyed, 0);
  }
  EXPECT_EQ(destroyed, 2);
}

// A frame that is a list control frame and nothing else.
class ListFrame final : public nsIFrame {
 public:
  void* QueryFrame(FrameIID id) override {
    asked.push_back(id);
    if (id == nsIFrame_id)
      return static_cast<nsIFrame*>(this);
    if (id == nsListControlFrame_id)
      return this;
    return nullptr;
  }
  nsIContent* GetContent() const override { return nullptr; }
  nsIFrame* GetParent() const override { return nullptr; }
  nsRect GetRect() const override { return nsRect(0, 0, 60, 120); }
  nsIView* GetView() const override { return nullptr; }
  nsIFrame* GetNextSibling() const override { return nullptr; }

  std::vector<FrameIID> asked;
};

TEST(InterfaceHeadersTest, QueryFrameAsksForTheTargetsFrameId) {
  ListFrame list;
  nsIFrame* asFrame = do_QueryFrame(&list);
  EXPECT_EQ(asFrame, &list);
  nsIComboboxControlFrame* asCombo = do_QueryFrame(&list);
  EXPECT_EQ(asCombo, nullptr);
  ASSERT_EQ(list.asked.size(), 2u);
  EXPECT_EQ(list.asked[0], nsQueryFrame::nsIFrame_id);
  EXPECT_EQ(list.asked[1], nsQueryFrame::nsIComboboxControlFrame_id);

  nsIFrame* none = do_QueryFrame(static_cast<nsQueryFrame*>(nullptr));
  EXPECT_EQ(none, nullptr);
}

// A script global with one context and one global object per language.
class ScriptGlobal final : public nsIScriptGlobalObject {
 public:
  NS_IMETHOD QueryInterface(const nsIID&, void** aResult) override {
    *aResult = nullptr;
    return NS_ERROR_NO_INTERFACE;
  }
  NS_IMETHOD_(nsrefcnt) AddRef() override { return 1; }
  NS_IMETHOD_(nsrefcnt) Release() override { return 1; }
  nsresult EnsureScriptEnvironment(PRUint32) override { return NS_OK; }
  nsIScriptContext* GetScriptContext(PRUint32 lang) override {
    return reinterpret_cast<nsIScriptContext*>(&contexts[lang]);
  }
  void* GetScriptGlobal(PRUint32 lang) override { return &globals[lang]; }
  nsresult SetScriptContext(PRUint32, nsIScriptContext*) override { return NS_OK; }

  int contexts[8] = {};
  int globals[8] = {};
};

TEST(InterfaceHeadersTest, ScriptGlobalShortcutsNameJavaScript) {
  ScriptGlobal global;
  EXPECT_EQ(static_cast<void*>(global.GetContext()), &global.contexts[2]);
  EXPECT_EQ(static_cast<void*>(global.GetGlobalJSObject()), &global.globals[2]);
}

// Compile-time checks of every interface made from an .idl file: a class that implements the
// interface with the NS_DECL_ macros of the interface and its bases is complete, and so is a
// class that implements it with the NS_FORWARD_ macros. A method missing from a macro leaves
// the class abstract; a macro entry whose signature differs from the interface's does not
// compile (every entry overrides), nor does a forward that passes the wrong arguments.
#define CHECK_DECL(iface, ...)                                                               \
  namespace declared_##iface {                                                               \
    class Impl final : public iface {                                                        \
     public:                                                                                 \
      NS_IMETHOD QueryInterface(const nsIID&, void**) override;                              \
      NS_IMETHOD_(nsrefcnt) AddRef() override;                                               \
      NS_IMETHOD_(nsrefcnt) Release() override;                                              \
      __VA_ARGS__                                                                            \
    };                                                                                       \
    static_assert(!std::is_abstract<Impl>::value, "NS_DECL_ of " #iface " misses a method"); \
  }

#define CHECK_FORWARD(iface, ...)                                                               \
  namespace forwarded_##iface {                                                                 \
    class Impl final : public iface {                                                           \
     public:                                                                                    \
      NS_IMETHOD QueryInterface(const nsIID&, void**) override;                                 \
      NS_IMETHOD_(nsrefcnt) AddRef() override;                                                  \
      NS_IMETHOD_(nsrefcnt) Release() override;                                                 \
      __VA_ARGS__                                                                               \
      iface* mTarget;                                                                           \
    };                                                                                          \
    static_assert(!std::is_abstract<Impl>::value, "NS_FORWARD_ of " #iface " misses a method"); \
  }

#define CHECK_OWN(iface, NAME)      \
  CHECK_DECL(iface, NS_DECL_##NAME) \
  CHECK_FORWARD(iface, NS_FORWARD_##NAME(mTarget->))

#define NODE_DECLS NS_DECL_NSIDOMNODE
#define NODE_FORWARDS NS_FORWARD_NSIDOMNODE(mTarget->)
#define ELEMENT_DECLS NODE_DECLS NS_DECL_NSIDOMELEMENT
#define ELEMENT_FORWARDS NODE_FORWARDS NS_FORWARD_NSIDOMELEMENT(mTarget->)
#define HTML_DECLS ELEMENT_DECLS NS_DECL_NSIDOMHTMLELEMENT
#define HTML_FORWARDS ELEMENT_FORWARDS NS_FORWARD_NSIDOMHTMLELEMENT(mTarget->)
#define CHARDATA_DECLS NODE_DECLS NS_DECL_NSIDOMCHARACTERDATA
#define CHARDATA_FORWARDS NODE_FORWARDS NS_FORWARD_NSIDOMCHARACTERDATA(mTarget->)
#define WINDOW2_DECLS NS_DECL_NSIDOMWINDOW NS_DECL_NSIDOMWINDOW2
#define WINDOW2_FORWARDS NS_FORWARD_NSIDOMWINDOW(mTarget->) NS_FORWARD_NSIDOMWINDOW2(mTarget->)

#define CHECK_WITH(iface, NAME, BASE)            \
  CHECK_DECL(iface, BASE##_DECLS NS_DECL_##NAME) \
  CHECK_FORWARD(iface, BASE##_FORWARDS NS_FORWARD_##NAME(mTarget->))

CHECK_OWN(nsIDOMNode, NSIDOMNODE)
CHECK_OWN(nsIDOMNodeList, NSIDOMNODELIST)
CHECK_OWN(nsIDOMNamedNodeMap, NSIDOMNAMEDNODEMAP)
CHECK_WITH(nsIDOMElement, NSIDOMELEMENT, NODE)
CHECK_WITH(nsIDOMAttr, NSIDOMATTR, NODE)
CHECK_WITH(nsIDOMCharacterData, NSIDOMCHARACTERDATA, NODE)
CHECK_WITH(nsIDOMText, NSIDOMTEXT, CHARDATA)
CHECK_WITH(nsIDOMComment, NSIDOMCOMMENT, CHARDATA)
CHECK_WITH(nsIDOMDocumentFragment, NSIDOMDOCUMENTFRAGMENT, NODE)
CHECK_WITH(nsIDOMDocument, NSIDOMDOCUMENT, NODE)
CHECK_DECL(nsIDOMHTMLDocument, NODE_DECLS NS_DECL_NSIDOMDOCUMENT NS_DECL_NSIDOMHTMLDOCUMENT)
CHECK_FORWARD(nsIDOMHTMLDocument, NODE_FORWARDS NS_FORWARD_NSIDOMDOCUMENT(mTarget->)
                                      NS_FORWARD_NSIDOMHTMLDOCUMENT(mTarget->))
CHECK_OWN(nsIDOM3Node, NSIDOM3NODE)
CHECK_OWN(nsIDOMNSElement, NSIDOMNSELEMENT)
CHECK_OWN(nsIDOMNSDocument, NSIDOMNSDOCUMENT)
CHECK_OWN(nsIDOMNSHTMLElement, NSIDOMNSHTMLELEMENT)
CHECK_OWN(nsIDOMDocumentXBL, NSIDOMDOCUMENTXBL)
CHECK_OWN(nsIDOMHTMLCollection, NSIDOMHTMLCOLLECTION)
CHECK_OWN(nsIDOMHTMLOptionsCollection, NSIDOMHTMLOPTIONSCOLLECTION)
CHECK_WITH(nsIDOMHTMLElement, NSIDOMHTMLELEMENT, ELEMENT)
CHECK_WITH(nsIDOMHTMLAnchorElement, NSIDOMHTMLANCHORELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLAppletElement, NSIDOMHTMLAPPLETELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLAreaElement, NSIDOMHTMLAREAELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLBodyElement, NSIDOMHTMLBODYELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLButtonElement, NSIDOMHTMLBUTTONELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLEmbedElement, NSIDOMHTMLEMBEDELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLFormElement, NSIDOMHTMLFORMELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLFrameElement, NSIDOMHTMLFRAMEELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLFrameSetElement, NSIDOMHTMLFRAMESETELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLHtmlElement, NSIDOMHTMLHTMLELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLIFrameElement, NSIDOMHTMLIFRAMEELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLImageElement, NSIDOMHTMLIMAGEELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLInputElement, NSIDOMHTMLINPUTELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLMapElement, NSIDOMHTMLMAPELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLObjectElement, NSIDOMHTMLOBJECTELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLOptionElement, NSIDOMHTMLOPTIONELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLScriptElement, NSIDOMHTMLSCRIPTELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLSelectElement, NSIDOMHTMLSELECTELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLTableCaptionElement, NSIDOMHTMLTABLECAPTIONELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLTableCellElement, NSIDOMHTMLTABLECELLELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLTableElement, NSIDOMHTMLTABLEELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLTableRowElement, NSIDOMHTMLTABLEROWELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLTableSectionElement, NSIDOMHTMLTABLESECTIONELEMENT, HTML)
CHECK_WITH(nsIDOMHTMLTextAreaElement, NSIDOMHTMLTEXTAREAELEMENT, HTML)
CHECK_OWN(nsIDOMWindow, NSIDOMWINDOW)
CHECK_DECL(nsIDOMWindow2, NS_DECL_NSIDOMWINDOW NS_DECL_NSIDOMWINDOW2)
CHECK_FORWARD(nsIDOMWindow2, NS_FORWARD_NSIDOMWINDOW(mTarget->) NS_FORWARD_NSIDOMWINDOW2(mTarget->))
CHECK_WITH(nsIDOMWindowInternal, NSIDOMWINDOWINTERNAL, WINDOW2)
CHECK_OWN(nsIDOMWindowCollection, NSIDOMWINDOWCOLLECTION)
CHECK_OWN(nsIDOMWindowUtils, NSIDOMWINDOWUTILS)
CHECK_OWN(nsIDOMXULDocument, NSIDOMXULDOCUMENT)
CHECK_WITH(nsIDOMXULElement, NSIDOMXULELEMENT, ELEMENT)
CHECK_OWN(nsIDOMXULCommandDispatcher, NSIDOMXULCOMMANDDISPATCHER)
CHECK_OWN(nsIBoxObject, NSIBOXOBJECT)
CHECK_OWN(nsIBaseWindow, NSIBASEWINDOW)
CHECK_OWN(nsIXULWindow, NSIXULWINDOW)
CHECK_OWN(nsIWindowMediator, NSIWINDOWMEDIATOR)
CHECK_OWN(nsIDocShell, NSIDOCSHELL)
CHECK_OWN(nsIDocShellTreeItem, NSIDOCSHELLTREEITEM)
CHECK_OWN(nsIDocShellTreeNode, NSIDOCSHELLTREENODE)
CHECK_OWN(nsIWebNavigation, NSIWEBNAVIGATION)
CHECK_OWN(nsIContentViewer, NSICONTENTVIEWER)
CHECK_OWN(nsIScriptSecurityManager, NSISCRIPTSECURITYMANAGER)
CHECK_OWN(nsIPrincipal, NSIPRINCIPAL)
CHECK_OWN(nsIAccessible, NSIACCESSIBLE)
CHECK_OWN(nsIAccessibleRetrieval, NSIACCESSIBLERETRIEVAL)
CHECK_OWN(nsICookie, NSICOOKIE)
CHECK_OWN(nsICookieManager, NSICOOKIEMANAGER)
CHECK_OWN(nsIURI, NSIURI)
CHECK_OWN(nsIProgrammingLanguage, NSIPROGRAMMINGLANGUAGE)

}  // namespace
