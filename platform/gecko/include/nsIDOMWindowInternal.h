// The full DOM window of script: the bars, status text, geometry, dialogs, history
// navigation (back, forward, home), focus and the remaining window operations.
#ifndef __gen_nsIDOMWindowInternal_h__
#define __gen_nsIDOMWindowInternal_h__

#include "nsIDOMWindow2.h"
#include "nsStringAPI.h"

class nsIControllers;
class nsIDOMBarProp;
class nsIDOMCrypto;
class nsIDOMElement;
class nsIDOMHistory;
class nsIDOMLocation;
class nsIDOMNavigator;
class nsIDOMPkcs11;
class nsIDOMScreen;
class nsIDOMWindow;
class nsIVariant;

#define NS_IDOMWINDOWINTERNAL_IID_STR "c2f4433a-8b4c-4676-ab30-3bffd26fb29e"

#define NS_IDOMWINDOWINTERNAL_IID                    \
  {                                                  \
    0xc2f4433a, 0x8b4c, 0x4676, {                    \
      0xab, 0x30, 0x3b, 0xff, 0xd2, 0x6f, 0xb2, 0x9e \
    }                                                \
  }

class nsIDOMWindowInternal : public nsIDOMWindow2 {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMWINDOWINTERNAL_IID)

  NS_IMETHOD GetWindow(nsIDOMWindowInternal** aWindow) = 0;
  NS_IMETHOD GetSelf(nsIDOMWindowInternal** aSelf) = 0;
  NS_IMETHOD GetNavigator(nsIDOMNavigator** aNavigator) = 0;
  NS_IMETHOD GetScreen(nsIDOMScreen** aScreen) = 0;
  NS_IMETHOD GetHistory(nsIDOMHistory** aHistory) = 0;
  NS_IMETHOD GetContent(nsIDOMWindow** aContent) = 0;
  NS_IMETHOD GetMenubar(nsIDOMBarProp** aMenubar) = 0;
  NS_IMETHOD GetToolbar(nsIDOMBarProp** aToolbar) = 0;
  NS_IMETHOD GetLocationbar(nsIDOMBarProp** aLocationbar) = 0;
  NS_IMETHOD GetPersonalbar(nsIDOMBarProp** aPersonalbar) = 0;
  NS_IMETHOD GetStatusbar(nsIDOMBarProp** aStatusbar) = 0;
  NS_IMETHOD GetDirectories(nsIDOMBarProp** aDirectories) = 0;
  NS_IMETHOD GetClosed(PRBool* aClosed) = 0;
  NS_IMETHOD GetCrypto(nsIDOMCrypto** aCrypto) = 0;
  NS_IMETHOD GetPkcs11(nsIDOMPkcs11** aPkcs11) = 0;
  NS_IMETHOD GetControllers(nsIControllers** aControllers) = 0;
  NS_IMETHOD GetOpener(nsIDOMWindowInternal** aOpener) = 0;
  NS_IMETHOD SetOpener(nsIDOMWindowInternal* aOpener) = 0;
  // The status bar text.
  NS_IMETHOD GetStatus(nsAString& aStatus) = 0;
  NS_IMETHOD SetStatus(const nsAString& aStatus) = 0;
  NS_IMETHOD GetDefaultStatus(nsAString& aDefaultStatus) = 0;
  NS_IMETHOD SetDefaultStatus(const nsAString& aDefaultStatus) = 0;
  NS_IMETHOD GetLocation(nsIDOMLocation** aLocation) = 0;
  NS_IMETHOD GetInnerWidth(PRInt32* aInnerWidth) = 0;
  NS_IMETHOD SetInnerWidth(PRInt32 aInnerWidth) = 0;
  NS_IMETHOD GetInnerHeight(PRInt32* aInnerHeight) = 0;
  NS_IMETHOD SetInnerHeight(PRInt32 aInnerHeight) = 0;
  NS_IMETHOD GetOuterWidth(PRInt32* aOuterWidth) = 0;
  NS_IMETHOD SetOuterWidth(PRInt32 aOuterWidth) = 0;
  NS_IMETHOD GetOuterHeight(PRInt32* aOuterHeight) = 0;
  NS_IMETHOD SetOuterHeight(PRInt32 aOuterHeight) = 0;
  NS_IMETHOD GetScreenX(PRInt32* aScreenX) = 0;
  NS_IMETHOD SetScreenX(PRInt32 aScreenX) = 0;
  NS_IMETHOD GetScreenY(PRInt32* aScreenY) = 0;
  NS_IMETHOD SetScreenY(PRInt32 aScreenY) = 0;
  NS_IMETHOD GetMozInnerScreenX(float* aMozInnerScreenX) = 0;
  NS_IMETHOD GetMozInnerScreenY(float* aMozInnerScreenY) = 0;
  NS_IMETHOD GetPageXOffset(PRInt32* aPageXOffset) = 0;
  NS_IMETHOD GetPageYOffset(PRInt32* aPageYOffset) = 0;
  NS_IMETHOD GetScrollMaxX(PRInt32* aScrollMaxX) = 0;
  NS_IMETHOD GetScrollMaxY(PRInt32* aScrollMaxY) = 0;
  // The number of child frames.
  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD GetFullScreen(PRBool* aFullScreen) = 0;
  NS_IMETHOD SetFullScreen(PRBool aFullScreen) = 0;
  NS_IMETHOD Alert(const nsAString& text) = 0;
  NS_IMETHOD Confirm(const nsAString& text, PRBool* _retval) = 0;
  NS_IMETHOD Prompt(const nsAString& aMessage, const nsAString& aInitial, const nsAString& aTitle,
                    PRUint32 aSavePassword, nsAString& _retval) = 0;
  NS_IMETHOD Focus(void) = 0;
  NS_IMETHOD Blur(void) = 0;
  // Session history of the window's tree, and the browser's home page.
  NS_IMETHOD Back(void) = 0;
  NS_IMETHOD Forward(void) = 0;
  NS_IMETHOD Home(void) = 0;
  NS_IMETHOD Stop(void) = 0;
  NS_IMETHOD Print(void) = 0;
  NS_IMETHOD MoveTo(PRInt32 xPos, PRInt32 yPos) = 0;
  NS_IMETHOD MoveBy(PRInt32 xDif, PRInt32 yDif) = 0;
  NS_IMETHOD ResizeTo(PRInt32 width, PRInt32 height) = 0;
  NS_IMETHOD ResizeBy(PRInt32 widthDif, PRInt32 heightDif) = 0;
  NS_IMETHOD Scroll(PRInt32 xScroll, PRInt32 yScroll) = 0;
  NS_IMETHOD Open(const nsAString& url, const nsAString& name, const nsAString& options,
                  nsIDOMWindow** _retval) = 0;
  NS_IMETHOD OpenDialog(const nsAString& url, const nsAString& name, const nsAString& options,
                        nsISupports* aExtraArgument, nsIDOMWindow** _retval) = 0;
  NS_IMETHOD Close(void) = 0;
  NS_IMETHOD UpdateCommands(const nsAString& action) = 0;
  NS_IMETHOD Find(const nsAString& str, PRBool caseSensitive, PRBool backwards, PRBool wrapAround,
                  PRBool wholeWord, PRBool searchInFrames, PRBool showDialog, PRBool* _retval) = 0;
  NS_IMETHOD Atob(const nsAString& aAsciiString, nsAString& _retval) = 0;
  NS_IMETHOD Btoa(const nsAString& aBase64Data, nsAString& _retval) = 0;
  // The FRAME or IFRAME element that shows this window, null at the top.
  NS_IMETHOD GetFrameElement(nsIDOMElement** aFrameElement) = 0;
  NS_IMETHOD ShowModalDialog(const nsAString& aURI, nsIVariant* aArgs, const nsAString& aOptions,
                             nsIVariant** _retval) = 0;
  NS_IMETHOD PostMessage(const nsAString& message, const nsAString& targetOrigin) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMWindowInternal, NS_IDOMWINDOWINTERNAL_IID)

