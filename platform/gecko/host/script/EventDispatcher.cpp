#include "script/EventDispatcher.h"

#include "dom/Element.h"
#include "dom/HTMLDocument.h"
#include "dom/HTMLElement.h"
#include "script/ScriptHeap.h"
#include "script/ScriptValues.h"

namespace geckohost::script {

namespace {

const char kEvents[] = "events";

// Evaluates to a function of the global object and the two natives, answering the listener
// methods and the dispatch. ES5 only: that is what duktape runs.
const char kEventsSource[] = R"JS(
(function (global, handlerText, reportError) {
  function listenersOf(target, create) {
    if (!Object.prototype.hasOwnProperty.call(target, '__listeners')) {
      if (!create) return null;
      Object.defineProperty(target, '__listeners', {value: {}, enumerable: false});
    }
    return target.__listeners;
  }
  function callable(listener) {
    return typeof listener === 'function' ||
        (listener !== null && typeof listener === 'object' &&
         typeof listener.handleEvent === 'function');
  }
  function addEventListener(type, listener) {
    if (!callable(listener)) return;
    var all = listenersOf(this, true);
    var list = all[type] || (all[type] = []);
    if (list.indexOf(listener) < 0) list.push(listener);
  }
  function removeEventListener(type, listener) {
    var all = listenersOf(this, false);
    var list = all && all[type];
    var at = list ? list.indexOf(listener) : -1;
    if (at >= 0) list.splice(at, 1);
  }
  function handlerOf(target, type) {
    var own = target['on' + type];
    if (typeof own === 'function') return own;
    var text = handlerText(target, type);
    return typeof text === 'string' ? new Function('event', text) : null;
  }
  function invoke(target, listener, event) {
    try {
      var result = typeof listener === 'function' ? listener.call(target, event)
                                                  : listener.handleEvent(event);
      if (result === false) event.defaultPrevented = true;
    } catch (e) {
      reportError(e);
    }
  }
  function fireAt(target, event) {
    event.currentTarget = target;
    var handler = handlerOf(target, event.type);
    if (handler) invoke(target, handler, event);
    var all = listenersOf(target, false);
    var list = all && all[event.type] ? all[event.type].slice() : [];
    for (var i = 0; i < list.length && !event.stoppedImmediately; i++)
      invoke(target, list[i], event);
  }
  function makeEvent(event) {
    if (typeof event === 'string') event = {type: event};
    if (event.bubbles === undefined) event.bubbles = event.type === 'click' || event.type === 'change';
    event.defaultPrevented = false;
    event.stopPropagation = function () { this.stopped = true; };
    event.stopImmediatePropagation = function () { this.stopped = this.stoppedImmediately = true; };
    event.preventDefault = function () { this.defaultPrevented = true; };
    return event;
  }
  function dispatch(target, event) {
    event = makeEvent(event);
    event.target = target;
    var path = [target];
    if (event.bubbles && target !== global) {
      for (var node = target.parentNode; node; node = node.parentNode) path.push(node);
      if (path[path.length - 1].nodeType === 9) path.push(global);
    }
    for (var i = 0; i < path.length && !event.stopped; i++) fireAt(path[i], event);
    return !event.defaultPrevented;
  }
  return {
    addEventListener: addEventListener,
    removeEventListener: removeEventListener,
    dispatchEvent: function (event) { return dispatch(this, event); },
    dispatch: dispatch
  };
})
)JS";

}  // namespace

void EventDispatcher::install(duk_context* ctx) {
  duk_push_string(ctx, kEventsSource);
  duk_push_string(ctx, "events");
  duk_compile(ctx, DUK_COMPILE_EVAL);
  duk_call(ctx, 0);  // the outer function
  duk_push_global_object(ctx);
  duk_push_c_function(ctx, &EventDispatcher::handlerText, 2);
  duk_push_c_function(ctx, &EventDispatcher::reportError, 1);
  duk_call(ctx, 3);  // the methods and the dispatch
  duk_push_heap_stash(ctx);
  duk_dup(ctx, -2);
  duk_put_prop_string(ctx, -2, kEvents);
  duk_pop_2(ctx);
  duk_push_global_object(ctx);
  addTargetMethods(ctx, -1);
  duk_pop(ctx);
}

void EventDispatcher::addTargetMethods(duk_context* ctx, duk_idx_t index) {
  index = duk_normalize_index(ctx, index);
  duk_push_heap_stash(ctx);
  duk_get_prop_string(ctx, -1, kEvents);
  for (const char* name : {"addEventListener", "removeEventListener", "dispatchEvent"}) {
    duk_get_prop_string(ctx, -1, name);
    duk_put_prop_string(ctx, index, name);
  }
  duk_pop_2(ctx);
}

void EventDispatcher::pushDispatch(duk_context* ctx) {
  duk_push_heap_stash(ctx);
  duk_get_prop_string(ctx, -1, kEvents);
  duk_get_prop_string(ctx, -1, "dispatch");
  duk_replace(ctx, -3);
  duk_pop(ctx);
}

// handlerText(target, type): the on<type> attribute of an element; for the window's load and
// unload, the body's (the body's attributes stand for the window's handlers there).
duk_ret_t EventDispatcher::handlerText(duk_context* ctx) {
  ScriptHeap& heap = ScriptHeap::of(ctx);
  std::u16string type = toU16(ctx, 1);
  std::u16string attribute = u"on" + type;
  dom::Node* node = ScriptHeap::nodeAt(ctx, 0);
  bool isWindow = duk_get_heapptr(ctx, 0) == heap.globalObject();
  bool windowEvent = type == u"load" || type == u"unload";
  if (isWindow && windowEvent && heap.document().kind() == dom::DocumentKind::HTML)
    node = static_cast<dom::HTMLDocument&>(heap.document()).body();
  if (!node || !node->isElement())
    return 0;
  std::optional<std::u16string> text = static_cast<dom::Element*>(node)->getAttribute(attribute);
  if (!text)
    return 0;
  pushString(ctx, *text);
  return 1;
}

duk_ret_t EventDispatcher::reportError(duk_context* ctx) {
  ScriptHeap::of(ctx).reportError("in an event handler");
  return 0;
}

}  // namespace geckohost::script
