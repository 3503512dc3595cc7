#include "script/WindowBindings.h"

#include "dom/Document.h"
#include "script/ScriptHeap.h"
#include "script/ScriptLog.h"
#include "script/ScriptValues.h"
#include "script/TimerTable.h"

namespace geckohost::script {

namespace {

void defineFunction(duk_context* ctx, const char* name, duk_c_function function,
                    duk_idx_t argumentCount, duk_int_t magic = 0) {
  duk_push_c_function(ctx, function, argumentCount);
  duk_set_magic(ctx, -1, magic);
  duk_put_prop_string(ctx, -2, name);
}

std::string textArgument(duk_context* ctx, duk_idx_t index) {
  return duk_is_undefined(ctx, index) ? std::string() : toUtf8(ctx, index);
}

}  // namespace

void WindowBindings::install(duk_context* ctx) {
  duk_push_global_object(ctx);
  duk_push_string(ctx, "document");
  duk_push_c_function(ctx, &WindowBindings::document, 0);
  duk_def_prop(ctx, -3, DUK_DEFPROP_HAVE_GETTER | DUK_DEFPROP_SET_ENUMERABLE);
  defineFunction(ctx, "setTimeout", &WindowBindings::setTimer, DUK_VARARGS, 0);
  defineFunction(ctx, "setInterval", &WindowBindings::setTimer, DUK_VARARGS, 1);
  defineFunction(ctx, "clearTimeout", &WindowBindings::clearTimer, 1);
  defineFunction(ctx, "clearInterval", &WindowBindings::clearTimer, 1);
  defineFunction(ctx, "alert", &WindowBindings::alert, 1);
  defineFunction(ctx, "confirm", &WindowBindings::confirm, 1);
  defineFunction(ctx, "prompt", &WindowBindings::prompt, 2);
  duk_pop(ctx);
}

duk_ret_t WindowBindings::document(duk_context* ctx) {
  ScriptHeap& heap = ScriptHeap::of(ctx);
  heap.pushNode(&heap.document());
  return 1;
}

duk_ret_t WindowBindings::setTimer(duk_context* ctx) {
  if (duk_get_top(ctx) < 1)
    return duk_type_error(ctx, "a timer needs a callback");
  bool repeat = duk_get_current_magic(ctx) == 1;
  duk_push_int(ctx, ScriptHeap::of(ctx).timers().add(ctx, repeat));
  return 1;
}

duk_ret_t WindowBindings::clearTimer(duk_context* ctx) {
  ScriptHeap::of(ctx).timers().remove(duk_to_int(ctx, 0));
  return 0;
}

duk_ret_t WindowBindings::alert(duk_context* ctx) {
  ScriptLog::dialog("alert", textArgument(ctx, 0));
  return 0;
}

duk_ret_t WindowBindings::confirm(duk_context* ctx) {
  ScriptLog::dialog("confirm", textArgument(ctx, 0));
  duk_push_false(ctx);
  return 1;
}

duk_ret_t WindowBindings::prompt(duk_context* ctx) {
  ScriptLog::dialog("prompt", textArgument(ctx, 0));
  duk_push_null(ctx);
  return 1;
}

}  // namespace geckohost::script
