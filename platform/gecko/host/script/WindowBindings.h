// The window's own members in a page's heap: document, the timers, and alert, confirm and
// prompt. The dialogs are hooks for now: each writes what it would show to the host's log and
// answers as a dismissed dialog does (undefined, false, null).
#ifndef GECKOHOST_SCRIPT_WINDOWBINDINGS_H
#define GECKOHOST_SCRIPT_WINDOWBINDINGS_H

#include <duktape.h>

namespace geckohost::script {

class WindowBindings {
 public:
  static void install(duk_context* ctx);

 private:
  static duk_ret_t document(duk_context* ctx);
  static duk_ret_t setTimer(duk_context* ctx);    // magic 1 repeats (setInterval)
  static duk_ret_t clearTimer(duk_context* ctx);  // clearTimeout and clearInterval
  static duk_ret_t alert(duk_context* ctx);
  static duk_ret_t confirm(duk_context* ctx);
  static duk_ret_t prompt(duk_context* ctx);
};

}  // namespace geckohost::script

#endif
