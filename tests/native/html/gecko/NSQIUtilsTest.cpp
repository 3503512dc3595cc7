#include "NSQIUtils.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Answers nsISupports and exactly one other interface id, given as text. Methods of that
// interface are never called: the queries only hand the pointer over.
class OneInterfaceObject final : public nsISupports {
 public:
  explicit OneInterfaceObject(const std::string& iid) { m_iid.Parse(iid.c_str()); }
  explicit OneInterfaceObject(const nsIID& iid) : m_iid(iid) {}

  NS_IMETHOD QueryInterface(const nsIID& iid, void** result) override {
    *result = nullptr;
    if (!iid.Equals(m_iid) && !iid.Equals(NS_GET_IID(nsISupports)))
      return NS_ERROR_NO_INTERFACE;
    *result = static_cast<nsISupports*>(this);
    AddRef();
    ++m_queriesAnswered;
    return NS_OK;
  }
  NS_IMETHOD_(nsrefcnt) AddRef() override { return ++m_refCount; }
  NS_IMETHOD_(nsrefcnt) Release() override {
    nsrefcnt count = --m_refCount;
    if (count == 0)
      delete this;
    return count;
  }
  nsrefcnt count() const { return m_refCount; }

 private:
  ~OneInterfaceObject() = default;
  nsIID m_iid;
  nsrefcnt m_refCount = 0;
  int m_queriesAnswered = 0;
};

}  // namespace

TEST(NSQIUtilsTest, OlderInterfaceIdsAreTriedInOrder) {
  nsCOMPtr<nsISupports> oldWindow = new OneInterfaceObject("5d72a699-a252-4161-a45f-e7d35e78b7f3");
  nsCOMPtr<nsIXULWindow> window = NSQIUtils::doQI_nsIXULWindow(oldWindow);
  EXPECT_EQ(static_cast<void*>(window.get()), static_cast<void*>(oldWindow.get()));
  EXPECT_FALSE(NSQIUtils::doQI_nsIContent(oldWindow));
  EXPECT_FALSE(NSQIUtils::doQI_nsIDocument(oldWindow));
  window = nullptr;
  EXPECT_EQ(static_cast<OneInterfaceObject*>(oldWindow.get())->count(), 1u);  // nothing leaked

  // The third of the document's older ids is reached after two refusals.
  nsCOMPtr<nsISupports> oldDocument =
      new OneInterfaceObject("21c6a9cb-163f-3dc2-3320-1cb17fa017c4");
  EXPECT_TRUE(NSQIUtils::doQI_nsIDocument(oldDocument));
  nsCOMPtr<nsISupports> oldContent = new OneInterfaceObject("9d059608-ddb0-4e6a-9969-d2f363a1b557");
  EXPECT_TRUE(NSQIUtils::doQI_nsIContent(oldContent));
}

TEST(NSQIUtilsTest, TheCurrentIdAnswersFirstAndNullGivesNull) {
  nsCOMPtr<nsISupports> current = new OneInterfaceObject(NS_GET_IID(nsIDocument));
  EXPECT_TRUE(NSQIUtils::doQI_nsIDocument(current));
  nsCOMPtr<nsISupports> unrelated = new OneInterfaceObject(NS_GET_IID(nsIContent));
  EXPECT_FALSE(NSQIUtils::doQI_nsIDocument(unrelated));
  EXPECT_FALSE(NSQIUtils::doQI_nsIXULWindow(nullptr));
}
