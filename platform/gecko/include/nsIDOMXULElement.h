// A XUL element: the XUL attributes it reflects, its box object, command dispatch and
// elements by attribute value below it.
#ifndef __gen_nsIDOMXULElement_h__
#define __gen_nsIDOMXULElement_h__

#include "nsIDOMElement.h"
#include "nsStringAPI.h"

class nsIBoxObject;
class nsIControllers;
class nsIDOMNodeList;
class nsIRDFCompositeDataSource;
class nsIRDFResource;
class nsIXULTemplateBuilder;

#define NS_IDOMXULELEMENT_IID_STR "30a4a815-b42a-4f0b-9c10-1e7f727cd135"

#define NS_IDOMXULELEMENT_IID                        \
  {                                                  \
    0x30a4a815, 0xb42a, 0x4f0b, {                    \
      0x9c, 0x10, 0x1e, 0x7f, 0x72, 0x7c, 0xd1, 0x35 \
    }                                                \
  }

class nsIDOMXULElement : public nsIDOMElement {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMXULELEMENT_IID)

  NS_IMETHOD GetId(nsAString& aId) = 0;
  NS_IMETHOD SetId(const nsAString& aId) = 0;
  NS_IMETHOD GetClassName(nsAString& aClassName) = 0;
  NS_IMETHOD SetClassName(const nsAString& aClassName) = 0;
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetDir(nsAString& aDir) = 0;
  NS_IMETHOD SetDir(const nsAString& aDir) = 0;
  NS_IMETHOD GetFlex(nsAString& aFlex) = 0;
  NS_IMETHOD SetFlex(const nsAString& aFlex) = 0;
  NS_IMETHOD GetFlexGroup(nsAString& aFlexGroup) = 0;
  NS_IMETHOD SetFlexGroup(const nsAString& aFlexGroup) = 0;
  NS_IMETHOD GetOrdinal(nsAString& aOrdinal) = 0;
  NS_IMETHOD SetOrdinal(const nsAString& aOrdinal) = 0;
  NS_IMETHOD GetOrient(nsAString& aOrient) = 0;
  NS_IMETHOD SetOrient(const nsAString& aOrient) = 0;
  NS_IMETHOD GetPack(nsAString& aPack) = 0;
  NS_IMETHOD SetPack(const nsAString& aPack) = 0;
  NS_IMETHOD GetHidden(PRBool* aHidden) = 0;
  NS_IMETHOD SetHidden(PRBool aHidden) = 0;
  NS_IMETHOD GetCollapsed(PRBool* aCollapsed) = 0;
  NS_IMETHOD SetCollapsed(PRBool aCollapsed) = 0;
  NS_IMETHOD GetObserves(nsAString& aObserves) = 0;
  NS_IMETHOD SetObserves(const nsAString& aObserves) = 0;
  NS_IMETHOD GetMenu(nsAString& aMenu) = 0;
  NS_IMETHOD SetMenu(const nsAString& aMenu) = 0;
  NS_IMETHOD GetContextMenu(nsAString& aContextMenu) = 0;
  NS_IMETHOD SetContextMenu(const nsAString& aContextMenu) = 0;
  NS_IMETHOD GetTooltip(nsAString& aTooltip) = 0;
  NS_IMETHOD SetTooltip(const nsAString& aTooltip) = 0;
  NS_IMETHOD GetWidth(nsAString& aWidth) = 0;
  NS_IMETHOD SetWidth(const nsAString& aWidth) = 0;
  NS_IMETHOD GetHeight(nsAString& aHeight) = 0;
  NS_IMETHOD SetHeight(const nsAString& aHeight) = 0;
  NS_IMETHOD GetMinWidth(nsAString& aMinWidth) = 0;
  NS_IMETHOD SetMinWidth(const nsAString& aMinWidth) = 0;
  NS_IMETHOD GetMinHeight(nsAString& aMinHeight) = 0;
  NS_IMETHOD SetMinHeight(const nsAString& aMinHeight) = 0;
  NS_IMETHOD GetMaxWidth(nsAString& aMaxWidth) = 0;
  NS_IMETHOD SetMaxWidth(const nsAString& aMaxWidth) = 0;
  NS_IMETHOD GetMaxHeight(nsAString& aMaxHeight) = 0;
  NS_IMETHOD SetMaxHeight(const nsAString& aMaxHeight) = 0;
  NS_IMETHOD GetPersist(nsAString& aPersist) = 0;
  NS_IMETHOD SetPersist(const nsAString& aPersist) = 0;
  NS_IMETHOD GetLeft(nsAString& aLeft) = 0;
  NS_IMETHOD SetLeft(const nsAString& aLeft) = 0;
  NS_IMETHOD GetTop(nsAString& aTop) = 0;
  NS_IMETHOD SetTop(const nsAString& aTop) = 0;
  NS_IMETHOD GetDatasources(nsAString& aDatasources) = 0;
  NS_IMETHOD SetDatasources(const nsAString& aDatasources) = 0;
  NS_IMETHOD GetRef(nsAString& aRef) = 0;
  NS_IMETHOD SetRef(const nsAString& aRef) = 0;
  NS_IMETHOD GetTooltipText(nsAString& aTooltipText) = 0;
  NS_IMETHOD SetTooltipText(const nsAString& aTooltipText) = 0;
  NS_IMETHOD GetStatusText(nsAString& aStatusText) = 0;
  NS_IMETHOD SetStatusText(const nsAString& aStatusText) = 0;
  NS_IMETHOD GetAllowEvents(PRBool* aAllowEvents) = 0;
  NS_IMETHOD SetAllowEvents(PRBool aAllowEvents) = 0;
  NS_IMETHOD GetDatabase(nsIRDFCompositeDataSource** aDatabase) = 0;
  NS_IMETHOD GetBuilder(nsIXULTemplateBuilder** aBuilder) = 0;
  NS_IMETHOD GetResource(nsIRDFResource** aResource) = 0;
  NS_IMETHOD GetControllers(nsIControllers** aControllers) = 0;
  // The element's layout box: position and size on the screen.
  NS_IMETHOD GetBoxObject(nsIBoxObject** aBoxObject) = 0;
  NS_IMETHOD Focus(void) = 0;
  NS_IMETHOD Blur(void) = 0;
  NS_IMETHOD Click(void) = 0;
  NS_IMETHOD DoCommand(void) = 0;
  NS_IMETHOD GetElementsByAttribute(const nsAString& name, const nsAString& value,
                                    nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD GetElementsByAttributeNS(const nsAString& namespaceURI, const nsAString& name,
                                      const nsAString& value, nsIDOMNodeList** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMXULElement, NS_IDOMXULELEMENT_IID)

// Declares every method of nsIDOMXULElement in a class that implements it.
#define NS_DECL_NSIDOMXULELEMENT                                                            \
  NS_IMETHOD GetId(nsAString& aId) override;                                                \
  NS_IMETHOD SetId(const nsAString& aId) override;                                          \
  NS_IMETHOD GetClassName(nsAString& aClassName) override;                                  \
  NS_IMETHOD SetClassName(const nsAString& aClassName) override;                            \
  NS_IMETHOD GetAlign(nsAString& aAlign) override;                                          \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override;                                    \
  NS_IMETHOD GetDir(nsAString& aDir) override;                                              \
  NS_IMETHOD SetDir(const nsAString& aDir) override;                                        \
  NS_IMETHOD GetFlex(nsAString& aFlex) override;                                            \
  NS_IMETHOD SetFlex(const nsAString& aFlex) override;                                      \
  NS_IMETHOD GetFlexGroup(nsAString& aFlexGroup) override;                                  \
  NS_IMETHOD SetFlexGroup(const nsAString& aFlexGroup) override;                            \
  NS_IMETHOD GetOrdinal(nsAString& aOrdinal) override;                                      \
  NS_IMETHOD SetOrdinal(const nsAString& aOrdinal) override;                                \
  NS_IMETHOD GetOrient(nsAString& aOrient) override;                                        \
  NS_IMETHOD SetOrient(const nsAString& aOrient) override;                                  \
  NS_IMETHOD GetPack(nsAString& aPack) override;                                            \
  NS_IMETHOD SetPack(const nsAString& aPack) override;                                      \
  NS_IMETHOD GetHidden(PRBool* aHidden) override;                                           \
  NS_IMETHOD SetHidden(PRBool aHidden) override;                                            \
  NS_IMETHOD GetCollapsed(PRBool* aCollapsed) override;                                     \
  NS_IMETHOD SetCollapsed(PRBool aCollapsed) override;                                      \
  NS_IMETHOD GetObserves(nsAString& aObserves) override;                                    \
  NS_IMETHOD SetObserves(const nsAString& aObserves) override;                              \
  NS_IMETHOD GetMenu(nsAString& aMenu) override;                                            \
  NS_IMETHOD SetMenu(const nsAString& aMenu) override;                                      \
  NS_IMETHOD GetContextMenu(nsAString& aContextMenu) override;                              \
  NS_IMETHOD SetContextMenu(const nsAString& aContextMenu) override;                        \
  NS_IMETHOD GetTooltip(nsAString& aTooltip) override;                                      \
  NS_IMETHOD SetTooltip(const nsAString& aTooltip) override;                                \
  NS_IMETHOD GetWidth(nsAString& aWidth) override;                                          \
  NS_IMETHOD SetWidth(const nsAString& aWidth) override;                                    \
  NS_IMETHOD GetHeight(nsAString& aHeight) override;                                        \
  NS_IMETHOD SetHeight(const nsAString& aHeight) override;                                  \
  NS_IMETHOD GetMinWidth(nsAString& aMinWidth) override;                                    \
  NS_IMETHOD SetMinWidth(const nsAString& aMinWidth) override;                              \
  NS_IMETHOD GetMinHeight(nsAString& aMinHeight) override;                                  \
  NS_IMETHOD SetMinHeight(const nsAString& aMinHeight) override;                            \
  NS_IMETHOD GetMaxWidth(nsAString& aMaxWidth) override;                                    \
  NS_IMETHOD SetMaxWidth(const nsAString& aMaxWidth) override;                              \
  NS_IMETHOD GetMaxHeight(nsAString& aMaxHeight) override;                                  \
  NS_IMETHOD SetMaxHeight(const nsAString& aMaxHeight) override;                            \
  NS_IMETHOD GetPersist(nsAString& aPersist) override;                                      \
  NS_IMETHOD SetPersist(const nsAString& aPersist) override;                                \
  NS_IMETHOD GetLeft(nsAString& aLeft) override;                                            \
  NS_IMETHOD SetLeft(const nsAString& aLeft) override;                                      \
  NS_IMETHOD GetTop(nsAString& aTop) override;                                              \
  NS_IMETHOD SetTop(const nsAString& aTop) override;                                        \
  NS_IMETHOD GetDatasources(nsAString& aDatasources) override;                              \
  NS_IMETHOD SetDatasources(const nsAString& aDatasources) override;                        \
  NS_IMETHOD GetRef(nsAString& aRef) override;                                              \
  NS_IMETHOD SetRef(const nsAString& aRef) override;                                        \
  NS_IMETHOD GetTooltipText(nsAString& aTooltipText) override;                              \
  NS_IMETHOD SetTooltipText(const nsAString& aTooltipText) override;                        \
  NS_IMETHOD GetStatusText(nsAString& aStatusText) override;                                \
  NS_IMETHOD SetStatusText(const nsAString& aStatusText) override;                          \
  NS_IMETHOD GetAllowEvents(PRBool* aAllowEvents) override;                                 \
  NS_IMETHOD SetAllowEvents(PRBool aAllowEvents) override;                                  \
  NS_IMETHOD GetDatabase(nsIRDFCompositeDataSource** aDatabase) override;                   \
  NS_IMETHOD GetBuilder(nsIXULTemplateBuilder** aBuilder) override;                         \
  NS_IMETHOD GetResource(nsIRDFResource** aResource) override;                              \
  NS_IMETHOD GetControllers(nsIControllers** aControllers) override;                        \
  NS_IMETHOD GetBoxObject(nsIBoxObject** aBoxObject) override;                              \
  NS_IMETHOD Focus(void) override;                                                          \
  NS_IMETHOD Blur(void) override;                                                           \
  NS_IMETHOD Click(void) override;                                                          \
  NS_IMETHOD DoCommand(void) override;                                                      \
  NS_IMETHOD GetElementsByAttribute(const nsAString& name, const nsAString& value,          \
                                    nsIDOMNodeList** _retval) override;                     \
  NS_IMETHOD GetElementsByAttributeNS(const nsAString& namespaceURI, const nsAString& name, \
                                      const nsAString& value, nsIDOMNodeList** _retval) override;

// Implements every method of nsIDOMXULElement by calling the same method of _to.
#define NS_FORWARD_NSIDOMXULELEMENT(_to)                                                           \
  NS_IMETHOD GetId(nsAString& aId) override {                                                      \
    return _to GetId(aId);                                                                         \
  }                                                                                                \
  NS_IMETHOD SetId(const nsAString& aId) override {                                                \
    return _to SetId(aId);                                                                         \
  }                                                                                                \
  NS_IMETHOD GetClassName(nsAString& aClassName) override {                                        \
    return _to GetClassName(aClassName);                                                           \
  }                                                                                                \
  NS_IMETHOD SetClassName(const nsAString& aClassName) override {                                  \
    return _to SetClassName(aClassName);                                                           \
  }                                                                                                \
  NS_IMETHOD GetAlign(nsAString& aAlign) override {                                                \
    return _to GetAlign(aAlign);                                                                   \
  }                                                                                                \
  NS_IMETHOD SetAlign(const nsAString& aAlign) override {                                          \
    return _to SetAlign(aAlign);                                                                   \
  }                                                                                                \
  NS_IMETHOD GetDir(nsAString& aDir) override {                                                    \
    return _to GetDir(aDir);                                                                       \
  }                                                                                                \
  NS_IMETHOD SetDir(const nsAString& aDir) override {                                              \
    return _to SetDir(aDir);                                                                       \
  }                                                                                                \
  NS_IMETHOD GetFlex(nsAString& aFlex) override {                                                  \
    return _to GetFlex(aFlex);                                                                     \
  }                                                                                                \
  NS_IMETHOD SetFlex(const nsAString& aFlex) override {                                            \
    return _to SetFlex(aFlex);                                                                     \
  }                                                                                                \
  NS_IMETHOD GetFlexGroup(nsAString& aFlexGroup) override {                                        \
    return _to GetFlexGroup(aFlexGroup);                                                           \
  }                                                                                                \
  NS_IMETHOD SetFlexGroup(const nsAString& aFlexGroup) override {                                  \
    return _to SetFlexGroup(aFlexGroup);                                                           \
  }                                                                                                \
  NS_IMETHOD GetOrdinal(nsAString& aOrdinal) override {                                            \
    return _to GetOrdinal(aOrdinal);                                                               \
  }                                                                                                \
  NS_IMETHOD SetOrdinal(const nsAString& aOrdinal) override {                                      \
    return _to SetOrdinal(aOrdinal);                                                               \
  }                                                                                                \
  NS_IMETHOD GetOrient(nsAString& aOrient) override {                                              \
    return _to GetOrient(aOrient);                                                                 \
  }                                                                                                \
  NS_IMETHOD SetOrient(const nsAString& aOrient) override {                                        \
    return _to SetOrient(aOrient);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetPack(nsAString& aPack) override {                                                  \
    return _to GetPack(aPack);                                                                     \
  }                                                                                                \
  NS_IMETHOD SetPack(const nsAString& aPack) override {                                            \
    return _to SetPack(aPack);                                                                     \
  }                                                                                                \
  NS_IMETHOD GetHidden(PRBool* aHidden) override {                                                 \
    return _to GetHidden(aHidden);                                                                 \
  }                                                                                                \
  NS_IMETHOD SetHidden(PRBool aHidden) override {                                                  \
    return _to SetHidden(aHidden);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetCollapsed(PRBool* aCollapsed) override {                                           \
    return _to GetCollapsed(aCollapsed);                                                           \
  }                                                                                                \
  NS_IMETHOD SetCollapsed(PRBool aCollapsed) override {                                            \
    return _to SetCollapsed(aCollapsed);                                                           \
  }                                                                                                \
  NS_IMETHOD GetObserves(nsAString& aObserves) override {                                          \
    return _to GetObserves(aObserves);                                                             \
  }                                                                                                \
  NS_IMETHOD SetObserves(const nsAString& aObserves) override {                                    \
    return _to SetObserves(aObserves);                                                             \
  }                                                                                                \
  NS_IMETHOD GetMenu(nsAString& aMenu) override {                                                  \
    return _to GetMenu(aMenu);                                                                     \
  }                                                                                                \
  NS_IMETHOD SetMenu(const nsAString& aMenu) override {                                            \
    return _to SetMenu(aMenu);                                                                     \
  }                                                                                                \
  NS_IMETHOD GetContextMenu(nsAString& aContextMenu) override {                                    \
    return _to GetContextMenu(aContextMenu);                                                       \
  }                                                                                                \
  NS_IMETHOD SetContextMenu(const nsAString& aContextMenu) override {                              \
    return _to SetContextMenu(aContextMenu);                                                       \
  }                                                                                                \
  NS_IMETHOD GetTooltip(nsAString& aTooltip) override {                                            \
    return _to GetTooltip(aTooltip);                                                               \
  }                                                                                                \
  NS_IMETHOD SetTooltip(const nsAString& aTooltip) override {                                      \
    return _to SetTooltip(aTooltip);                                                               \
  }                                                                                                \
  NS_IMETHOD GetWidth(nsAString& aWidth) override {                                                \
    return _to GetWidth(aWidth);                                                                   \
  }                                                                                                \
  NS_IMETHOD SetWidth(const nsAString& aWidth) override {                                          \
    return _to SetWidth(aWidth);                                                                   \
  }                                                                                                \
  NS_IMETHOD GetHeight(nsAString& aHeight) override {                                              \
    return _to GetHeight(aHeight);                                                                 \
  }                                                                                                \
  NS_IMETHOD SetHeight(const nsAString& aHeight) override {                                        \
    return _to SetHeight(aHeight);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetMinWidth(nsAString& aMinWidth) override {                                          \
    return _to GetMinWidth(aMinWidth);                                                             \
  }                                                                                                \
  NS_IMETHOD SetMinWidth(const nsAString& aMinWidth) override {                                    \
    return _to SetMinWidth(aMinWidth);                                                             \
  }                                                                                                \
  NS_IMETHOD GetMinHeight(nsAString& aMinHeight) override {                                        \
    return _to GetMinHeight(aMinHeight);                                                           \
  }                                                                                                \
  NS_IMETHOD SetMinHeight(const nsAString& aMinHeight) override {                                  \
    return _to SetMinHeight(aMinHeight);                                                           \
  }                                                                                                \
  NS_IMETHOD GetMaxWidth(nsAString& aMaxWidth) override {                                          \
    return _to GetMaxWidth(aMaxWidth);                                                             \
  }                                                                                                \
  NS_IMETHOD SetMaxWidth(const nsAString& aMaxWidth) override {                                    \
    return _to SetMaxWidth(aMaxWidth);                                                             \
  }                                                                                                \
  NS_IMETHOD GetMaxHeight(nsAString& aMaxHeight) override {                                        \
    return _to GetMaxHeight(aMaxHeight);                                                           \
  }                                                                                                \
  NS_IMETHOD SetMaxHeight(const nsAString& aMaxHeight) override {                                  \
    return _to SetMaxHeight(aMaxHeight);                                                           \
  }                                                                                                \
  NS_IMETHOD GetPersist(nsAString& aPersist) override {                                            \
    return _to GetPersist(aPersist);                                                               \
  }                                                                                                \
  NS_IMETHOD SetPersist(const nsAString& aPersist) override {                                      \
    return _to SetPersist(aPersist);                                                               \
  }                                                                                                \
  NS_IMETHOD GetLeft(nsAString& aLeft) override {                                                  \
    return _to GetLeft(aLeft);                                                                     \
  }                                                                                                \
  NS_IMETHOD SetLeft(const nsAString& aLeft) override {                                            \
    return _to SetLeft(aLeft);                                                                     \
  }                                                                                                \
  NS_IMETHOD GetTop(nsAString& aTop) override {                                                    \
    return _to GetTop(aTop);                                                                       \
  }                                                                                                \
  NS_IMETHOD SetTop(const nsAString& aTop) override {                                              \
    return _to SetTop(aTop);                                                                       \
  }                                                                                                \
  NS_IMETHOD GetDatasources(nsAString& aDatasources) override {                                    \
    return _to GetDatasources(aDatasources);                                                       \
  }                                                                                                \
  NS_IMETHOD SetDatasources(const nsAString& aDatasources) override {                              \
    return _to SetDatasources(aDatasources);                                                       \
  }                                                                                                \
  NS_IMETHOD GetRef(nsAString& aRef) override {                                                    \
    return _to GetRef(aRef);                                                                       \
  }                                                                                                \
  NS_IMETHOD SetRef(const nsAString& aRef) override {                                              \
    return _to SetRef(aRef);                                                                       \
  }                                                                                                \
  NS_IMETHOD GetTooltipText(nsAString& aTooltipText) override {                                    \
    return _to GetTooltipText(aTooltipText);                                                       \
  }                                                                                                \
  NS_IMETHOD SetTooltipText(const nsAString& aTooltipText) override {                              \
    return _to SetTooltipText(aTooltipText);                                                       \
  }                                                                                                \
  NS_IMETHOD GetStatusText(nsAString& aStatusText) override {                                      \
    return _to GetStatusText(aStatusText);                                                         \
  }                                                                                                \
  NS_IMETHOD SetStatusText(const nsAString& aStatusText) override {                                \
    return _to SetStatusText(aStatusText);                                                         \
  }                                                                                                \
  NS_IMETHOD GetAllowEvents(PRBool* aAllowEvents) override {                                       \
    return _to GetAllowEvents(aAllowEvents);                                                       \
  }                                                                                                \
  NS_IMETHOD SetAllowEvents(PRBool aAllowEvents) override {                                        \
    return _to SetAllowEvents(aAllowEvents);                                                       \
  }                                                                                                \
  NS_IMETHOD GetDatabase(nsIRDFCompositeDataSource** aDatabase) override {                         \
    return _to GetDatabase(aDatabase);                                                             \
  }                                                                                                \
  NS_IMETHOD GetBuilder(nsIXULTemplateBuilder** aBuilder) override {                               \
    return _to GetBuilder(aBuilder);                                                               \
  }                                                                                                \
  NS_IMETHOD GetResource(nsIRDFResource** aResource) override {                                    \
    return _to GetResource(aResource);                                                             \
  }                                                                                                \
  NS_IMETHOD GetControllers(nsIControllers** aControllers) override {                              \
    return _to GetControllers(aControllers);                                                       \
  }                                                                                                \
  NS_IMETHOD GetBoxObject(nsIBoxObject** aBoxObject) override {                                    \
    return _to GetBoxObject(aBoxObject);                                                           \
  }                                                                                                \
  NS_IMETHOD Focus(void) override {                                                                \
    return _to Focus();                                                                            \
  }                                                                                                \
  NS_IMETHOD Blur(void) override {                                                                 \
    return _to Blur();                                                                             \
  }                                                                                                \
  NS_IMETHOD Click(void) override {                                                                \
    return _to Click();                                                                            \
  }                                                                                                \
  NS_IMETHOD DoCommand(void) override {                                                            \
    return _to DoCommand();                                                                        \
  }                                                                                                \
  NS_IMETHOD GetElementsByAttribute(const nsAString& name, const nsAString& value,                 \
                                    nsIDOMNodeList** _retval) override {                           \
    return _to GetElementsByAttribute(name, value, _retval);                                       \
  }                                                                                                \
  NS_IMETHOD GetElementsByAttributeNS(const nsAString& namespaceURI, const nsAString& name,        \
                                      const nsAString& value, nsIDOMNodeList** _retval) override { \
    return _to GetElementsByAttributeNS(namespaceURI, name, value, _retval);                       \
  }

#endif
