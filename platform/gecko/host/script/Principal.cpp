#include "script/Principal.h"

#include <cstring>

#include "DocumentFaces.h"
#include "nsError.h"
#include "nsIURI.h"
#include "nsMemory.h"

namespace geckohost::script {

namespace {

// Answered by QueryInterface with the Principal itself, so that principals can compare origins.
const nsIID kPrincipalImplIID = {
    0x2d7c5a10, 0x8f3e, 0x4b6a, {0x91, 0x0c, 0x5e, 0x2a, 0x7b, 0x44, 0xd1, 0x93}};

}  // namespace

Principal::Principal(std::optional<net::URI> codebase)
    : mCodebase(std::move(codebase)),
      mOrigin(mCodebase ? mCodebase->scheme() + "://" + mCodebase->hostPort() : kSystemOrigin) {}

void* Principal::QueryExtraInterface(const nsIID& aIID) {
  return aIID.Equals(kPrincipalImplIID) ? this : nullptr;
}

std::string Principal::originOf(nsIPrincipal* principal) {
  void* found = nullptr;
  if (!principal || NS_FAILED(principal->QueryInterface(kPrincipalImplIID, &found)) || !found)
    return {};
  auto* ours = static_cast<Principal*>(found);
  std::string origin = ours->mOrigin;
  ours->Release();
  return origin;
}

NS_IMETHODIMP Principal::Equals(nsIPrincipal* other, PRBool* _retval) {
  if (!other || !_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = originOf(other) == mOrigin ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP Principal::GetHashValue(PRUint32* aHashValue) {
  if (!aHashValue)
    return NS_ERROR_NULL_POINTER;
  PRUint32 hash = 5381;
  for (char c : mOrigin)
    hash = hash * 33 + static_cast<unsigned char>(c);
  *aHashValue = hash;
  return NS_OK;
}

NS_IMETHODIMP Principal::GetURI(nsIURI** aURI) {
  if (!aURI)
    return NS_ERROR_NULL_POINTER;
  *aURI = nullptr;
  if (mCodebase)
    faces::uri(mCodebase->spec()).forget(aURI);
  return NS_OK;
}

NS_IMETHODIMP Principal::GetOrigin(char** aOrigin) {
  if (!aOrigin)
    return NS_ERROR_NULL_POINTER;
  *aOrigin = static_cast<char*>(NS_Alloc(mOrigin.size() + 1));
  if (*aOrigin)
    std::memcpy(*aOrigin, mOrigin.c_str(), mOrigin.size() + 1);
  return *aOrigin ? NS_OK : NS_ERROR_OUT_OF_MEMORY;
}

NS_IMETHODIMP Principal::Subsumes(nsIPrincipal* other, PRBool* _retval) {
  if (!other || !_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = isSystem() || originOf(other) == mOrigin ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

}  // namespace geckohost::script
