// The contract between the glue and the process it is loaded into. The hosting browser exports
// NS_GetFrozenFunctions with C linkage; the glue finds it in the process on first use, so a
// library built on the glue neither links the browser nor fails to load without it.
#ifndef nsXPCOMGlue_h__
#define nsXPCOMGlue_h__

#include "nscore.h"

class nsIServiceManager;
class nsIComponentManager;

typedef nsresult (*GetServiceManagerFunc)(nsIServiceManager** result);
typedef nsresult (*GetComponentManagerFunc)(nsIComponentManager** result);

#define XPCOM_GLUE_VERSION 1

struct XPCOMFunctions {
  PRUint32 version;
  PRUint32 size;
  GetServiceManagerFunc getServiceManager;
  GetComponentManagerFunc getComponentManager;
};

typedef nsresult (*GetFrozenFunctionsFunc)(XPCOMFunctions* entryPoints, const char* libraryPath);

#define XPCOM_FROZEN_FUNCTIONS_SYMBOL "NS_GetFrozenFunctions"

// Resolves the entry points from the process; later calls answer from the first result.
// NS_ERROR_NOT_INITIALIZED when the process offers none.
nsresult XPCOMGlueStartup(const char* xpcomFile);

#endif
