#include "script/ScriptSecurityManager.h"

#include "nsError.h"
#include "nsIURI.h"
#include "nsStringAPI.h"

namespace geckohost::script {

NS_IMETHODIMP ScriptSecurityManager::GetSubjectPrincipal(nsIPrincipal** _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;  // no page script is running when the product asks
  return NS_OK;
}

NS_IMETHODIMP ScriptSecurityManager::GetSystemPrincipal(nsIPrincipal** _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  NS_ADDREF(*_retval = mSystem.get());
  return NS_OK;
}

NS_IMETHODIMP ScriptSecurityManager::GetCodebasePrincipal(nsIURI* aURI, nsIPrincipal** _retval) {
  if (!aURI || !_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  nsCString spec;
  nsresult rv = aURI->GetSpec(spec);
  if (NS_FAILED(rv))
    return rv;
  std::optional<net::URI> url = net::URI::parse(spec.get());
  if (!url)
    return NS_ERROR_INVALID_ARG;
  NS_ADDREF(*_retval = new Principal(std::move(url)));
  return NS_OK;
}

NS_IMETHODIMP ScriptSecurityManager::SubjectPrincipalIsSystem(PRBool* _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = PR_TRUE;
  return NS_OK;
}

NS_IMETHODIMP ScriptSecurityManager::IsSystemPrincipal(nsIPrincipal* aPrincipal, PRBool* _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = aPrincipal == static_cast<nsIPrincipal*>(mSystem.get()) ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

}  // namespace geckohost::script
