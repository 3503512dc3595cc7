#include "nsCOMPtr.h"

#include <gtest/gtest.h>

#include "TestObjects.h"

TEST(nsCOMPtrTest, AssignmentAndCopiesCountReferences) {
  int destroyed = 0;
  {
    nsCOMPtr<testIPing> first = new PingObject(1, &destroyed);
    auto* raw = static_cast<PingObject*>(first.get());
    EXPECT_EQ(raw->count(), 1u);
    {
      nsCOMPtr<testIPing> copy = first;
      EXPECT_EQ(raw->count(), 2u);
      nsCOMPtr<testIPing> moved = std::move(copy);
      EXPECT_EQ(raw->count(), 2u);
      EXPECT_EQ(copy.get(), nullptr);
    }
    EXPECT_EQ(raw->count(), 1u);
    first = first.get();  // assigning the held pointer keeps it alive
    EXPECT_EQ(raw->count(), 1u);
    EXPECT_EQ(destroyed, 0);
    first = nullptr;
    EXPECT_EQ(destroyed, 1);
  }
  EXPECT_EQ(destroyed, 1);
}

TEST(nsCOMPtrTest, QueryInterfaceGetterAddRefsAndForget) {
  int destroyed = 0;
  nsCOMPtr<testIPing> ping = new PingObject(7, &destroyed);

  nsresult rv = NS_ERROR_FAILURE;
  nsCOMPtr<nsIInterfaceRequestor> requestor = do_QueryInterface(ping, &rv);
  EXPECT_EQ(rv, NS_OK);
  ASSERT_TRUE(requestor);
  nsCOMPtr<nsISupports> a = do_QueryInterface(ping);
  nsCOMPtr<nsISupports> b = do_QueryInterface(requestor);
  EXPECT_TRUE(a == b);  // one identity through either interface

  nsCOMPtr<testIPing> none = do_QueryInterface(static_cast<nsISupports*>(nullptr), &rv);
  EXPECT_FALSE(none);
  EXPECT_EQ(rv, NS_ERROR_NULL_POINTER);

  testIPing* queried = nullptr;
  EXPECT_EQ(CallQueryInterface(requestor.get(), &queried), NS_OK);
  nsCOMPtr<testIPing> out = already_AddRefed<testIPing>(queried);
  nsCOMPtr<testIPing> refilled;
  EXPECT_EQ(requestor->QueryInterface(NS_GET_IID(testIPing), getter_AddRefs(refilled)), NS_OK);
  EXPECT_EQ(refilled.get(), out.get());
  refilled = nullptr;
  PRInt32 answer = 0;
  out->Ping(&answer);
  EXPECT_EQ(answer, 7);

  testIPing* kept = nullptr;
  out.forget(&kept);
  EXPECT_FALSE(out);
  nsCOMPtr<testIPing> adopted = already_AddRefed<testIPing>(kept);
  requestor = nullptr;
  a = nullptr;
  b = nullptr;
  ping = nullptr;
  EXPECT_EQ(destroyed, 0);
  adopted = nullptr;
  EXPECT_EQ(destroyed, 1);
}
