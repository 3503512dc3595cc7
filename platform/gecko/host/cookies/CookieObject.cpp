#include "CookieObject.h"

#include "nsError.h"

namespace geckohost::cookies {

namespace {

nsresult copy(const std::string& from, nsACString& to) {
  to.Assign(from.data(), static_cast<PRUint32>(from.size()));
  return NS_OK;
}

}  // namespace

NS_IMETHODIMP CookieObject::GetName(nsACString& aName) {
  return copy(mCookie.name, aName);
}

NS_IMETHODIMP CookieObject::GetValue(nsACString& aValue) {
  return copy(mCookie.value, aValue);
}

NS_IMETHODIMP CookieObject::GetIsDomain(PRBool* aIsDomain) {
  if (!aIsDomain)
    return NS_ERROR_NULL_POINTER;
  *aIsDomain = mCookie.isDomain ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP CookieObject::GetHost(nsACString& aHost) {
  return copy(mCookie.host, aHost);
}

NS_IMETHODIMP CookieObject::GetPath(nsACString& aPath) {
  return copy(mCookie.path, aPath);
}

NS_IMETHODIMP CookieObject::GetIsSecure(PRBool* aIsSecure) {
  if (!aIsSecure)
    return NS_ERROR_NULL_POINTER;
  *aIsSecure = PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP CookieObject::GetExpires(PRUint64* aExpires) {
  if (!aExpires)
    return NS_ERROR_NULL_POINTER;
  *aExpires = mCookie.expires;
  return NS_OK;
}

NS_IMETHODIMP CookieObject::GetStatus(nsCookieStatus* aStatus) {
  if (!aStatus)
    return NS_ERROR_NULL_POINTER;
  *aStatus = nsICookie::STATUS_UNKNOWN;
  return NS_OK;
}

NS_IMETHODIMP CookieObject::GetPolicy(nsCookiePolicy* aPolicy) {
  if (!aPolicy)
    return NS_ERROR_NULL_POINTER;
  *aPolicy = nsICookie::POLICY_UNKNOWN;
  return NS_OK;
}

}  // namespace geckohost::cookies
