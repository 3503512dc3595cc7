#include "Widget.h"

#include <algorithm>
#include <cstdint>

#include "XConnection.h"
#include "nsError.h"
#include "nsStringAPI.h"

namespace geckohost {

namespace {

using x11::TopLevelShell;

// The frame rectangle around a top level at `client` (the inverse of clientFromOuter).
nsIntRect outerFromClient(const nsIntRect& client) {
  const auto& insets = TopLevelShell::kInsets;
  return {client.x - insets.left, client.y - insets.top, client.width + insets.left + insets.right,
          client.height + insets.top + insets.bottom};
}

void* idAsPointer(x11::XWindow id) {
  return reinterpret_cast<void*>(static_cast<uintptr_t>(id));
}

}  // namespace

nsCOMPtr<Widget> Widget::createTopLevel(x11::XConnection& connection, const nsIntRect& outer) {
  nsCOMPtr<Widget> widget = new Widget(connection);
  widget->mShell = std::make_unique<TopLevelShell>(connection, outer);
  widget->mBounds = widget->mShell->clientBounds();
  // The widget's window always fills the top level; the frame decides what is visible.
  widget->mWindow = std::make_unique<x11::NativeWindow>(
      connection, widget->mShell->topLevelId(),
      nsIntRect(0, 0, widget->mBounds.width, widget->mBounds.height));
  widget->mWindow->show();
  return widget;
}

nsCOMPtr<Widget> Widget::createPopup(x11::XConnection& connection, const nsIntRect& screen) {
  nsCOMPtr<Widget> widget = new Widget(connection);
  widget->mPopup = true;
  widget->mBounds = screen;
  widget->mWindow = std::make_unique<x11::NativeWindow>(
      connection, connection.rootWindow(), screen, x11::NativeWindow::Placement::OverrideRedirect);
  widget->show(true);
  widget->mWindow->raise();
  return widget;
}

nsCOMPtr<Widget> Widget::createChild(Widget& parent, const nsIntRect& bounds,
                                     Visibility visibility) {
  nsCOMPtr<Widget> widget = new Widget(parent.mConnection);
  if (parent.isDestroyed())
    return widget;  // born destroyed, like its parent
  widget->mParent = &parent;
  widget->mBounds = bounds;
  widget->mWindow =
      std::make_unique<x11::NativeWindow>(parent.mConnection, parent.nativeWindowId(), bounds);
  parent.mChildren.push_back(widget);
  widget->show(visibility == Visibility::Shown);
  return widget;
}

Widget::Widget(x11::XConnection& connection) : mConnection(connection) {}

Widget::~Widget() {
  destroyWindows();
}

x11::XWindow Widget::nativeWindowId() const {
  return mWindow ? mWindow->id() : x11::kNoWindow;
}

x11::XWindow Widget::frameWindowId() const {
  return mShell ? mShell->frameId() : x11::kNoWindow;
}

x11::XWindow Widget::topLevelWindowId() const {
  return mShell ? mShell->topLevelId() : x11::kNoWindow;
}

x11::NativeWindow* Widget::topLevelWindow() {
  return mShell ? &mShell->topLevel() : nullptr;
}

nsIntPoint Widget::screenOffset() const {
  nsIntPoint offset(mBounds.x, mBounds.y);
  if (mParent) {
    nsIntPoint parentOffset = mParent->screenOffset();
    offset.MoveBy(parentOffset.x, parentOffset.y);
  }
  return offset;
}

nsIntRect Widget::outerBounds() const {
  return mShell ? mShell->outerBounds() : mBounds;
}

void Widget::setOuterBounds(const nsIntRect& outer) {
  if (!mShell) {
    setBounds(outer);
    return;
  }
  setBounds(TopLevelShell::clientFromOuter(outer));
}

void Widget::setBounds(const nsIntRect& bounds) {
  if (isDestroyed())
    return;
  mBounds = bounds;
  if (mShell) {
    mShell->setOuterBounds(outerFromClient(bounds));
    mBounds = mShell->clientBounds();  // sizes below zero were clamped
    mWindow->resize(mBounds.width, mBounds.height);
  } else {
    mWindow->setBounds(bounds);
  }
}

void Widget::show(bool visible) {
  if (isDestroyed())
    return;
  mVisible = visible;
  if (mShell) {
    visible ? mShell->show() : mShell->hide();
  } else {
    visible ? mWindow->show() : mWindow->hide();
  }
}

void Widget::destroy() {
  nsCOMPtr<Widget> keepAlive = this;  // the parent may hold the last reference
  destroyWindows();
  if (mParent) {
    auto& siblings = mParent->mChildren;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), keepAlive), siblings.end());
    mParent = nullptr;
  }
}

void Widget::destroyWindows() {
  for (auto& child : mChildren) {
    child->destroyWindows();
    child->mParent = nullptr;
  }
  mChildren.clear();
  mWindow.reset();
  mShell.reset();
  mVisible = false;
}

