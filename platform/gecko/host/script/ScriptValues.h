// Moving strings between the host's UTF-16 and duktape's value stack, and the hidden property
// names the bindings keep their native pointers under (invisible to page script).
#ifndef GECKOHOST_SCRIPT_SCRIPTVALUES_H
#define GECKOHOST_SCRIPT_SCRIPTVALUES_H

#include <duktape.h>

#include <string>
#include <string_view>

#include "dom/DOMStrings.h"

namespace geckohost::script {

inline constexpr const char kNodeKey[] = DUK_HIDDEN_SYMBOL("node");
inline constexpr const char kRequestKey[] = DUK_HIDDEN_SYMBOL("request");

inline void pushString(duk_context* ctx, std::u16string_view text) {
  std::string utf8 = dom::utf16ToUTF8(text);
  duk_push_lstring(ctx, utf8.data(), utf8.size());
}

inline void pushUtf8(duk_context* ctx, std::string_view text) {
  duk_push_lstring(ctx, text.data(), text.size());
}

// The value at `index` converted as String() does (it is replaced on the stack by the string).
inline std::u16string toU16(duk_context* ctx, duk_idx_t index) {
  duk_size_t length = 0;
  const char* text = duk_safe_to_lstring(ctx, index, &length);
  return dom::utf8ToUTF16(std::string_view(text, length));
}

inline std::string toUtf8(duk_context* ctx, duk_idx_t index) {
  duk_size_t length = 0;
  const char* text = duk_safe_to_lstring(ctx, index, &length);
  return std::string(text, length);
}

}  // namespace geckohost::script

#endif
