// View managers and views: the root view carries the widget the document is shown in.
#include <gtest/gtest.h>

#include <memory>

#include "LiveObjects.h"
#include "View.h"
#include "ViewManager.h"
#include "Widget.h"
#include "XConnection.h"

using geckohost::LiveObjects;
using geckohost::View;
using geckohost::ViewManager;
using geckohost::Widget;
using geckohost::x11::XConnection;

namespace {

TEST(ViewManagerTest, RootViewCarriesTheWidgetAndReleasesIt) {
  auto connection = XConnection::open(nullptr);
  ASSERT_TRUE(connection);
  long before = LiveObjects::count();
  {
    nsCOMPtr<Widget> top = Widget::createTopLevel(*connection, {0, 0, 208, 128});
    nsCOMPtr<Widget> content = Widget::createChild(*top, {0, 0, 200, 100});
    nsCOMPtr<ViewManager> views = new ViewManager(content, 60);

    nsCOMPtr<nsIWidget> widget;
    ASSERT_EQ(views->GetWidget(getter_AddRefs(widget)), NS_OK);
    EXPECT_EQ(widget.get(), static_cast<nsIWidget*>(content));
    nsCOMPtr<nsIWidget> rootWidget;
    views->GetRootWidget(getter_AddRefs(rootWidget));
    EXPECT_EQ(rootWidget, widget);

    nsIView* root = nullptr;
    ASSERT_EQ(views->GetRootView(root), NS_OK);
    ASSERT_TRUE(root);
    EXPECT_EQ(root->GetWidget(), static_cast<nsIWidget*>(content));
    EXPECT_EQ(root->GetViewManager(), static_cast<nsIViewManager*>(views));
    void* clientData = nullptr;
    content->GetClientData(clientData);
    EXPECT_EQ(clientData, root);

    nscoord width = 0, height = 0;
    views->GetWindowDimensions(&width, &height);
    EXPECT_EQ(width, 200 * 60);
    EXPECT_EQ(height, 100 * 60);
    content->Resize(100, 50, PR_FALSE);
    views->updateRootBounds(40);  // 150 % zoom
    views->GetWindowDimensions(&width, &height);
    EXPECT_EQ(width, 100 * 40);
    EXPECT_EQ(views->SetWindowDimensions(-1, 5), NS_ERROR_INVALID_ARG);

    View& child = views->rootView()->createChild(nsRect(60, 120, 600, 600));
    EXPECT_EQ(root->GetFirstChild(), &child);
    EXPECT_EQ(child.GetParent(), root);
    EXPECT_EQ(child.GetPosition(), nsPoint(60, 120));
    EXPECT_FALSE(child.HasWidget());
    EXPECT_EQ(child.GetNextSibling(), nullptr);

    views->destroy();
    content->GetClientData(clientData);
    EXPECT_EQ(clientData, nullptr);
    EXPECT_EQ(views->GetRootView(root), NS_ERROR_NOT_AVAILABLE);
    views->GetWidget(getter_AddRefs(widget));
    EXPECT_FALSE(widget);
    top->destroy();
  }
  EXPECT_EQ(LiveObjects::count(), before);
}

}  // namespace
