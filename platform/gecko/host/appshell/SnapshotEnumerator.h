// An nsISimpleEnumerator over a list taken when it was made: later changes to whatever the
// list came from (a window opened or closed) do not disturb a walk in progress, and the items
// stay alive until the walk passes them or the enumerator goes.
//
//   nsCOMPtr<nsISimpleEnumerator> e = new SnapshotEnumerator({windowA, windowB});
//   e->GetNext(...) → windowA, then windowB, then NS_ERROR_FAILURE
#ifndef GECKOHOST_APPSHELL_SNAPSHOTENUMERATOR_H
#define GECKOHOST_APPSHELL_SNAPSHOTENUMERATOR_H

#include <vector>

#include "XPCOMObject.h"
#include "nsCOMPtr.h"
#include "nsISimpleEnumerator.h"

namespace geckohost {

class SnapshotEnumerator final : public XPCOMObject<nsISimpleEnumerator> {
 public:
  explicit SnapshotEnumerator(std::vector<nsCOMPtr<nsISupports>> items)
      : mItems(std::move(items)) {}

  // nsISimpleEnumerator
  NS_IMETHOD HasMoreElements(PRBool* _retval) override;
  NS_IMETHOD GetNext(nsISupports** _retval) override;

 private:
  ~SnapshotEnumerator() override = default;

  std::vector<nsCOMPtr<nsISupports>> mItems;
  size_t mNext = 0;
};

}  // namespace geckohost

#endif
