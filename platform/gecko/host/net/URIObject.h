// A URI as an XPCOM object (nsIURI): what nsIDocument::GetDocumentURI answers. It holds a URI
// value; the setters rebuild the whole URL and parse it again, so the normalisation rules of
// URI apply to every change.
#ifndef GECKOHOST_NET_URIOBJECT_H
#define GECKOHOST_NET_URIOBJECT_H

#include "XPCOMObject.h"
#include "net/URI.h"
#include "nsIURI.h"

namespace geckohost::net {

class URIObject final : public XPCOMObject<nsIURI> {
 public:
  explicit URIObject(const URI& uri) : mURI(uri) {}

  const URI& uri() const { return mURI; }

  // nsIURI
  NS_DECL_NSIURI

 private:
  // Replaces the URL by `spec` when it parses; NS_ERROR_MALFORMED_URI otherwise.
  nsresult replaceWith(const std::string& spec);

  URI mURI;
};

}  // namespace geckohost::net

#endif
