// A fixture for tests of the host's windows through its control API and the XPCOM surface, as
// the product meets them. Each test gets a fresh host on the private X server; afterwards the
// host is gone and the fixture checks that nothing leaked: the live-object count and the X
// windows under the root are back where they were, and no X error was reported.
//
// Tests must drop every interface pointer they took before the test body ends.
#ifndef TESTS_SUPPORT_HOSTFIXTURE_H
#define TESTS_SUPPORT_HOSTFIXTURE_H

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Host.h"
#include "LiveObjects.h"
#include "XObserver.h"
#include "nsCOMPtr.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIServiceManager.h"
#include "nsServiceManagerUtils.h"
#include "nsStringAPI.h"
#include "nsXPCOM.h"
#include "nsXPCOMGlue.h"

class HostFixture : public testing::Test {
 protected:
  // The element of `document` with id `id`, or null.
  static nsCOMPtr<nsIDOMElement> elementById(nsIDOMDocument* document, const char* id) {
    nsCOMPtr<nsIDOMElement> element;
    if (document)
      document->GetElementById(NS_ConvertUTF8toUTF16(id), getter_AddRefs(element));
    return element;
  }

  static std::string utf8(const nsAString& text) { return NS_ConvertUTF16toUTF8(text).get(); }

  // Serves a page at `url` from the host's page table.
  void page(const std::string& url, const std::string& markup) { host->pages().put(url, markup); }

  void SetUp() override {
    ASSERT_TRUE(observer.connected());
    ASSERT_EQ(XPCOMGlueStartup(nullptr), NS_OK);
    {
      // The service manager lives for the process once asked for; ask before counting.
      nsCOMPtr<nsIServiceManager> manager;
      NS_GetServiceManager(getter_AddRefs(manager));
    }
    liveBefore = geckohost::LiveObjects::count();
    windowsBefore = observer.descendantCount(observer.root());
    std::string error;
    host = geckohost::Host::start(&error);
    ASSERT_TRUE(host) << error;
  }

  void TearDown() override {
    host.reset();
    if (!observer.connected())
      return;
    EXPECT_EQ(geckohost::LiveObjects::count(), liveBefore) << "host objects leaked";
    EXPECT_EQ(observer.descendantCount(observer.root()), windowsBefore) << "X windows leaked";
  }

  testsupport::XObserver observer;
  std::unique_ptr<geckohost::Host> host;
  long liveBefore = 0;
  int windowsBefore = 0;
};

#endif
