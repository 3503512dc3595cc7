#include "NSObjectIdentity.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "nsISupports.h"

namespace {

// A face of an object whose canonical nsISupports is another object, as for a tear-off: the
// identity must be the canonical pointer, not the one the caller holds.
class TearOff final : public nsISupports {
 public:
  explicit TearOff(nsISupports* canonical) : m_canonical(canonical) {}
  NS_IMETHOD QueryInterface(const nsIID& iid, void** result) override {
    *result = nullptr;
    if (!iid.Equals(NS_GET_IID(nsISupports)))
      return NS_ERROR_NO_INTERFACE;
    m_canonical->AddRef();
    *result = m_canonical;
    return NS_OK;
  }
  NS_IMETHOD_(nsrefcnt) AddRef() override { return ++m_refCount; }
  NS_IMETHOD_(nsrefcnt) Release() override { return --m_refCount; }

 private:
  nsISupports* m_canonical;
  nsrefcnt m_refCount = 1;
};

class Counted final : public nsISupports {
 public:
  NS_IMETHOD QueryInterface(const nsIID&, void** result) override {
    *result = this;
    AddRef();
    return NS_OK;
  }
  NS_IMETHOD_(nsrefcnt) AddRef() override { return ++m_refCount; }
  NS_IMETHOD_(nsrefcnt) Release() override { return --m_refCount; }
  nsrefcnt count() const { return m_refCount; }

 private:
  nsrefcnt m_refCount = 1;
};

std::string Text(long long identity) {
  nsString_external text = NSIdentityText(identity);
  std::string narrow;
  for (PRUint32 i = 0; i < text.Length(); ++i)
    narrow += static_cast<char>(text.BeginReading()[i]);
  return narrow;
}

}  // namespace

// The agent compares identities as signed 64-bit numbers that a 32-bit browser sign-extends:
// a pointer with its top bit set is negative on either width.
TEST(ObjectIdentityTest, PointersSignExtendFromTheirOwnWidth) {
  if (sizeof(void*) == 4) {
    const void* high = reinterpret_cast<const void*>(static_cast<uintptr_t>(0x80001234u));
    EXPECT_EQ(NSPointerAsLongLong(high), -2147478988LL);  // 0xFFFFFFFF80001234
    EXPECT_EQ(static_cast<unsigned long long>(NSPointerAsLongLong(high)), 0xFFFFFFFF80001234ULL);
    const void* low = reinterpret_cast<const void*>(static_cast<uintptr_t>(0x7ffff000u));
    EXPECT_EQ(NSPointerAsLongLong(low), 0x7ffff000LL);
  } else {
    const void* high = reinterpret_cast<const void*>(static_cast<uintptr_t>(0xFFFF800000001234ULL));
    EXPECT_EQ(static_cast<unsigned long long>(NSPointerAsLongLong(high)), 0xFFFF800000001234ULL);
    EXPECT_LT(NSPointerAsLongLong(high), 0);
    const void* low = reinterpret_cast<const void*>(static_cast<uintptr_t>(0x7fffdeadbeefULL));
    EXPECT_EQ(NSPointerAsLongLong(low), 0x7fffdeadbeefLL);
  }
  EXPECT_EQ(NSPointerAsLongLong(nullptr), 0);
}

// Unique ids carry the low 32 bits of the identity, so they read the same from a 32-bit
// pointer and from its sign-extended 64-bit form.
TEST(ObjectIdentityTest, IdentityTextIsTheLowThirtyTwoBitsInHex) {
  EXPECT_EQ(Text(-2147478988LL), "80001234");
  EXPECT_EQ(Text(0x80001234LL), "80001234");
  EXPECT_EQ(Text(0x0a1b2c3dLL), "0a1b2c3d");
  EXPECT_EQ(Text(0x123456789abcdef0LL), "9abcdef0");
  EXPECT_EQ(Text(0), "00000000");
  EXPECT_EQ(Text(-1), "ffffffff");
}

TEST(ObjectIdentityTest, IdentityIsTheCanonicalObjectAndKeepsNoReference) {
  Counted canonical;
  TearOff face(&canonical);
  EXPECT_EQ(NSIdentityOf(&face), NSPointerAsLongLong(&canonical));
  EXPECT_EQ(canonical.count(), 1u);
  EXPECT_EQ(NSIdentityOf(nullptr), 0);
}
