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

// The browser's dialog opens and the call returns at once: the host nests no event loop, so
// the script sees the answer given as the dialog opened (see Host::queuePageDialogAnswer), or
// the one of a dismissed dialog, while the dialog itself stays for the agent to find.
PageDialogAnswer WindowBindings::ask(duk_context* ctx, PageDialogRequest::Kind kind,
                                     const char* name) {
  // Coerced on the stack first: a throwing toString() must not skip the strings' destructors.
  for (duk_idx_t index = 0; index < (kind == PageDialogRequest::Kind::Prompt ? 2 : 1); ++index) {
    if (!duk_is_undefined(ctx, index))
      duk_to_string(ctx, index);
  }
  PageDialogRequest request;
  request.kind = kind;
  request.message = textArgument(ctx, 0);
  if (kind == PageDialogRequest::Kind::Prompt)
    request.defaultText = textArgument(ctx, 1);
  ScriptHeap& heap = ScriptHeap::of(ctx);
  request.page = &heap.document();
  ScriptLog::dialog(name, request.message);
  const PageDialogHandler& handler = heap.environment().dialogs;
  return handler ? handler(request) : PageDialogAnswer();
}

duk_ret_t WindowBindings::alert(duk_context* ctx) {
  ask(ctx, PageDialogRequest::Kind::Alert, "alert");
  return 0;
}

duk_ret_t WindowBindings::confirm(duk_context* ctx) {
  duk_push_boolean(ctx, ask(ctx, PageDialogRequest::Kind::Confirm, "confirm").accepted);
  return 1;
}

duk_ret_t WindowBindings::prompt(duk_context* ctx) {
  PageDialogAnswer answer = ask(ctx, PageDialogRequest::Kind::Prompt, "prompt");
  if (!answer.accepted) {
    duk_push_null(ctx);
    return 1;
  }
  duk_push_lstring(ctx, answer.text.data(), answer.text.size());
  return 1;
}

}  // namespace geckohost::script
