// The command dispatcher of a XUL document. Its focused window is the content window that
// has the focus inside the chrome window: the page of the selected tab, or a frame of it.
#ifndef __gen_nsIDOMXULCommandDispatcher_h__
#define __gen_nsIDOMXULCommandDispatcher_h__

#include "nsISupports.h"
#include "nsStringAPI.h"

class nsIController;
class nsIControllers;
class nsIDOMElement;
class nsIDOMWindow;

#define NS_IDOMXULCOMMANDDISPATCHER_IID_STR "f3c50361-14fe-11d3-bf87-00105a1b0627"

#define NS_IDOMXULCOMMANDDISPATCHER_IID              \
  {                                                  \
    0xf3c50361, 0x14fe, 0x11d3, {                    \
      0xbf, 0x87, 0x00, 0x10, 0x5a, 0x1b, 0x06, 0x27 \
    }                                                \
  }

class nsIDOMXULCommandDispatcher : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMXULCOMMANDDISPATCHER_IID)

  NS_IMETHOD GetFocusedElement(nsIDOMElement** aFocusedElement) = 0;
  NS_IMETHOD SetFocusedElement(nsIDOMElement* aFocusedElement) = 0;
  NS_IMETHOD GetFocusedWindow(nsIDOMWindow** aFocusedWindow) = 0;
  NS_IMETHOD SetFocusedWindow(nsIDOMWindow* aFocusedWindow) = 0;
  NS_IMETHOD AddCommandUpdater(nsIDOMElement* updater, const nsAString& events,
                               const nsAString& targets) = 0;
  NS_IMETHOD RemoveCommandUpdater(nsIDOMElement* updater) = 0;
  NS_IMETHOD UpdateCommands(const nsAString& eventName) = 0;
  NS_IMETHOD GetControllerForCommand(const char* command, nsIController** _retval) = 0;
  NS_IMETHOD GetControllers(nsIControllers** _retval) = 0;
  NS_IMETHOD AdvanceFocus(void) = 0;
  NS_IMETHOD RewindFocus(void) = 0;
  NS_IMETHOD AdvanceFocusIntoSubtree(nsIDOMElement* elt) = 0;
  NS_IMETHOD GetSuppressFocusScroll(PRBool* aSuppressFocusScroll) = 0;
  NS_IMETHOD SetSuppressFocusScroll(PRBool aSuppressFocusScroll) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMXULCommandDispatcher, NS_IDOMXULCOMMANDDISPATCHER_IID)

// Declares every method of nsIDOMXULCommandDispatcher in a class that implements it.
#define NS_DECL_NSIDOMXULCOMMANDDISPATCHER                                                   \
  NS_IMETHOD GetFocusedElement(nsIDOMElement** aFocusedElement) override;                    \
  NS_IMETHOD SetFocusedElement(nsIDOMElement* aFocusedElement) override;                     \
  NS_IMETHOD GetFocusedWindow(nsIDOMWindow** aFocusedWindow) override;                       \
  NS_IMETHOD SetFocusedWindow(nsIDOMWindow* aFocusedWindow) override;                        \
  NS_IMETHOD AddCommandUpdater(nsIDOMElement* updater, const nsAString& events,              \
                               const nsAString& targets) override;                           \
  NS_IMETHOD RemoveCommandUpdater(nsIDOMElement* updater) override;                          \
  NS_IMETHOD UpdateCommands(const nsAString& eventName) override;                            \
  NS_IMETHOD GetControllerForCommand(const char* command, nsIController** _retval) override; \
  NS_IMETHOD GetControllers(nsIControllers** _retval) override;                              \
  NS_IMETHOD AdvanceFocus(void) override;                                                    \
  NS_IMETHOD RewindFocus(void) override;                                                     \
  NS_IMETHOD AdvanceFocusIntoSubtree(nsIDOMElement* elt) override;                           \
  NS_IMETHOD GetSuppressFocusScroll(PRBool* aSuppressFocusScroll) override;                  \
  NS_IMETHOD SetSuppressFocusScroll(PRBool aSuppressFocusScroll) override;

// Implements every method of nsIDOMXULCommandDispatcher by calling the same method of _to.
#define NS_FORWARD_NSIDOMXULCOMMANDDISPATCHER(_to)                                            \
  NS_IMETHOD GetFocusedElement(nsIDOMElement** aFocusedElement) override {                    \
    return _to GetFocusedElement(aFocusedElement);                                            \
  }                                                                                           \
  NS_IMETHOD SetFocusedElement(nsIDOMElement* aFocusedElement) override {                     \
    return _to SetFocusedElement(aFocusedElement);                                            \
  }                                                                                           \
  NS_IMETHOD GetFocusedWindow(nsIDOMWindow** aFocusedWindow) override {                       \
    return _to GetFocusedWindow(aFocusedWindow);                                              \
  }                                                                                           \
  NS_IMETHOD SetFocusedWindow(nsIDOMWindow* aFocusedWindow) override {                        \
    return _to SetFocusedWindow(aFocusedWindow);                                              \
  }                                                                                           \
  NS_IMETHOD AddCommandUpdater(nsIDOMElement* updater, const nsAString& events,               \
                               const nsAString& targets) override {                           \
    return _to AddCommandUpdater(updater, events, targets);                                   \
  }                                                                                           \
  NS_IMETHOD RemoveCommandUpdater(nsIDOMElement* updater) override {                          \
    return _to RemoveCommandUpdater(updater);                                                 \
  }                                                                                           \
  NS_IMETHOD UpdateCommands(const nsAString& eventName) override {                            \
    return _to UpdateCommands(eventName);                                                     \
  }                                                                                           \
  NS_IMETHOD GetControllerForCommand(const char* command, nsIController** _retval) override { \
    return _to GetControllerForCommand(command, _retval);                                     \
  }                                                                                           \
  NS_IMETHOD GetControllers(nsIControllers** _retval) override {                              \
    return _to GetControllers(_retval);                                                       \
  }                                                                                           \
  NS_IMETHOD AdvanceFocus(void) override {                                                    \
    return _to AdvanceFocus();                                                                \
  }                                                                                           \
  NS_IMETHOD RewindFocus(void) override {                                                     \
    return _to RewindFocus();                                                                 \
  }                                                                                           \
  NS_IMETHOD AdvanceFocusIntoSubtree(nsIDOMElement* elt) override {                           \
    return _to AdvanceFocusIntoSubtree(elt);                                                  \
  }                                                                                           \
  NS_IMETHOD GetSuppressFocusScroll(PRBool* aSuppressFocusScroll) override {                  \
    return _to GetSuppressFocusScroll(aSuppressFocusScroll);                                  \
  }                                                                                           \
  NS_IMETHOD SetSuppressFocusScroll(PRBool aSuppressFocusScroll) override {                   \
    return _to SetSuppressFocusScroll(aSuppressFocusScroll);                                  \
  }

#endif
