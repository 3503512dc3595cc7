// Access to the browser's service and component managers. In the glue these forward to the
// functions that the hosting process publishes (see nsXPCOMGlue.h).
#ifndef nsXPCOM_h__
#define nsXPCOM_h__

#include "nscore.h"

class nsIServiceManager;
class nsIComponentManager;

nsresult NS_GetServiceManager(nsIServiceManager** result);
nsresult NS_GetComponentManager(nsIComponentManager** result);

#endif
