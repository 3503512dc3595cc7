// The window's own members in a page's heap: document, the timers, and alert, confirm and
// prompt, which log what they show and open the browser's dialog through the environment.
#ifndef GECKOHOST_SCRIPT_WINDOWBINDINGS_H
#define GECKOHOST_SCRIPT_WINDOWBINDINGS_H

#include <duktape.h>

#include "script/PageDialogs.h"

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
  static PageDialogAnswer ask(duk_context* ctx, PageDialogRequest::Kind kind, const char* name);
};

}  // namespace geckohost::script

#endif
