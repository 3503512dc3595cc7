#include "net/URIObject.h"

#include "dom/XPCOMHelpers.h"

namespace geckohost::net {

namespace {

// Gecko's code for an address that does not parse.
constexpr nsresult kMalformedURI = NS_ERROR_GENERATE_FAILURE(6, 10);

std::string userOf(const std::string& userInfo) {
  return userInfo.substr(0, userInfo.find(':'));
}

std::string passwordOf(const std::string& userInfo) {
  size_t colon = userInfo.find(':');
  return colon == std::string::npos ? std::string() : userInfo.substr(colon + 1);
}

// "scheme://userinfo@host:port" + path, from the given parts.
std::string compose(const URI& uri, const std::string& scheme, const std::string& userInfo,
                    const std::string& hostPort, const std::string& path) {
  if (!uri.isHierarchical() && hostPort.empty())
    return scheme + ":" + path;
  std::string out = scheme + "://";
  if (!userInfo.empty())
    out += userInfo + "@";
  return out + hostPort + path;
}

}  // namespace

nsresult URIObject::replaceWith(const std::string& spec) {
  std::optional<URI> parsed = URI::parse(spec);
  if (!parsed)
    return kMalformedURI;
  mURI = *parsed;
  return NS_OK;
}

NS_IMETHODIMP URIObject::GetSpec(nsACString& aSpec) {
  dom::setCString(aSpec, mURI.spec());
  return NS_OK;
}

NS_IMETHODIMP URIObject::SetSpec(const nsACString& aSpec) {
  return replaceWith(dom::toU8(aSpec));
}

NS_IMETHODIMP URIObject::GetPrePath(nsACString& aPrePath) {
  dom::setCString(aPrePath, mURI.prePath());
  return NS_OK;
}

NS_IMETHODIMP URIObject::GetScheme(nsACString& aScheme) {
  dom::setCString(aScheme, mURI.scheme());
  return NS_OK;
}

NS_IMETHODIMP URIObject::SetScheme(const nsACString& aScheme) {
  return replaceWith(
      compose(mURI, dom::toU8(aScheme), mURI.userInfo(), mURI.hostPort(), mURI.path()));
}

NS_IMETHODIMP URIObject::GetUserPass(nsACString& aUserPass) {
  dom::setCString(aUserPass, mURI.userInfo());
  return NS_OK;
}

NS_IMETHODIMP URIObject::SetUserPass(const nsACString& aUserPass) {
  return replaceWith(
      compose(mURI, mURI.scheme(), dom::toU8(aUserPass), mURI.hostPort(), mURI.path()));
}

NS_IMETHODIMP URIObject::GetUsername(nsACString& aUsername) {
  dom::setCString(aUsername, userOf(mURI.userInfo()));
  return NS_OK;
}

NS_IMETHODIMP URIObject::SetUsername(const nsACString& aUsername) {
  std::string password = passwordOf(mURI.userInfo());
  std::string userInfo = dom::toU8(aUsername) + (password.empty() ? "" : ":" + password);
  return replaceWith(compose(mURI, mURI.scheme(), userInfo, mURI.hostPort(), mURI.path()));
}

NS_IMETHODIMP URIObject::GetPassword(nsACString& aPassword) {
  dom::setCString(aPassword, passwordOf(mURI.userInfo()));
  return NS_OK;
}

NS_IMETHODIMP URIObject::SetPassword(const nsACString& aPassword) {
  std::string password = dom::toU8(aPassword);
  std::string userInfo = userOf(mURI.userInfo()) + (password.empty() ? "" : ":" + password);
  return replaceWith(compose(mURI, mURI.scheme(), userInfo, mURI.hostPort(), mURI.path()));
}

NS_IMETHODIMP URIObject::GetHostPort(nsACString& aHostPort) {
  dom::setCString(aHostPort, mURI.hostPort());
  return NS_OK;
}

NS_IMETHODIMP URIObject::SetHostPort(const nsACString& aHostPort) {
  return replaceWith(
      compose(mURI, mURI.scheme(), mURI.userInfo(), dom::toU8(aHostPort), mURI.path()));
}

NS_IMETHODIMP URIObject::GetHost(nsACString& aHost) {
  dom::setCString(aHost, mURI.host());
  return NS_OK;
}

NS_IMETHODIMP URIObject::SetHost(const nsACString& aHost) {
  std::string hostPort = dom::toU8(aHost);
  if (mURI.port() >= 0)
    hostPort += ":" + std::to_string(mURI.port());
  return replaceWith(compose(mURI, mURI.scheme(), mURI.userInfo(), hostPort, mURI.path()));
}

NS_IMETHODIMP URIObject::GetPort(PRInt32* aPort) {
  NS_ENSURE_ARG_POINTER(aPort);
  *aPort = mURI.port();
  return NS_OK;
}

NS_IMETHODIMP URIObject::SetPort(PRInt32 aPort) {
  std::string hostPort = mURI.host() + (aPort >= 0 ? ":" + std::to_string(aPort) : "");
  return replaceWith(compose(mURI, mURI.scheme(), mURI.userInfo(), hostPort, mURI.path()));
}

NS_IMETHODIMP URIObject::GetPath(nsACString& aPath) {
  dom::setCString(aPath, mURI.path());
  return NS_OK;
}

NS_IMETHODIMP URIObject::SetPath(const nsACString& aPath) {
  std::string path = dom::toU8(aPath);
  if (mURI.isHierarchical() && (path.empty() || path[0] != '/'))
    path = "/" + path;
  return replaceWith(compose(mURI, mURI.scheme(), mURI.userInfo(), mURI.hostPort(), path));
}

NS_IMETHODIMP URIObject::Equals(nsIURI* other, PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  NS_ENSURE_ARG_POINTER(other);
  nsCString_external spec;
  other->GetSpec(spec);
  *_retval = dom::toPRBool(dom::toU8(spec) == mURI.spec());
  return NS_OK;
}

NS_IMETHODIMP URIObject::SchemeIs(const char* scheme, PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = dom::toPRBool(scheme && mURI.schemeIs(scheme));
  return NS_OK;
}

NS_IMETHODIMP URIObject::Clone(nsIURI** _retval) {
  return dom::handOut<nsIURI>(new URIObject(mURI), _retval);
}

NS_IMETHODIMP URIObject::Resolve(const nsACString& relativePath, nsACString& _retval) {
  std::optional<URI> resolved = mURI.resolve(dom::toU8(relativePath));
  if (!resolved)
    return kMalformedURI;
  dom::setCString(_retval, resolved->spec());
  return NS_OK;
}

NS_IMETHODIMP URIObject::GetAsciiSpec(nsACString& aAsciiSpec) {
  return GetSpec(aAsciiSpec);
}

NS_IMETHODIMP URIObject::GetAsciiHost(nsACString& aAsciiHost) {
  return GetHost(aAsciiHost);
}

NS_IMETHODIMP URIObject::GetOriginCharset(nsACString& aOriginCharset) {
  dom::setCString(aOriginCharset, "UTF-8");
  return NS_OK;
}

}  // namespace geckohost::net
