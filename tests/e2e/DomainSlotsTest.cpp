// The domain object through dlopen and virtual-slot indexes, as the agent sees it.
#include <gtest/gtest.h>

#include <cstring>

#include "LiveObjects.h"
#include "ProductLibrary.h"
#include "SlotCall.h"

using slotcall::callSlot;

namespace {

// IHtmlDomain slots.
enum DomainSlot {
  kAddRef = 0,
  kRelease = 1,
  kGetReferenceCount = 2,
  kGetTopLevelObject = 3,
  kGetImplementationName = 4,
  kEnumBrowsers = 5,
  kEnumBrowserThreads = 6,
  kIsBrowserWindow = 7,
  kGetNativeProxy = 8,
  kGetEmbeddedProxy = 9,
  kGetDocHandleFromBrowser = 10,
  kOnEmbeddedBrowserDestroyed = 11,
};
// IHtmlEnumerator slots after the three counting ones.
const int kNextElement = 3;
const int kHasMoreElements = 4;

ProductLibrary& Library() {
  static ProductLibrary library;
  return library;
}

}  // namespace

TEST(DomainSlotsTest, CountingThroughSlotsZeroToTwo) {
  void* domain = Library().getHtmlDomain();
  ASSERT_NE(domain, nullptr);
  EXPECT_EQ(callSlot<int>(domain, kGetReferenceCount), 1);
  callSlot<void>(domain, kAddRef);
  EXPECT_EQ(callSlot<int>(domain, kGetReferenceCount), 2);
  callSlot<void>(domain, kRelease);
  EXPECT_EQ(callSlot<int>(domain, kGetReferenceCount), 1);

  void* second = Library().getHtmlDomain();
  EXPECT_NE(second, domain);
  EXPECT_EQ(callSlot<int>(second, kGetReferenceCount), 1);
  callSlot<void>(second, kRelease);
  callSlot<void>(domain, kRelease);
}

TEST(DomainSlotsTest, ImplementationNameHasStrncpySemantics) {
  void* domain = Library().getHtmlDomain();
  char buffer[64];
  memset(buffer, 'X', sizeof buffer);
  EXPECT_EQ(callSlot<int>(domain, kGetImplementationName, buffer, int(sizeof buffer)), 4);
  EXPECT_STREQ(buffer, "Firefox 3.6");
  for (size_t i = strlen("Firefox 3.6"); i < sizeof buffer; ++i) {
    ASSERT_EQ(buffer[i], 0) << i;  // zero-padded to the size given
  }

  memset(buffer, 'X', sizeof buffer);
  EXPECT_EQ(callSlot<int>(domain, kGetImplementationName, buffer, 3), 3);
  EXPECT_EQ(std::string(buffer, 4), "FirX");  // three bytes, no terminator

  memset(buffer, 'X', sizeof buffer);
  EXPECT_EQ(callSlot<int>(domain, kGetImplementationName, buffer, 11), 4);
  EXPECT_EQ(std::string(buffer, 12), "Firefox 3.6X");

  // Absurd arguments get nothing written and 0.
  EXPECT_EQ(callSlot<int>(domain, kGetImplementationName, static_cast<char*>(nullptr), 64), 0);
  memset(buffer, 'X', sizeof buffer);
  EXPECT_EQ(callSlot<int>(domain, kGetImplementationName, buffer, -1), 0);
  EXPECT_EQ(callSlot<int>(domain, kGetImplementationName, buffer, 0), 0);
  EXPECT_EQ(buffer[0], 'X');
  callSlot<void>(domain, kRelease);
}

TEST(DomainSlotsTest, ThreadsProxiesAndDefaults) {
  long before = geckohost::LiveObjects::count();
  void* domain = Library().getHtmlDomain();

  void* threads = callSlot<void*>(domain, kEnumBrowserThreads);
  ASSERT_NE(threads, nullptr);
  EXPECT_EQ(callSlot<int>(threads, kGetReferenceCount), 1);
  EXPECT_FALSE(callSlot<bool>(threads, kHasMoreElements));
  EXPECT_EQ(callSlot<void*>(threads, kNextElement), nullptr);
  callSlot<void>(threads, kRelease);

  EXPECT_FALSE(callSlot<bool>(domain, kIsBrowserWindow, 0x1234L));
  EXPECT_EQ(callSlot<void*>(domain, kGetNativeProxy, 0x1234L), nullptr);
  EXPECT_EQ(callSlot<void*>(domain, kGetEmbeddedProxy, 0x1234L), nullptr);
  EXPECT_EQ(callSlot<long>(domain, kGetDocHandleFromBrowser, 0x1234L), 0);
  callSlot<void>(domain, kOnEmbeddedBrowserDestroyed, 0x1234L);
  EXPECT_EQ(callSlot<int>(domain, kGetReferenceCount), 1);

  // No browser window is open in this process: nothing is found and nothing enumerated.
  EXPECT_EQ(callSlot<void*>(domain, kGetTopLevelObject, 0x1234L), nullptr);
  void* browsers = callSlot<void*>(domain, kEnumBrowsers);
  ASSERT_NE(browsers, nullptr);
  EXPECT_FALSE(callSlot<bool>(browsers, kHasMoreElements));
  callSlot<void>(browsers, kRelease);

  callSlot<void>(domain, kRelease);
  EXPECT_EQ(geckohost::LiveObjects::count(), before);
}
