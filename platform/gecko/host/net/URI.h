// A URL as the host's documents and the nsIURI face see it: parsed into its parts, normalised
// the way Gecko's standard URLs are (lower-case scheme and host, default port dropped, dot
// segments removed, unsafe characters percent-encoded), and able to resolve references.
//
//   URI base = *URI::parse("http://Example.com:80/a/b/c.html?q#top");
//   base.spec()                      -> "http://example.com/a/b/c.html?q#top"
//   base.resolve("../d.png")->spec() -> "http://example.com/a/d.png"
//   URI::parse("about:blank")->resolve("x")  -> nothing (about:blank has no hierarchy)
#ifndef GECKOHOST_NET_URI_H
#define GECKOHOST_NET_URI_H

#include <optional>
#include <string>
#include <string_view>

namespace geckohost::net {

class URI {
 public:
  // Parses an absolute URL (UTF-8); nothing when the text has no valid scheme.
  static std::optional<URI> parse(std::string_view text);

  // Resolves a reference against this URL as RFC 3986 section 5.2 does, with the lenient
  // reading of "http:x" against an http URL as relative. Leading and trailing white space and
  // embedded tabs and line breaks of the reference are dropped, as browsers do. Nothing when
  // this URL is opaque (about:, mailto:) and the reference is not absolute.
  std::optional<URI> resolve(std::string_view reference) const;

  // The whole URL, normalised.
  const std::string& spec() const { return mSpec; }
  const std::string& scheme() const { return mScheme; }
  bool schemeIs(std::string_view scheme) const { return mScheme == scheme; }
  // Whether the URL has "//" and an authority (http:, file:), rather than an opaque body.
  bool isHierarchical() const { return mHasAuthority || (!mPath.empty() && mPath[0] == '/'); }

  const std::string& userInfo() const { return mUserInfo; }
  const std::string& host() const { return mHost; }
  // The explicit port, or -1 when the URL uses its scheme's default.
  int port() const { return mPort; }
  // "example.com:8080", or just the host for the default port.
  std::string hostPort() const;
  // "http://user@example.com:8080": everything before the path.
  std::string prePath() const;
  // The path without query and fragment ("/a/b.html"); for opaque URLs, the body ("blank").
  const std::string& filePath() const { return mPath; }
  // Query and fragment without their "?" and "#"; `has...` tells an empty one from none.
  const std::string& query() const { return mQuery; }
  bool hasQuery() const { return mHasQuery; }
  const std::string& ref() const { return mRef; }
  bool hasRef() const { return mHasRef; }
  // Path, query and fragment together, as nsIURI's path attribute has them.
  std::string path() const;

  // The same URL without its fragment.
  URI withoutRef() const;

  bool operator==(const URI& other) const { return mSpec == other.mSpec; }
  bool operator!=(const URI& other) const { return mSpec != other.mSpec; }

 private:
  URI() = default;
  void normalise();
  void rebuildSpec();

  std::string mScheme;
  bool mHasAuthority = false;
  std::string mUserInfo;
  std::string mHost;
  int mPort = -1;
  std::string mPath;
  bool mHasQuery = false;
  std::string mQuery;
  bool mHasRef = false;
  std::string mRef;
  std::string mSpec;
};

}  // namespace geckohost::net

#endif
