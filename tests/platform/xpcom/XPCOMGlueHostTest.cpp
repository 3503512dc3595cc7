// The glue finds the host's entry points in the process and reaches its managers.
#include <gtest/gtest.h>

#include "LiveObjects.h"
#include "Services.h"
#include "TestObjects.h"
#include "nsComponentManagerUtils.h"
#include "nsIInterfaceRequestorUtils.h"
#include "nsServiceManagerUtils.h"
#include "nsXPCOM.h"
#include "nsXPCOMGlue.h"

TEST(XPCOMGlueHostTest, ServicesAndInstancesByContractID) {
  ASSERT_EQ(XPCOMGlueStartup(nullptr), NS_OK);
  {
    nsCOMPtr<nsIServiceManager> manager;
    ASSERT_EQ(NS_GetServiceManager(getter_AddRefs(manager)), NS_OK);
    ASSERT_TRUE(manager);
  }
  long before = geckohost::LiveObjects::count();
  int destroyed = 0;
  {
    nsCOMPtr<testIPing> service = new PingObject(3, &destroyed);
    geckohost::Services::registerService("@test.org/ping;1", service);
    geckohost::Services::registerFactory("@test.org/ping-instance;1", [&destroyed] {
      nsISupports* made = static_cast<testIPing*>(new PingObject(4, &destroyed));
      made->AddRef();
      return made;
    });

    nsresult rv = NS_ERROR_FAILURE;
    nsCOMPtr<testIPing> found = do_GetService("@test.org/ping;1", &rv);
    EXPECT_EQ(rv, NS_OK);
    EXPECT_EQ(found.get(), service.get());

    nsCOMPtr<testIPing> created = do_CreateInstance("@test.org/ping-instance;1", &rv);
    ASSERT_EQ(rv, NS_OK);
    PRInt32 answer = 0;
    created->Ping(&answer);
    EXPECT_EQ(answer, 4);
    nsCOMPtr<testIPing> second = do_CreateInstance("@test.org/ping-instance;1");
    EXPECT_NE(second.get(), created.get());

    nsCOMPtr<testIPing> missing = do_GetService("@test.org/none;1", &rv);
    EXPECT_FALSE(missing);
    EXPECT_EQ(rv, NS_ERROR_FACTORY_NOT_REGISTERED);
    nsCOMPtr<testIPing> nullID = do_GetService(nullptr, &rv);
    EXPECT_EQ(rv, NS_ERROR_INVALID_ARG);

    // The same contract ID in another buffer finds the same factory; a factory registered
    // again for it replaces the one found before.
    char copied[] = "@test.org/ping-instance;1";
    nsCOMPtr<testIPing> third = do_CreateInstance(copied);
    ASSERT_TRUE(third);
    geckohost::Services::registerFactory("@test.org/ping-instance;1", [&destroyed] {
      nsISupports* made = static_cast<testIPing*>(new PingObject(5, &destroyed));
      made->AddRef();
      return made;
    });
    nsCOMPtr<testIPing> replaced = do_CreateInstance("@test.org/ping-instance;1");
    ASSERT_TRUE(replaced);
    replaced->Ping(&answer);
    EXPECT_EQ(answer, 5);

    EXPECT_TRUE(geckohost::Services::unregister("@test.org/ping;1"));
    EXPECT_TRUE(geckohost::Services::unregister("@test.org/ping-instance;1"));
    EXPECT_FALSE(geckohost::Services::unregister("@test.org/ping;1"));
    nsCOMPtr<testIPing> gone = do_GetService("@test.org/ping;1");
    EXPECT_FALSE(gone);
    nsCOMPtr<testIPing> noFactory = do_CreateInstance("@test.org/ping-instance;1", &rv);
    EXPECT_FALSE(noFactory);
    EXPECT_EQ(rv, NS_ERROR_FACTORY_NOT_REGISTERED);
  }
  EXPECT_EQ(destroyed, 5);
  EXPECT_EQ(geckohost::LiveObjects::count(), before);
}

TEST(XPCOMGlueHostTest, GetInterfaceAsksTheRequestor) {
  int destroyed = 0;
  {
    nsCOMPtr<testIPing> source = new PingObject(1, &destroyed);
    nsCOMPtr<testIPing> related = new PingObject(2, &destroyed);
    nsresult rv = NS_OK;
    nsCOMPtr<testIPing> none = do_GetInterface(source, &rv);
    EXPECT_FALSE(none);
    EXPECT_EQ(rv, NS_ERROR_NO_INTERFACE);

    static_cast<PingObject*>(source.get())->setRelated(related);
    nsCOMPtr<testIPing> answer = do_GetInterface(source, &rv);
    EXPECT_EQ(rv, NS_OK);
    EXPECT_EQ(answer.get(), related.get());
  }
  EXPECT_EQ(destroyed, 2);
}
