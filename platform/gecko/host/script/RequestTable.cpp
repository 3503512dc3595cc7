#include "script/RequestTable.h"

#include <cstdio>

#include "dom/Document.h"
#include "script/EventDispatcher.h"
#include "script/ScriptHeap.h"
#include "script/ScriptValues.h"

namespace geckohost::script {

namespace {

const char kInFlight[] = "requestsInFlight";

enum class Attribute { ReadyState, Status, StatusText, ResponseText, ResponseXML };

std::string keyFor(const void* pointer) {
  char key[32];
  std::snprintf(key, sizeof key, "%p", pointer);
  return key;
}

void pushInFlight(duk_context* ctx) {
  duk_push_heap_stash(ctx);
  if (!duk_get_prop_string(ctx, -1, kInFlight)) {
    duk_pop(ctx);
    duk_push_object(ctx);
    duk_dup(ctx, -1);
    duk_put_prop_string(ctx, -3, kInFlight);
  }
  duk_remove(ctx, -2);
}

void defineMethod(duk_context* ctx, const char* name, duk_c_function method, duk_idx_t count) {
  duk_push_c_function(ctx, method, count);
  duk_put_prop_string(ctx, -2, name);
}

std::string optionalText(duk_context* ctx, duk_idx_t index) {
  return duk_is_null_or_undefined(ctx, index) ? std::string() : toUtf8(ctx, index);
}

}  // namespace

void RequestTable::install() {
  duk_context* ctx = mHeap.context();
  duk_push_global_object(ctx);
  duk_push_c_function(ctx, &RequestTable::construct, DUK_VARARGS);
  duk_push_object(ctx);  // the prototype
  const char* states[] = {"UNSENT", "OPENED", "HEADERS_RECEIVED", "LOADING", "DONE"};
  for (int state = 0; state < 5; ++state) {
    duk_push_int(ctx, state);
    duk_put_prop_string(ctx, -2, states[state]);
    duk_push_int(ctx, state);
    duk_put_prop_string(ctx, -3, states[state]);
  }
  const char* attributes[] = {"readyState", "status", "statusText", "responseText", "responseXML"};
  for (int i = 0; i < 5; ++i) {
    duk_push_string(ctx, attributes[i]);
    duk_push_c_function(ctx, &RequestTable::get, 0);
    duk_set_magic(ctx, -1, i);
    duk_def_prop(ctx, -3, DUK_DEFPROP_HAVE_GETTER | DUK_DEFPROP_SET_ENUMERABLE);
  }
  defineMethod(ctx, "open", &RequestTable::open, DUK_VARARGS);
  defineMethod(ctx, "openRequest", &RequestTable::open, DUK_VARARGS);
  defineMethod(ctx, "send", &RequestTable::send, 1);
  defineMethod(ctx, "abort", &RequestTable::abort, 0);
  defineMethod(ctx, "setRequestHeader", &RequestTable::setRequestHeader, 2);
  defineMethod(ctx, "getResponseHeader", &RequestTable::getResponseHeader, 1);
  defineMethod(ctx, "getAllResponseHeaders", &RequestTable::getAllResponseHeaders, 0);
  defineMethod(ctx, "overrideMimeType", &RequestTable::overrideMimeType, 1);
  EventDispatcher::addTargetMethods(ctx, -1);
  duk_put_prop_string(ctx, -2, "prototype");
  duk_put_prop_string(ctx, -2, "XMLHttpRequest");
  duk_pop(ctx);
}

void RequestTable::cancelAll() {
  for (auto& entry : mRequests)
    entry.second->abortQuietly();
}

void RequestTable::fire(XMLHttpRequest& request, const XMLHttpRequest::Event& event) {
  duk_context* ctx = mHeap.context();
  pushInFlight(ctx);
  std::string key = keyFor(&request);
  duk_get_prop_string(ctx, -1, key.c_str());
  duk_remove(ctx, -2);
  if (!duk_is_object(ctx, -1)) {
    duk_pop(ctx);
    return;
  }
  duk_idx_t target = duk_get_top_index(ctx);
  EventDispatcher::pushDispatch(ctx);
  duk_push_undefined(ctx);
  duk_dup(ctx, target);
  duk_push_object(ctx);
  duk_push_string(ctx, event.type);
  duk_put_prop_string(ctx, -2, "type");
  if (std::string(event.type) == "progress") {
    duk_push_number(ctx, static_cast<double>(event.loaded));
    duk_put_prop_string(ctx, -2, "loaded");
    duk_push_number(ctx, static_cast<double>(event.total));
    duk_put_prop_string(ctx, -2, "total");
    duk_push_boolean(ctx, event.lengthComputable);
    duk_put_prop_string(ctx, -2, "lengthComputable");
  }
  mHeap.callReportingErrors(2);
  duk_pop_2(ctx);
}

void RequestTable::settled(XMLHttpRequest& request) {
  unpin(request);
}

void RequestTable::pin(XMLHttpRequest& request, duk_idx_t object) {
  duk_context* ctx = mHeap.context();
  object = duk_normalize_index(ctx, object);
  pushInFlight(ctx);
  duk_dup(ctx, object);
  duk_put_prop_string(ctx, -2, keyFor(&request).c_str());
  duk_pop(ctx);
}

void RequestTable::unpin(XMLHttpRequest& request) {
  if (request.inFlight())
    return;
  duk_context* ctx = mHeap.context();
  pushInFlight(ctx);
  duk_del_prop_string(ctx, -1, keyFor(&request).c_str());
  duk_pop(ctx);
}

XMLHttpRequest& RequestTable::thisRequest(duk_context* ctx) {
  duk_push_this(ctx);
  duk_get_prop_string(ctx, -1, kRequestKey);
  auto* request = static_cast<XMLHttpRequest*>(duk_get_pointer(ctx, -1));
  duk_pop_2(ctx);
  if (!request)
    (void)duk_type_error(ctx, "not an XMLHttpRequest");
  return *request;
}

// new XMLHttpRequest(ignored): Gecko 1.9.2 took an optional argument and did nothing with it.
duk_ret_t RequestTable::construct(duk_context* ctx) {
  if (!duk_is_constructor_call(ctx))
    return duk_type_error(ctx, "XMLHttpRequest needs new");
  ScriptHeap& heap = ScriptHeap::of(ctx);
  RequestTable& table = heap.requests();
  auto request =
      std::make_unique<XMLHttpRequest>(heap.environment().network, heap.document().url(), table);
  XMLHttpRequest* raw = request.get();
  table.mRequests.emplace(raw, std::move(request));
  duk_push_this(ctx);
  duk_push_pointer(ctx, raw);
  duk_put_prop_string(ctx, -2, kRequestKey);
  duk_push_c_function(ctx, &RequestTable::finalize, 2);
  duk_set_finalizer(ctx, -2);
  return 0;
}

duk_ret_t RequestTable::finalize(duk_context* ctx) {
  duk_get_prop_string(ctx, 0, kRequestKey);
  auto* request = static_cast<XMLHttpRequest*>(duk_get_pointer(ctx, -1));
  if (request)
    ScriptHeap::of(ctx).requests().mRequests.erase(request);
  return 0;
}

duk_ret_t RequestTable::get(duk_context* ctx) {
  XMLHttpRequest& request = thisRequest(ctx);
  switch (static_cast<Attribute>(duk_get_current_magic(ctx))) {
    case Attribute::ReadyState:
      duk_push_int(ctx, request.readyState());
      break;
    case Attribute::Status:
      duk_push_int(ctx, request.status());
      break;
    case Attribute::StatusText:
      pushUtf8(ctx, request.statusText());
      break;
    case Attribute::ResponseText:
      pushString(ctx, dom::utf8ToUTF16(request.responseText()));
      break;
    case Attribute::ResponseXML:
      duk_push_null(ctx);  // the host parses no XML documents for script
      break;
  }
  return 1;
}

duk_ret_t RequestTable::open(duk_context* ctx) {
  if (duk_get_top(ctx) < 2)
    return duk_type_error(ctx, "open needs a method and a URL");
  duk_set_top(ctx, 5);  // async, user and password may be left out
  XMLHttpRequest& request = thisRequest(ctx);
  bool async = duk_is_undefined(ctx, 2) || duk_to_boolean(ctx, 2);
  duk_push_this(ctx);
  duk_idx_t object = duk_get_top_index(ctx);
  RequestTable& table = ScriptHeap::of(ctx).requests();
  table.pin(request, object);  // open() fires readystatechange at the object
  XMLHttpRequest::Refusal refusal = request.open(toUtf8(ctx, 0), toUtf8(ctx, 1), async,
                                                 optionalText(ctx, 3), optionalText(ctx, 4));
  table.unpin(request);
  throwRefusal(ctx, refusal);
  return 0;
}

duk_ret_t RequestTable::send(duk_context* ctx) {
  XMLHttpRequest& request = thisRequest(ctx);
  RequestTable& table = ScriptHeap::of(ctx).requests();
  duk_push_this(ctx);
  duk_idx_t object = duk_get_top_index(ctx);
  // Pinned before the transfer starts: a synchronous one fires its events from inside send().
  table.pin(request, object);
  XMLHttpRequest::Refusal refusal = XMLHttpRequest::Refusal::None;
  {
    std::optional<std::string> body;
    if (!duk_is_null_or_undefined(ctx, 0))
      body = toUtf8(ctx, 0);
    // A synchronous transfer runs to its end in here: the wait is not the script's time.
    ScriptClock::Wait wait(ScriptHeap::of(ctx).clock());
    refusal = request.send(body);
  }
  table.unpin(request);
  throwRefusal(ctx, refusal);
  return 0;
}

duk_ret_t RequestTable::abort(duk_context* ctx) {
  XMLHttpRequest& request = thisRequest(ctx);
  duk_push_this(ctx);
  RequestTable& table = ScriptHeap::of(ctx).requests();
  table.pin(request, -1);
  request.abort();
  table.unpin(request);
  return 0;
}

duk_ret_t RequestTable::setRequestHeader(duk_context* ctx) {
  XMLHttpRequest& request = thisRequest(ctx);
  XMLHttpRequest::Refusal refusal = request.setRequestHeader(toUtf8(ctx, 0), toUtf8(ctx, 1));
  throwRefusal(ctx, refusal);
  return 0;
}

duk_ret_t RequestTable::getResponseHeader(duk_context* ctx) {
  XMLHttpRequest& request = thisRequest(ctx);
  std::optional<std::string> value = request.responseHeader(toUtf8(ctx, 0));
  if (value) {
    pushUtf8(ctx, *value);
  } else {
    duk_push_null(ctx);
  }
  return 1;
}

duk_ret_t RequestTable::getAllResponseHeaders(duk_context* ctx) {
  pushUtf8(ctx, thisRequest(ctx).allResponseHeaders());
  return 1;
}

duk_ret_t RequestTable::overrideMimeType(duk_context* ctx) {
  XMLHttpRequest& request = thisRequest(ctx);  // may throw: before any string exists
  request.overrideMimeType(toUtf8(ctx, 0));
  return 0;
}

void RequestTable::throwRefusal(duk_context* ctx, XMLHttpRequest::Refusal refusal) {
  switch (refusal) {
    case XMLHttpRequest::Refusal::None:
      return;
    case XMLHttpRequest::Refusal::InvalidState:
      (void)duk_error(ctx, DUK_ERR_ERROR, "InvalidStateError");
      return;
    case XMLHttpRequest::Refusal::Syntax:
      (void)duk_error(ctx, DUK_ERR_ERROR, "SyntaxError");
      return;
    case XMLHttpRequest::Refusal::Security:
      (void)duk_error(ctx, DUK_ERR_ERROR, "SecurityError");
      return;
  }
}

}  // namespace geckohost::script
