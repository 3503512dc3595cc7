// The library's front door: the object GetHtmlDomain hands the agent. It turns X11 window
// handles into top-level test objects (browser windows and dialogs) and enumerates them,
// always asking the browser's window mediator afresh; it keeps no list of its own.
#ifndef NATIVE_HTML_GECKO_NSHTMLDOMAIN_H
#define NATIVE_HTML_GECKO_NSHTMLDOMAIN_H

#include <pthread.h>

#include "HtmlObject.h"
#include "HtmlRefCounted.h"

class CNSHtmlDomain final : public CHtmlRefCounted<CNSHtmlDomain, IHtmlDomain> {
 public:
  // Records the calling thread and makes sure the standard property table exists.
  CNSHtmlDomain();

  // IHtmlDomain
  IHtmlTopLevelElement* getTopLevelObject(long windowHandle) override;
  // Copies "Firefox 3.6" with strncpy semantics: at most `size` bytes, zero-padded, not
  // terminated when size is 11 or less. Answers min(size, 4); nothing is written and 0 is
  // answered for a null buffer or a size of 0 or less.
  int getImplementationName(char* buffer, int size) override;
  IHtmlEnumerator* enumBrowsers() override;
  IHtmlEnumerator* enumBrowserThreads() override;
  bool isBrowserWindow(long windowHandle) override;
  void* getNativeProxy(long windowHandle) override { return nullptr; }
  void* getEmbeddedProxy(long windowHandle) override { return nullptr; }
  void onEmbeddedBrowserDestroyed(long windowHandle) override {}

 private:
  // getTopLevelObject without its catch-all.
  IHtmlTopLevelElement* findTopLevelObject(long windowHandle);

  // The thread that created the domain; the browser calls it from that thread only.
  [[maybe_unused]] pthread_t m_creatorThread;
};

#endif
