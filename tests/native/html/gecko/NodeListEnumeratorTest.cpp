// Element objects from a node list that throws while it is read: the enumerator answers null,
// ends, and lets nothing escape to the agent.
#include <gtest/gtest.h>

#include <stdexcept>

#include "LiveObjectsCheck.h"
#include "NSHtmlNodeListEnumerator.h"
#include "XPCOMObject.h"
#include "nsCOMPtr.h"
#include "nsIDOMNodeList.h"

namespace {

class ThrowingNodeList final : public geckohost::XPCOMObject<nsIDOMNodeList> {
 public:
  NS_IMETHOD Item(PRUint32, nsIDOMNode**) override { throw std::runtime_error("Item"); }
  NS_IMETHOD GetLength(PRUint32* length) override {
    *length = 3;
    return NS_OK;
  }
};

class NodeListEnumeratorTest : public LiveObjectsCheck {};

TEST_F(NodeListEnumeratorTest, AListThatThrowsEndsTheEnumeration) {
  nsCOMPtr<nsIDOMNodeList> list = new ThrowingNodeList();
  CHtmlObjectPtr<IHtmlEnumerator> elements = new CNSHtmlNodeListEnumerator(list);
  ASSERT_TRUE(elements->hasMoreElements());
  EXPECT_EQ(elements->nextElement(), nullptr);
  EXPECT_FALSE(elements->hasMoreElements());
  EXPECT_EQ(elements->nextElement(), nullptr);
}

}  // namespace