// Declares every method of nsIDOMWindowInternal in a class that implements it.
#define NS_DECL_NSIDOMWINDOWINTERNAL                                                               \
  NS_IMETHOD GetWindow(nsIDOMWindowInternal** aWindow) override;                                   \
  NS_IMETHOD GetSelf(nsIDOMWindowInternal** aSelf) override;                                       \
  NS_IMETHOD GetNavigator(nsIDOMNavigator** aNavigator) override;                                  \
  NS_IMETHOD GetScreen(nsIDOMScreen** aScreen) override;                                           \
  NS_IMETHOD GetHistory(nsIDOMHistory** aHistory) override;                                        \
  NS_IMETHOD GetContent(nsIDOMWindow** aContent) override;                                         \
  NS_IMETHOD GetMenubar(nsIDOMBarProp** aMenubar) override;                                        \
  NS_IMETHOD GetToolbar(nsIDOMBarProp** aToolbar) override;                                        \
  NS_IMETHOD GetLocationbar(nsIDOMBarProp** aLocationbar) override;                                \
  NS_IMETHOD GetPersonalbar(nsIDOMBarProp** aPersonalbar) override;                                \
  NS_IMETHOD GetStatusbar(nsIDOMBarProp** aStatusbar) override;                                    \
  NS_IMETHOD GetDirectories(nsIDOMBarProp** aDirectories) override;                                \
  NS_IMETHOD GetClosed(PRBool* aClosed) override;                                                  \
  NS_IMETHOD GetCrypto(nsIDOMCrypto** aCrypto) override;                                           \
  NS_IMETHOD GetPkcs11(nsIDOMPkcs11** aPkcs11) override;                                           \
  NS_IMETHOD GetControllers(nsIControllers** aControllers) override;                               \
  NS_IMETHOD GetOpener(nsIDOMWindowInternal** aOpener) override;                                   \
  NS_IMETHOD SetOpener(nsIDOMWindowInternal* aOpener) override;                                    \
  NS_IMETHOD GetStatus(nsAString& aStatus) override;                                               \
  NS_IMETHOD SetStatus(const nsAString& aStatus) override;                                         \
  NS_IMETHOD GetDefaultStatus(nsAString& aDefaultStatus) override;                                 \
  NS_IMETHOD SetDefaultStatus(const nsAString& aDefaultStatus) override;                           \
  NS_IMETHOD GetLocation(nsIDOMLocation** aLocation) override;                                     \
  NS_IMETHOD GetInnerWidth(PRInt32* aInnerWidth) override;                                         \
  NS_IMETHOD SetInnerWidth(PRInt32 aInnerWidth) override;                                          \
  NS_IMETHOD GetInnerHeight(PRInt32* aInnerHeight) override;                                       \
  NS_IMETHOD SetInnerHeight(PRInt32 aInnerHeight) override;                                        \
  NS_IMETHOD GetOuterWidth(PRInt32* aOuterWidth) override;                                         \
  NS_IMETHOD SetOuterWidth(PRInt32 aOuterWidth) override;                                          \
  NS_IMETHOD GetOuterHeight(PRInt32* aOuterHeight) override;                                       \
  NS_IMETHOD SetOuterHeight(PRInt32 aOuterHeight) override;                                        \
  NS_IMETHOD GetScreenX(PRInt32* aScreenX) override;                                               \
  NS_IMETHOD SetScreenX(PRInt32 aScreenX) override;                                                \
  NS_IMETHOD GetScreenY(PRInt32* aScreenY) override;                                               \
  NS_IMETHOD SetScreenY(PRInt32 aScreenY) override;                                                \
  NS_IMETHOD GetMozInnerScreenX(float* aMozInnerScreenX) override;                                 \
  NS_IMETHOD GetMozInnerScreenY(float* aMozInnerScreenY) override;                                 \
  NS_IMETHOD GetPageXOffset(PRInt32* aPageXOffset) override;                                       \
  NS_IMETHOD GetPageYOffset(PRInt32* aPageYOffset) override;                                       \
  NS_IMETHOD GetScrollMaxX(PRInt32* aScrollMaxX) override;                                         \
  NS_IMETHOD GetScrollMaxY(PRInt32* aScrollMaxY) override;                                         \
  NS_IMETHOD GetLength(PRUint32* aLength) override;                                                \
  NS_IMETHOD GetFullScreen(PRBool* aFullScreen) override;                                          \
  NS_IMETHOD SetFullScreen(PRBool aFullScreen) override;                                           \
  NS_IMETHOD Alert(const nsAString& text) override;                                                \
  NS_IMETHOD Confirm(const nsAString& text, PRBool* _retval) override;                             \
  NS_IMETHOD Prompt(const nsAString& aMessage, const nsAString& aInitial, const nsAString& aTitle, \
                    PRUint32 aSavePassword, nsAString& _retval) override;                          \
  NS_IMETHOD Focus(void) override;                                                                 \
  NS_IMETHOD Blur(void) override;                                                                  \
  NS_IMETHOD Back(void) override;                                                                  \
  NS_IMETHOD Forward(void) override;                                                               \
  NS_IMETHOD Home(void) override;                                                                  \
  NS_IMETHOD Stop(void) override;                                                                  \
  NS_IMETHOD Print(void) override;                                                                 \
  NS_IMETHOD MoveTo(PRInt32 xPos, PRInt32 yPos) override;                                          \
  NS_IMETHOD MoveBy(PRInt32 xDif, PRInt32 yDif) override;                                          \
  NS_IMETHOD ResizeTo(PRInt32 width, PRInt32 height) override;                                     \
  NS_IMETHOD ResizeBy(PRInt32 widthDif, PRInt32 heightDif) override;                               \
  NS_IMETHOD Scroll(PRInt32 xScroll, PRInt32 yScroll) override;                                    \
  NS_IMETHOD Open(const nsAString& url, const nsAString& name, const nsAString& options,           \
                  nsIDOMWindow** _retval) override;                                                \
  NS_IMETHOD OpenDialog(const nsAString& url, const nsAString& name, const nsAString& options,     \
                        nsISupports* aExtraArgument, nsIDOMWindow** _retval) override;             \
  NS_IMETHOD Close(void) override;                                                                 \
  NS_IMETHOD UpdateCommands(const nsAString& action) override;                                     \
  NS_IMETHOD Find(const nsAString& str, PRBool caseSensitive, PRBool backwards, PRBool wrapAround, \
                  PRBool wholeWord, PRBool searchInFrames, PRBool showDialog, PRBool* _retval)     \
      override;                                                                                    \
  NS_IMETHOD Atob(const nsAString& aAsciiString, nsAString& _retval) override;                     \
  NS_IMETHOD Btoa(const nsAString& aBase64Data, nsAString& _retval) override;                      \
  NS_IMETHOD GetFrameElement(nsIDOMElement** aFrameElement) override;                              \
  NS_IMETHOD ShowModalDialog(const nsAString& aURI, nsIVariant* aArgs, const nsAString& aOptions,  \
                             nsIVariant** _retval) override;                                       \
  NS_IMETHOD PostMessage(const nsAString& message, const nsAString& targetOrigin) override;

