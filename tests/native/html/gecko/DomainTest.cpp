// The domain and its top-level enumerator when the browser's window mediator throws, at once
// or while it is being walked: each operation answers its failure value and nothing escapes
// to the agent.
#include <gtest/gtest.h>

#include <stdexcept>

#include "LiveObjectsCheck.h"
#include "NSHtmlDomain.h"
#include "Services.h"
#include "XPCOMObject.h"
#include "nsCOMPtr.h"
#include "nsISimpleEnumerator.h"
#include "nsIWindowMediator.h"

namespace {

class ThrowingWindows final : public geckohost::XPCOMObject<nsISimpleEnumerator> {
 public:
  NS_IMETHOD HasMoreElements(PRBool* more) override {
    if (m_throwOnHasMore)
      throw std::runtime_error("HasMoreElements");
    *more = PR_TRUE;
    return NS_OK;
  }
  NS_IMETHOD GetNext(nsISupports**) override { throw std::runtime_error("GetNext"); }

  bool m_throwOnHasMore = false;
};

// Throws from GetXULWindowEnumerator, or hands out windows that throw, as told.
class ThrowingMediator final : public geckohost::XPCOMObject<nsIWindowMediator> {
 public:
  enum class Fault { OnEnumerate, OnHasMore, OnNext };
  explicit ThrowingMediator(Fault fault) : m_fault(fault) {}

  NS_IMETHOD GetXULWindowEnumerator(const PRUnichar*, nsISimpleEnumerator** result) override {
    if (m_fault == Fault::OnEnumerate)
      throw std::bad_alloc();
    ThrowingWindows* windows = new ThrowingWindows();
    windows->m_throwOnHasMore = m_fault == Fault::OnHasMore;
    NS_ADDREF(*result = windows);
    return NS_OK;
  }
  NS_IMETHOD GetEnumerator(const PRUnichar*, nsISimpleEnumerator**) override { return Fail(); }
  NS_IMETHOD GetZOrderDOMWindowEnumerator(const PRUnichar*, PRBool,
                                          nsISimpleEnumerator**) override {
    return Fail();
  }
  NS_IMETHOD GetZOrderXULWindowEnumerator(const PRUnichar*, PRBool,
                                          nsISimpleEnumerator**) override {
    return Fail();
  }
  NS_IMETHOD GetMostRecentWindow(const PRUnichar*, nsIDOMWindowInternal**) override {
    return Fail();
  }
  NS_IMETHOD RegisterWindow(nsIXULWindow*) override { return Fail(); }
  NS_IMETHOD UnregisterWindow(nsIXULWindow*) override { return Fail(); }
  NS_IMETHOD AddListener(nsIWindowMediatorListener*) override { return Fail(); }
  NS_IMETHOD RemoveListener(nsIWindowMediatorListener*) override { return Fail(); }

 private:
  static nsresult Fail() { return NS_ERROR_NOT_IMPLEMENTED; }
  Fault m_fault;
};

class DomainTest : public LiveObjectsCheck {
 protected:
  void TearDown() override {
    geckohost::Services::unregister(NS_WINDOWMEDIATOR_CONTRACTID);
    LiveObjectsCheck::TearDown();
  }

  static void Use(ThrowingMediator::Fault fault) {
    nsCOMPtr<nsIWindowMediator> mediator = new ThrowingMediator(fault);
    geckohost::Services::registerService(NS_WINDOWMEDIATOR_CONTRACTID, mediator);
  }
};

TEST_F(DomainTest, AMediatorThatThrowsGivesNoObjectsAndNoException) {
  CHtmlObjectPtr<IHtmlDomain> domain = new CNSHtmlDomain();
  for (auto fault : {ThrowingMediator::Fault::OnEnumerate, ThrowingMediator::Fault::OnHasMore,
                     ThrowingMediator::Fault::OnNext}) {
    Use(fault);
    CHtmlObjectPtr<IHtmlTopLevelElement> found = domain->getTopLevelObject(0x400001L);
    EXPECT_EQ(found, nullptr);
    EXPECT_FALSE(domain->isBrowserWindow(0x400001L));
    CHtmlObjectPtr<IHtmlEnumerator> windows = domain->enumBrowsers();
    if (fault == ThrowingMediator::Fault::OnEnumerate) {
      EXPECT_EQ(windows, nullptr);
      continue;
    }
    ASSERT_TRUE(windows);
    // Asked once more after the fault: the enumeration stays ended.
    for (int again = 0; again < 2; ++again) {
      IHtmlObject* next = windows->nextElement();
      EXPECT_EQ(next, nullptr);
      if (next)
        next->release();
      EXPECT_FALSE(windows->hasMoreElements());
    }
  }
}

}  // namespace
