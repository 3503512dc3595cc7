// A view: a rectangle in a view manager's tree, optionally with its own widget. The root view
// of a presentation shell carries the widget the document is shown in; the widget's client
// data points back at the view, as Gecko's does.
#ifndef GECKOHOST_VIEW_VIEW_H
#define GECKOHOST_VIEW_VIEW_H

#include <memory>
#include <vector>

#include "nsCOMPtr.h"
#include "nsIView.h"

namespace geckohost {

class ViewManager;
class Widget;

class View final : public nsIView {
 public:
  // `bounds` in app units, relative to the parent view.
  View(ViewManager& manager, View* parent, const nsRect& bounds);
  ~View();
  View(const View&) = delete;
  View& operator=(const View&) = delete;

  // A child view, owned by this one.
  View& createChild(const nsRect& bounds);
  // Destroys a child view made by createChild (its widget detached, its own children gone).
  void destroyChild(View& child);

  // Shows this view in `widget` (null: none); the widget's client data becomes this view.
  void attachWidget(Widget* widget);
  Widget* widget() const { return mWidget.get(); }
  void setBounds(const nsRect& bounds) { mBounds = bounds; }
  // Forgets the manager and the widget: the manager is going away.
  void detach();

  // nsIView
  nsIViewManager* GetViewManager() const override;
  nsPoint GetPosition() const override;
  nsRect GetBounds() const override;
  nsIView* GetParent() const override;
  nsIView* GetFirstChild() const override;
  nsIView* GetNextSibling() const override;
  void SetClientData(void* aData) override;
  void* GetClientData() const override;
  nsIWidget* GetWidget() const override;
  PRBool HasWidget() const override;

 private:
  ViewManager* mManager;  // weak; owns the root view, which owns us
  View* mParent;          // weak; null for the root view
  std::vector<std::unique_ptr<View>> mChildren;
  nsRect mBounds;
  nsCOMPtr<Widget> mWidget;
  void* mClientData = nullptr;  // the frame that owns the view, once layout makes frames
};

}  // namespace geckohost

#endif