// Implements every method of nsIDOMWindowInternal by calling the same method of _to.
#define NS_FORWARD_NSIDOMWINDOWINTERNAL(_to)                                                       \
  NS_IMETHOD GetWindow(nsIDOMWindowInternal** aWindow) override {                                  \
    return _to GetWindow(aWindow);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetSelf(nsIDOMWindowInternal** aSelf) override {                                      \
    return _to GetSelf(aSelf);                                                                     \
  }                                                                                                \
  NS_IMETHOD GetNavigator(nsIDOMNavigator** aNavigator) override {                                 \
    return _to GetNavigator(aNavigator);                                                           \
  }                                                                                                \
  NS_IMETHOD GetScreen(nsIDOMScreen** aScreen) override {                                          \
    return _to GetScreen(aScreen);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetHistory(nsIDOMHistory** aHistory) override {                                       \
    return _to GetHistory(aHistory);                                                               \
  }                                                                                                \
  NS_IMETHOD GetContent(nsIDOMWindow** aContent) override {                                        \
    return _to GetContent(aContent);                                                               \
  }                                                                                                \
  NS_IMETHOD GetMenubar(nsIDOMBarProp** aMenubar) override {                                       \
    return _to GetMenubar(aMenubar);                                                               \
  }                                                                                                \
  NS_IMETHOD GetToolbar(nsIDOMBarProp** aToolbar) override {                                       \
    return _to GetToolbar(aToolbar);                                                               \
  }                                                                                                \
  NS_IMETHOD GetLocationbar(nsIDOMBarProp** aLocationbar) override {                               \
    return _to GetLocationbar(aLocationbar);                                                       \
  }                                                                                                \
  NS_IMETHOD GetPersonalbar(nsIDOMBarProp** aPersonalbar) override {                               \
    return _to GetPersonalbar(aPersonalbar);                                                       \
  }                                                                                                \
  NS_IMETHOD GetStatusbar(nsIDOMBarProp** aStatusbar) override {                                   \
    return _to GetStatusbar(aStatusbar);                                                           \
  }                                                                                                \
  NS_IMETHOD GetDirectories(nsIDOMBarProp** aDirectories) override {                               \
    return _to GetDirectories(aDirectories);                                                       \
  }                                                                                                \
  NS_IMETHOD GetClosed(PRBool* aClosed) override {                                                 \
    return _to GetClosed(aClosed);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetCrypto(nsIDOMCrypto** aCrypto) override {                                          \
    return _to GetCrypto(aCrypto);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetPkcs11(nsIDOMPkcs11** aPkcs11) override {                                          \
    return _to GetPkcs11(aPkcs11);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetControllers(nsIControllers** aControllers) override {                              \
    return _to GetControllers(aControllers);                                                       \
  }                                                                                                \
  NS_IMETHOD GetOpener(nsIDOMWindowInternal** aOpener) override {                                  \
    return _to GetOpener(aOpener);                                                                 \
  }                                                                                                \
  NS_IMETHOD SetOpener(nsIDOMWindowInternal* aOpener) override {                                   \
    return _to SetOpener(aOpener);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetStatus(nsAString& aStatus) override {                                              \
    return _to GetStatus(aStatus);                                                                 \
  }                                                                                                \
  NS_IMETHOD SetStatus(const nsAString& aStatus) override {                                        \
    return _to SetStatus(aStatus);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetDefaultStatus(nsAString& aDefaultStatus) override {                                \
    return _to GetDefaultStatus(aDefaultStatus);                                                   \
  }                                                                                                \
  NS_IMETHOD SetDefaultStatus(const nsAString& aDefaultStatus) override {                          \
    return _to SetDefaultStatus(aDefaultStatus);                                                   \
  }                                                                                                \
  NS_IMETHOD GetLocation(nsIDOMLocation** aLocation) override {                                    \
    return _to GetLocation(aLocation);                                                             \
  }                                                                                                \
  NS_IMETHOD GetInnerWidth(PRInt32* aInnerWidth) override {                                        \
    return _to GetInnerWidth(aInnerWidth);                                                         \
  }                                                                                                \
  NS_IMETHOD SetInnerWidth(PRInt32 aInnerWidth) override {                                         \
    return _to SetInnerWidth(aInnerWidth);                                                         \
  }                                                                                                \
  NS_IMETHOD GetInnerHeight(PRInt32* aInnerHeight) override {                                      \
    return _to GetInnerHeight(aInnerHeight);                                                       \
  }                                                                                                \
  NS_IMETHOD SetInnerHeight(PRInt32 aInnerHeight) override {                                       \
    return _to SetInnerHeight(aInnerHeight);                                                       \
  }                                                                                                \
  NS_IMETHOD GetOuterWidth(PRInt32* aOuterWidth) override {                                        \
    return _to GetOuterWidth(aOuterWidth);                                                         \
  }                                                                                                \
  NS_IMETHOD SetOuterWidth(PRInt32 aOuterWidth) override {                                         \
    return _to SetOuterWidth(aOuterWidth);                                                         \
  }                                                                                                \
  NS_IMETHOD GetOuterHeight(PRInt32* aOuterHeight) override {                                      \
    return _to GetOuterHeight(aOuterHeight);                                                       \
  }                                                                                                \
  NS_IMETHOD SetOuterHeight(PRInt32 aOuterHeight) override {                                       \
    return _to SetOuterHeight(aOuterHeight);                                                       \
  }                                                                                                \
  NS_IMETHOD GetScreenX(PRInt32* aScreenX) override {                                              \
    return _to GetScreenX(aScreenX);                                                               \
  }                                                                                                \
  NS_IMETHOD SetScreenX(PRInt32 aScreenX) override {                                               \
    return _to SetScreenX(aScreenX);                                                               \
  }                                                                                                \
  NS_IMETHOD GetScreenY(PRInt32* aScreenY) override {                                              \
    return _to GetScreenY(aScreenY);                                                               \
  }                                                                                                \
  NS_IMETHOD SetScreenY(PRInt32 aScreenY) override {                                               \
    return _to SetScreenY(aScreenY);                                                               \
  }                                                                                                \
  NS_IMETHOD GetMozInnerScreenX(float* aMozInnerScreenX) override {                                \
    return _to GetMozInnerScreenX(aMozInnerScreenX);                                               \
  }                                                                                                \
  NS_IMETHOD GetMozInnerScreenY(float* aMozInnerScreenY) override {                                \
    return _to GetMozInnerScreenY(aMozInnerScreenY);                                               \
  }                                                                                                \
  NS_IMETHOD GetPageXOffset(PRInt32* aPageXOffset) override {                                      \
    return _to GetPageXOffset(aPageXOffset);                                                       \
  }                                                                                                \
  NS_IMETHOD GetPageYOffset(PRInt32* aPageYOffset) override {                                      \
    return _to GetPageYOffset(aPageYOffset);                                                       \
  }                                                                                                \
  NS_IMETHOD GetScrollMaxX(PRInt32* aScrollMaxX) override {                                        \
    return _to GetScrollMaxX(aScrollMaxX);                                                         \
  }                                                                                                \
  NS_IMETHOD GetScrollMaxY(PRInt32* aScrollMaxY) override {                                        \
    return _to GetScrollMaxY(aScrollMaxY);                                                         \
  }                                                                                                \
  NS_IMETHOD GetLength(PRUint32* aLength) override {                                               \
    return _to GetLength(aLength);                                                                 \
  }                                                                                                \
  NS_IMETHOD GetFullScreen(PRBool* aFullScreen) override {                                         \
    return _to GetFullScreen(aFullScreen);                                                         \
  }                                                                                                \
  NS_IMETHOD SetFullScreen(PRBool aFullScreen) override {                                          \
    return _to SetFullScreen(aFullScreen);                                                         \
  }                                                                                                \
  NS_IMETHOD Alert(const nsAString& text) override {                                               \
    return _to Alert(text);                                                                        \
  }                                                                                                \
  NS_IMETHOD Confirm(const nsAString& text, PRBool* _retval) override {                            \
    return _to Confirm(text, _retval);                                                             \
  }                                                                                                \
  NS_IMETHOD Prompt(const nsAString& aMessage, const nsAString& aInitial, const nsAString& aTitle, \
                    PRUint32 aSavePassword, nsAString& _retval) override {                         \
    return _to Prompt(aMessage, aInitial, aTitle, aSavePassword, _retval);                         \
  }                                                                                                \
  NS_IMETHOD Focus(void) override {                                                                \
    return _to Focus();                                                                            \
  }                                                                                                \
  NS_IMETHOD Blur(void) override {                                                                 \
    return _to Blur();                                                                             \
  }                                                                                                \
  NS_IMETHOD Back(void) override {                                                                 \
    return _to Back();                                                                             \
  }                                                                                                \
  NS_IMETHOD Forward(void) override {                                                              \
    return _to Forward();                                                                          \
  }                                                                                                \
  NS_IMETHOD Home(void) override {                                                                 \
    return _to Home();                                                                             \
  }                                                                                                \
  NS_IMETHOD Stop(void) override {                                                                 \
    return _to Stop();                                                                             \
  }                                                                                                \
  NS_IMETHOD Print(void) override {                                                                \
    return _to Print();                                                                            \
  }                                                                                                \
  NS_IMETHOD MoveTo(PRInt32 xPos, PRInt32 yPos) override {                                         \
    return _to MoveTo(xPos, yPos);                                                                 \
  }                                                                                                \
  NS_IMETHOD MoveBy(PRInt32 xDif, PRInt32 yDif) override {                                         \
    return _to MoveBy(xDif, yDif);                                                                 \
  }                                                                                                \
  NS_IMETHOD ResizeTo(PRInt32 width, PRInt32 height) override {                                    \
    return _to ResizeTo(width, height);                                                            \
  }                                                                                                \
  NS_IMETHOD ResizeBy(PRInt32 widthDif, PRInt32 heightDif) override {                              \
    return _to ResizeBy(widthDif, heightDif);                                                      \
  }                                                                                                \
  NS_IMETHOD Scroll(PRInt32 xScroll, PRInt32 yScroll) override {                                   \
    return _to Scroll(xScroll, yScroll);                                                           \
  }                                                                                                \
  NS_IMETHOD Open(const nsAString& url, const nsAString& name, const nsAString& options,           \
                  nsIDOMWindow** _retval) override {                                               \
    return _to Open(url, name, options, _retval);                                                  \
  }                                                                                                \
  NS_IMETHOD OpenDialog(const nsAString& url, const nsAString& name, const nsAString& options,     \
                        nsISupports* aExtraArgument, nsIDOMWindow** _retval) override {            \
    return _to OpenDialog(url, name, options, aExtraArgument, _retval);                            \
  }                                                                                                \
  NS_IMETHOD Close(void) override {                                                                \
    return _to Close();                                                                            \
  }                                                                                                \
  NS_IMETHOD UpdateCommands(const nsAString& action) override {                                    \
    return _to UpdateCommands(action);                                                             \
  }                                                                                                \
  NS_IMETHOD Find(const nsAString& str, PRBool caseSensitive, PRBool backwards, PRBool wrapAround, \
                  PRBool wholeWord, PRBool searchInFrames, PRBool showDialog, PRBool* _retval)     \
      override {                                                                                   \
    return _to Find(str, caseSensitive, backwards, wrapAround, wholeWord, searchInFrames,          \
                    showDialog, _retval);                                                          \
  }                                                                                                \
  NS_IMETHOD Atob(const nsAString& aAsciiString, nsAString& _retval) override {                    \
    return _to Atob(aAsciiString, _retval);                                                        \
  }                                                                                                \
  NS_IMETHOD Btoa(const nsAString& aBase64Data, nsAString& _retval) override {                     \
    return _to Btoa(aBase64Data, _retval);                                                         \
  }                                                                                                \
  NS_IMETHOD GetFrameElement(nsIDOMElement** aFrameElement) override {                             \
    return _to GetFrameElement(aFrameElement);                                                     \
  }                                                                                                \
  NS_IMETHOD ShowModalDialog(const nsAString& aURI, nsIVariant* aArgs, const nsAString& aOptions,  \
                             nsIVariant** _retval) override {                                      \
    return _to ShowModalDialog(aURI, aArgs, aOptions, _retval);                                    \
  }                                                                                                \
  NS_IMETHOD PostMessage(const nsAString& message, const nsAString& targetOrigin) override {       \
    return _to PostMessage(message, targetOrigin);                                                 \
  }

#endif
