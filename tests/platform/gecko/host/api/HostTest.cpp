// The control side's own rules: one host per process, on the display DISPLAY names, and the
// window mediator registered only while a host runs.
#include <cstdlib>
#include <string>

#include "HostFixture.h"
#include "PrivateXServerEnvironment.h"
#include "nsIWindowMediator.h"

namespace {

class HostTest : public HostFixture {};

TEST_F(HostTest, OneHostOnTheDefaultDisplay) {
  EXPECT_EQ(host->displayName(), testsupport::privateDisplayName());
  std::string error;
  EXPECT_FALSE(geckohost::Host::start(&error));
  EXPECT_NE(error.find("already running"), std::string::npos);

  nsCOMPtr<nsIWindowMediator> mediator = do_GetService("@mozilla.org/appshell/window-mediator;1");
  EXPECT_TRUE(mediator);
  mediator = nullptr;

  geckohost::BrowserWindowOptions options;
  options.urls = {"http://test/one.html", "http://test/two.html"};
  options.selectedTab = 1;
  page("http://test/one.html", "<title>one</title>");
  page("http://test/two.html", "<title>two</title>");
  geckohost::BrowserWindow& browser = host->openBrowserWindow(options);
  EXPECT_EQ(browser.tabCount(), 2);
  EXPECT_EQ(browser.selectedTab(), 1);
  EXPECT_EQ(browser.currentUrl(0), "http://test/one.html");
  EXPECT_EQ(observer.title(browser.topLevelWindow()), "two - Mozilla Firefox");
  EXPECT_EQ(browser.addTab("http://test/one.html"), 2);
  EXPECT_EQ(browser.selectedTab(), 1);
  EXPECT_EQ(host->browserWindowCount(), 1u);

  // When the host goes, so does the mediator.
  host.reset();
  nsCOMPtr<nsIWindowMediator> gone = do_GetService("@mozilla.org/appshell/window-mediator;1");
  EXPECT_FALSE(gone);
  host = geckohost::Host::start(&error);
  EXPECT_TRUE(host) << error;
}

TEST(HostWithoutDisplayTest, StartFailsWithTheReason) {
  std::string saved = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
  setenv("DISPLAY", ":999", 1);
  std::string error;
  auto host = geckohost::Host::start(&error);
  setenv("DISPLAY", saved.c_str(), 1);
  EXPECT_FALSE(host);
  EXPECT_EQ(error, "cannot open display :999");
}

}  // namespace
