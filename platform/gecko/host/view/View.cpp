#include "View.h"

#include <algorithm>

#include "ViewManager.h"
#include "Widget.h"

namespace geckohost {

View::View(ViewManager& manager, View* parent, const nsRect& bounds)
    : mManager(&manager), mParent(parent), mBounds(bounds) {}

View::~View() {
  attachWidget(nullptr);
}

View& View::createChild(const nsRect& bounds) {
  mChildren.push_back(std::make_unique<View>(*mManager, this, bounds));
  return *mChildren.back();
}

void View::destroyChild(View& child) {
  mChildren.erase(
      std::remove_if(mChildren.begin(), mChildren.end(),
                     [&](const std::unique_ptr<View>& view) { return view.get() == &child; }),
      mChildren.end());
}

void View::attachWidget(Widget* widget) {
  if (mWidget) {
    void* data = nullptr;
    mWidget->GetClientData(data);
    if (data == this)
      mWidget->SetClientData(nullptr);
  }
  mWidget = widget;
  if (mWidget)
    mWidget->SetClientData(static_cast<nsIView*>(this));
}

void View::detach() {
  for (auto& child : mChildren)
    child->detach();
  attachWidget(nullptr);
  mManager = nullptr;
}

nsIViewManager* View::GetViewManager() const {
  return mManager;
}

nsPoint View::GetPosition() const {
  return mBounds.TopLeft();
}

nsRect View::GetBounds() const {
  return mBounds;
}

nsIView* View::GetParent() const {
  return mParent;
}

nsIView* View::GetFirstChild() const {
  return mChildren.empty() ? nullptr : mChildren.front().get();
}

nsIView* View::GetNextSibling() const {
  if (!mParent)
    return nullptr;
  const auto& siblings = mParent->mChildren;
  for (size_t i = 0; i + 1 < siblings.size(); ++i) {
    if (siblings[i].get() == this)
      return siblings[i + 1].get();
  }
  return nullptr;
}

void View::SetClientData(void* aData) {
  mClientData = aData;
}

void* View::GetClientData() const {
  return mClientData;
}

nsIWidget* View::GetWidget() const {
  return mWidget.get();
}

PRBool View::HasWidget() const {
  return mWidget ? PR_TRUE : PR_FALSE;
}

}  // namespace geckohost
