// Events in a page's heap: the addEventListener, removeEventListener and dispatchEvent of the
// window, of nodes and of XMLHttpRequest, and the one dispatch the host calls. The dispatch is
// written in script (it only walks objects), with one native helper that hands it the text of
// an element's handler attribute (onclick="...", and the body's onload for the window).
//
// A dispatch calls, at each object on the way, its on<type> property when that is a function
// (else the handler attribute's text, compiled as a function of `event`), then its listeners
// in the order they were added. click and change bubble from the target up through its
// ancestors to the document and the window; other events stay at their target. A handler that
// throws is reported and the dispatch goes on.
#ifndef GECKOHOST_SCRIPT_EVENTDISPATCHER_H
#define GECKOHOST_SCRIPT_EVENTDISPATCHER_H

#include <duktape.h>

namespace geckohost::script {

class EventDispatcher {
 public:
  // Compiles the dispatch and gives the window, the node prototype (when it exists) and
  // XMLHttpRequest's prototype the listener methods. Needs the global object in place.
  static void install(duk_context* ctx);
  // Gives `object` (at `index`) addEventListener, removeEventListener and dispatchEvent.
  static void addTargetMethods(duk_context* ctx, duk_idx_t index);
  // Pushes the dispatch function: dispatch(target, eventOrType) -> not cancelled.
  static void pushDispatch(duk_context* ctx);

 private:
  static duk_ret_t handlerText(duk_context* ctx);
  static duk_ret_t reportError(duk_context* ctx);
};

}  // namespace geckohost::script

#endif
