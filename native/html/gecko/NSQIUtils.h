// Interface queries that also accept the interface ids of earlier Gecko releases, so that
// objects of an older browser build are still recognised.
#ifndef NATIVE_HTML_GECKO_NSQIUTILS_H
#define NATIVE_HTML_GECKO_NSQIUTILS_H

#include "nsCOMPtr.h"
#include "nsIContent.h"
#include "nsIDocument.h"
#include "nsIXULWindow.h"

class NSQIUtils {
 public:
  // Each asks for the current interface first, then QueryInterface with each older id in
  // turn; null when every one is refused.
  static nsCOMPtr<nsIContent> doQI_nsIContent(nsCOMPtr<nsISupports> object);
  static nsCOMPtr<nsIXULWindow> doQI_nsIXULWindow(nsCOMPtr<nsISupports> object);
  static nsCOMPtr<nsIDocument> doQI_nsIDocument(nsCOMPtr<nsISupports> object);

  // The older ids, in the order they are tried.
  static const char* const CONTENT_FALLBACK_IIDS[];
  static const char* const XULWINDOW_FALLBACK_IIDS[];
  static const char* const DOCUMENT_FALLBACK_IIDS[];
};

#endif
