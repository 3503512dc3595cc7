// A widget: one native X window in the tree of widgets, with Gecko's nsIWidget on top.
//
// A top-level widget also owns the frame and top-level X windows around its own window
// (x11::TopLevelShell): its bounds are its position on the screen. A child widget's window
// lives inside its parent's, and its bounds are relative to the parent.
//
//   nsCOMPtr<Widget> top = Widget::createTopLevel(connection, {100, 80, 640, 480});
//   top->bounds()       → (104, 104, 632, 452), the top level inside the pretended decoration
//   nsCOMPtr<Widget> content = Widget::createChild(*top, {0, 84, 632, 346});
//   content->screenOffset() → (104, 188)
#ifndef GECKOHOST_WIDGET_WIDGET_H
#define GECKOHOST_WIDGET_WIDGET_H

#include <memory>
#include <string>
#include <vector>

#include "NativeWindow.h"
#include "TopLevelShell.h"
#include "XPCOMObject.h"
#include "nsCOMPtr.h"
#include "nsIWidget.h"

namespace geckohost {

class Widget final : public XPCOMObject<nsIWidget> {
 public:
  // A top-level widget whose frame (decoration included) is at `outer` on the screen. Hidden
  // until shown.
  static nsCOMPtr<Widget> createTopLevel(x11::XConnection& connection, const nsIntRect& outer);
  enum class Visibility { Shown, Hidden };

  // A popup: an override-redirect child of the root at `screen` (no decoration, no window
  // manager), shown at once. Top-level: its bounds are screen coordinates.
  static nsCOMPtr<Widget> createPopup(x11::XConnection& connection, const nsIntRect& screen);

  // A child of `parent` at `bounds` (relative to the parent).
  static nsCOMPtr<Widget> createChild(Widget& parent, const nsIntRect& bounds,
                                      Visibility visibility = Visibility::Shown);

  bool isTopLevel() const { return mShell != nullptr || mPopup; }
  bool isPopup() const { return mPopup; }
  x11::XConnection& connection() const { return mConnection; }
  bool isDestroyed() const { return !mWindow; }

  // The widget's own X window (what NS_NATIVE_WINDOW and NS_NATIVE_PLUGIN_PORT give); 0 once
  // destroyed.
  x11::XWindow nativeWindowId() const;
  // For a top-level widget: the frame and the top-level window around it; 0 otherwise.
  x11::XWindow frameWindowId() const;
  x11::XWindow topLevelWindowId() const;
  // The top-level window's properties (WM_CLASS, title, owner); null for a child widget.
  x11::NativeWindow* topLevelWindow();

  // Relative to the parent; on the screen for a top-level widget.
  nsIntRect bounds() const { return mBounds; }
  nsIntPoint screenOffset() const;
  // For a top-level widget: the frame's rectangle on the screen. Moving it moves the widget.
  nsIntRect outerBounds() const;
  void setOuterBounds(const nsIntRect& outer);
  void setBounds(const nsIntRect& bounds);
  void show(bool visible);
  bool isShown() const { return mVisible; }

  Widget* parent() const { return mParent; }
  const std::vector<nsCOMPtr<Widget>>& children() const { return mChildren; }

  // Destroys the X windows of this widget and of its children, and detaches it from its
  // parent. The object lives on (answering failures) while someone holds it.
  void destroy();

  // nsIWidget
  NS_IMETHOD GetClientData(void*& aClientData) override;
  NS_IMETHOD SetClientData(void* aClientData) override;
  NS_IMETHOD Destroy(void) override;
  NS_IMETHOD SetParent(nsIWidget* aNewParent) override;
  nsIWidget* GetParent(void) override;
  nsIWidget* GetFirstChild() const override;
  nsIWidget* GetLastChild() const override;
  nsIWidget* GetNextSibling() const override;
  nsIWidget* GetPrevSibling() const override;
  NS_IMETHOD Show(PRBool aState) override;
  NS_IMETHOD IsVisible(PRBool& aState) override;
  NS_IMETHOD Move(PRInt32 aX, PRInt32 aY) override;
  NS_IMETHOD Resize(PRInt32 aWidth, PRInt32 aHeight, PRBool aRepaint) override;
  NS_IMETHOD Resize(PRInt32 aX, PRInt32 aY, PRInt32 aWidth, PRInt32 aHeight,
                    PRBool aRepaint) override;
  NS_IMETHOD Enable(PRBool aState) override;
  NS_IMETHOD IsEnabled(PRBool* aState) override;
  NS_IMETHOD SetFocus(PRBool aRaise) override;
  NS_IMETHOD GetBounds(nsIntRect& aRect) override;
  NS_IMETHOD GetScreenBounds(nsIntRect& aRect) override;
  NS_IMETHOD GetClientBounds(nsIntRect& aRect) override;
  NS_IMETHOD Invalidate(const nsIntRect& aRect, PRBool aIsSynchronous) override;
  NS_IMETHOD Update() override;
  void* GetNativeData(PRUint32 aDataType) override;
  NS_IMETHOD SetTitle(const nsAString& aTitle) override;
  nsIntPoint WidgetToScreenOffset() override;

 private:
  explicit Widget(x11::XConnection& connection);
  ~Widget() override;

  nsIWidget* sibling(int step) const;
  // Destroys the children's windows before our own, as X needs them gone first.
  void destroyWindows();

  x11::XConnection& mConnection;               // weak; the host's, outlives every widget
  Widget* mParent = nullptr;                   // weak; the parent holds us in mChildren
  std::vector<nsCOMPtr<Widget>> mChildren;     // in creation order
  std::unique_ptr<x11::TopLevelShell> mShell;  // top-level widgets only
  std::unique_ptr<x11::NativeWindow> mWindow;  // null once destroyed
  nsIntRect mBounds;
  bool mVisible = false;
  bool mEnabled = true;
  bool mPopup = false;
  void* mClientData = nullptr;  // the view attached to this widget, by convention
};

}  // namespace geckohost

#endif
