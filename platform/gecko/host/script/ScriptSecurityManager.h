// The script security manager service ("@mozilla.org/scriptsecuritymanager;1"), registered while
// a host runs. It hands out the one system principal and codebase principals for URLs. Outside
// running page script (which is where its callers are) there is no subject principal, and, as
// in Gecko, the subject then counts as the system.
#ifndef GECKOHOST_SCRIPT_SCRIPTSECURITYMANAGER_H
#define GECKOHOST_SCRIPT_SCRIPTSECURITYMANAGER_H

#include "XPCOMObject.h"
#include "nsCOMPtr.h"
#include "nsIScriptSecurityManager.h"
#include "script/Principal.h"

namespace geckohost::script {

class ScriptSecurityManager final : public XPCOMObject<nsIScriptSecurityManager> {
 public:
  static constexpr const char* kContractID = NS_SCRIPTSECURITYMANAGER_CONTRACTID;

  ScriptSecurityManager() : mSystem(new Principal()) {}

  // nsIScriptSecurityManager
  NS_DECL_NSISCRIPTSECURITYMANAGER

 private:
  ~ScriptSecurityManager() override = default;

  nsCOMPtr<Principal> mSystem;
};

}  // namespace geckohost::script

#endif
