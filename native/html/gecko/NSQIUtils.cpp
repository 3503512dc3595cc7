#include "NSQIUtils.h"

const char* const NSQIUtils::CONTENT_FALLBACK_IIDS[] = {
    "9d059608-ddb0-4e6a-9969-d2f363a1b557",
    nullptr,
};

const char* const NSQIUtils::XULWINDOW_FALLBACK_IIDS[] = {
    "5d72a699-a252-4161-a45f-e7d35e78b7f3",
    nullptr,
};

const char* const NSQIUtils::DOCUMENT_FALLBACK_IIDS[] = {
    "c81acf0b-2539-47ab-a604-64040763c83d",
    "a492d7cf-1777-4c7a-aa8f-9408280555c9",
    "21c6a9cb-163f-3dc2-3320-1cb17fa017c4",
    "d7c47f55-480b-4a60-9adf-ca49873c71e2",
    nullptr,
};

namespace {

// Asks for the current interface, then for each older id; the answer is assumed to have the
// current interface's layout, which the older releases kept for the methods we call.
template <class T>
nsCOMPtr<T> queryWithFallbacks(nsISupports* object, const char* const* fallbacks) {
  nsCOMPtr<T> result = do_QueryInterface(object);
  for (const char* const* text = fallbacks; object && !result && *text; ++text) {
    nsIID iid;
    if (!iid.Parse(*text))
      continue;
    void* answer = nullptr;
    if (NS_SUCCEEDED(object->QueryInterface(iid, &answer)) && answer) {
      result = already_AddRefed<T>(static_cast<T*>(answer));
    }
  }
  return result;
}

}  // namespace

nsCOMPtr<nsIContent> NSQIUtils::doQI_nsIContent(nsCOMPtr<nsISupports> object) {
  return queryWithFallbacks<nsIContent>(object, CONTENT_FALLBACK_IIDS);
}

nsCOMPtr<nsIXULWindow> NSQIUtils::doQI_nsIXULWindow(nsCOMPtr<nsISupports> object) {
  return queryWithFallbacks<nsIXULWindow>(object, XULWINDOW_FALLBACK_IIDS);
}

nsCOMPtr<nsIDocument> NSQIUtils::doQI_nsIDocument(nsCOMPtr<nsISupports> object) {
  return queryWithFallbacks<nsIDocument>(object, DOCUMENT_FALLBACK_IIDS);
}
