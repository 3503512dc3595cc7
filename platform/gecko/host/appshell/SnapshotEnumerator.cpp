#include "SnapshotEnumerator.h"

#include "nsError.h"

namespace geckohost {

NS_IMETHODIMP SnapshotEnumerator::HasMoreElements(PRBool* _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = mNext < mItems.size() ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP SnapshotEnumerator::GetNext(nsISupports** _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  if (mNext >= mItems.size())
    return NS_ERROR_FAILURE;
  // Handed on and dropped here, so a finished walk holds nothing.
  mItems[mNext++].forget(_retval);
  return NS_OK;
}

}  // namespace geckohost