nsIWidget* Widget::sibling(int step) const {
  if (!mParent)
    return nullptr;
  const auto& siblings = mParent->mChildren;
  for (size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].get() != this)
      continue;
    long other = static_cast<long>(i) + step;
    if (other < 0 || other >= static_cast<long>(siblings.size()))
      return nullptr;
    return siblings[static_cast<size_t>(other)].get();
  }
  return nullptr;
}

// nsIWidget

NS_IMETHODIMP Widget::GetClientData(void*& aClientData) {
  aClientData = mClientData;
  return NS_OK;
}

NS_IMETHODIMP Widget::SetClientData(void* aClientData) {
  mClientData = aClientData;
  return NS_OK;
}

NS_IMETHODIMP Widget::Destroy(void) {
  destroy();
  return NS_OK;
}

NS_IMETHODIMP Widget::SetParent(nsIWidget* aNewParent) {
  // Widgets here stay where they were made: moving an X window tree between parents is
  // something no caller of the host needs.
  return NS_ERROR_NOT_IMPLEMENTED;
}

nsIWidget* Widget::GetParent(void) {
  return mParent;
}

nsIWidget* Widget::GetFirstChild() const {
  return mChildren.empty() ? nullptr : mChildren.front().get();
}

nsIWidget* Widget::GetLastChild() const {
  return mChildren.empty() ? nullptr : mChildren.back().get();
}

nsIWidget* Widget::GetNextSibling() const {
  return sibling(1);
}

nsIWidget* Widget::GetPrevSibling() const {
  return sibling(-1);
}

NS_IMETHODIMP Widget::Show(PRBool aState) {
  if (isDestroyed())
    return NS_ERROR_FAILURE;
  show(aState != PR_FALSE);
  return NS_OK;
}

NS_IMETHODIMP Widget::IsVisible(PRBool& aState) {
  aState = mVisible ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP Widget::Move(PRInt32 aX, PRInt32 aY) {
  if (isDestroyed())
    return NS_ERROR_FAILURE;
  setBounds({aX, aY, mBounds.width, mBounds.height});
  return NS_OK;
}

NS_IMETHODIMP Widget::Resize(PRInt32 aWidth, PRInt32 aHeight, PRBool) {
  if (isDestroyed())
    return NS_ERROR_FAILURE;
  if (aWidth < 0 || aHeight < 0)
    return NS_ERROR_INVALID_ARG;
  setBounds({mBounds.x, mBounds.y, aWidth, aHeight});
  return NS_OK;
}

NS_IMETHODIMP Widget::Resize(PRInt32 aX, PRInt32 aY, PRInt32 aWidth, PRInt32 aHeight, PRBool) {
  if (isDestroyed())
    return NS_ERROR_FAILURE;
  if (aWidth < 0 || aHeight < 0)
    return NS_ERROR_INVALID_ARG;
  setBounds({aX, aY, aWidth, aHeight});
  return NS_OK;
}

NS_IMETHODIMP Widget::Enable(PRBool aState) {
  mEnabled = aState != PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP Widget::IsEnabled(PRBool* aState) {
  if (!aState)
    return NS_ERROR_NULL_POINTER;
  *aState = mEnabled ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP Widget::SetFocus(PRBool aRaise) {
  if (isDestroyed())
    return NS_ERROR_FAILURE;
  // Keyboard focus means nothing to a server without input; raising is what can be seen.
  if (aRaise && mShell)
    mShell->raise();
  return NS_OK;
}

NS_IMETHODIMP Widget::GetBounds(nsIntRect& aRect) {
  aRect = mBounds;
  return NS_OK;
}

NS_IMETHODIMP Widget::GetScreenBounds(nsIntRect& aRect) {
  nsIntPoint offset = screenOffset();
  aRect.SetRect(offset.x, offset.y, mBounds.width, mBounds.height);
  return NS_OK;
}

NS_IMETHODIMP Widget::GetClientBounds(nsIntRect& aRect) {
  aRect.SetRect(0, 0, mBounds.width, mBounds.height);  // widgets here have no border
  return NS_OK;
}

NS_IMETHODIMP Widget::Invalidate(const nsIntRect&, PRBool) {
  // Nothing is drawn into widgets yet; the X server keeps showing their background.
  return isDestroyed() ? NS_ERROR_FAILURE : NS_OK;
}

NS_IMETHODIMP Widget::Update() {
  return isDestroyed() ? NS_ERROR_FAILURE : NS_OK;
}

void* Widget::GetNativeData(PRUint32 aDataType) {
  if (isDestroyed())
    return nullptr;
  switch (aDataType) {
    case NS_NATIVE_WINDOW:
    case NS_NATIVE_PLUGIN_PORT:
      return idAsPointer(mWindow->id());
    case NS_NATIVE_DISPLAY:
      return mConnection.display();
    default:
      return nullptr;  // no GDK or GTK objects exist here
  }
}

NS_IMETHODIMP Widget::SetTitle(const nsAString& aTitle) {
  if (isDestroyed())
    return NS_ERROR_FAILURE;
  if (mShell)
    mShell->topLevel().setTitle(NS_ConvertUTF16toUTF8(aTitle).get());
  return NS_OK;
}

nsIntPoint Widget::WidgetToScreenOffset() {
  return screenOffset();
}

}  // namespace geckohost
