// The control side of the host's service and component managers: what tests and tools use to
// put services and components where the product will look them up by contract ID.
#ifndef GECKOHOST_API_SERVICES_H
#define GECKOHOST_API_SERVICES_H

#include <functional>

#include "HostApi.h"
#include "nsISupports.h"

namespace geckohost {

class GECKOHOST_API Services {
 public:
  // Makes `service` the one instance answered for `contractID` (replacing an earlier one).
  // The manager keeps a reference until the service is unregistered.
  static void registerService(const char* contractID, nsISupports* service);

  // Makes a factory answer do_CreateInstance for `contractID`. The factory returns a new
  // reference, or null when it cannot make one.
  static void registerFactory(const char* contractID, std::function<nsISupports*()> factory);

  // Forgets the service and the factory of `contractID`; true when there was one.
  static bool unregister(const char* contractID);
};

}  // namespace geckohost

#endif
