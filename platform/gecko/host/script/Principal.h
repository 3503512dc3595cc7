// A security principal: the system principal (chrome, allowed everything; no URI) or the
// principal of a codebase (scheme, host and port of a URL). Two principals are equal when
// their origins are; the system principal subsumes every principal, a codebase its own origin.
#ifndef GECKOHOST_SCRIPT_PRINCIPAL_H
#define GECKOHOST_SCRIPT_PRINCIPAL_H

#include <optional>
#include <string>

#include "XPCOMObject.h"
#include "net/URI.h"
#include "nsIPrincipal.h"

namespace geckohost::script {

class Principal final : public XPCOMObject<nsIPrincipal> {
 public:
  static constexpr const char* kSystemOrigin = "[System Principal]";

  // The system principal for no URL.
  explicit Principal(std::optional<net::URI> codebase = std::nullopt);

  bool isSystem() const { return !mCodebase; }
  const std::string& origin() const { return mOrigin; }

  // nsIPrincipal
  NS_DECL_NSIPRINCIPAL

 private:
  ~Principal() override = default;
  void* QueryExtraInterface(const nsIID& aIID) override;
  // The origin of one of our principals; "" for others.
  static std::string originOf(nsIPrincipal* principal);

  std::optional<net::URI> mCodebase;
  std::string mOrigin;
};

}  // namespace geckohost::script

#endif
