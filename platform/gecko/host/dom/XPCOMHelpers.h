// The conversions the DOM's XPCOM methods share: strings between nsAString and std::u16string,
// out-parameters that receive a new reference, and nodes as the interfaces callers ask for.
// Each XPCOM method is then one line of checking and one of forwarding.
#ifndef GECKOHOST_DOM_XPCOMHELPERS_H
#define GECKOHOST_DOM_XPCOMHELPERS_H

#include <optional>
#include <string>
#include <string_view>

#include "nsCOMPtr.h"
#include "nsStringAPI.h"

namespace geckohost::dom {

inline void setString(nsAString& out, std::u16string_view text) {
  out.Assign(reinterpret_cast<const PRUnichar*>(text.data()), PRUint32(text.size()));
}

// A DOM string that may be null: null becomes a void string, as Gecko's SetDOMStringToNull.
inline void setNullableString(nsAString& out, const std::u16string* text) {
  if (text) {
    setString(out, *text);
  } else {
    out.Truncate();
    out.SetIsVoid(PR_TRUE);
  }
}

inline void setNullableString(nsAString& out, const std::optional<std::u16string>& text) {
  setNullableString(out, text ? &*text : nullptr);
}

// The characters of `text` without a copy, for a callee that does not keep them.
inline std::u16string_view viewOf(const nsAString& text) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(text.BeginReading()), text.Length());
}

inline std::u16string toU16(const nsAString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.BeginReading()), text.Length());
}

inline void setCString(nsACString& out, std::string_view text) {
  out.Assign(text.data(), PRUint32(text.size()));
}

inline std::string toU8(const nsACString& text) {
  return std::string(text.BeginReading(), text.Length());
}

// Gives the caller a new reference to `value` (or null) in `*aResult`.
template <class I>
nsresult handOut(I* value, I** aResult) {
  NS_ENSURE_ARG_POINTER(aResult);
  *aResult = value;
  NS_IF_ADDREF(value);
  return NS_OK;
}

// Gives the caller `object` as interface I, or null when it is null or does not answer I.
template <class I, class T>
nsresult handOutAs(T* object, I** aResult) {
  NS_ENSURE_ARG_POINTER(aResult);
  *aResult = nullptr;
  if (object)
    object->QueryInterface(NS_GET_IID(I), reinterpret_cast<void**>(aResult));
  return NS_OK;
}

inline PRBool toPRBool(bool value) {
  return value ? PR_TRUE : PR_FALSE;
}

}  // namespace geckohost::dom

#endif
