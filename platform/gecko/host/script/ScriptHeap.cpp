#include "script/ScriptHeap.h"

#include <cstdio>
#include <cstdlib>

#include "PageLoader.h"
#include "dom/Document.h"
#include "dom/Element.h"
#include "dom/HTMLScriptElement.h"
#include "script/DOMBindings.h"
#include "script/EventDispatcher.h"
#include "script/RequestTable.h"
#include "script/ScriptLog.h"
#include "script/ScriptValues.h"
#include "script/TimerTable.h"
#include "script/WindowBindings.h"

namespace geckohost::script {

namespace {

const char kWrappers[] = "wrappers";

std::string keyFor(const void* pointer) {
  char key[32];
  std::snprintf(key, sizeof key, "%p", pointer);
  return key;
}

// Replaces the thrown value at the stack top with " (fileName:lineNumber)", or "" when it
// has no such place. Run as a protected call: a thrown object's getters are page script.
duk_ret_t placeOfError(duk_context* ctx, void*) {
  duk_get_prop_string(ctx, -1, "fileName");
  duk_get_prop_string(ctx, -2, "lineNumber");
  if (duk_is_string(ctx, -2) && duk_is_number(ctx, -1))
    duk_push_sprintf(ctx, " (%s:%ld)", duk_get_string(ctx, -2), long(duk_get_int(ctx, -1)));
  else
    duk_push_string(ctx, "");
  return 1;
}

// "TypeError: not callable (http://test/a.html:3)" for the error at `index`.
std::string describeError(duk_context* ctx, duk_idx_t index) {
  index = duk_normalize_index(ctx, index);
  duk_dup(ctx, index);
  std::string text = toUtf8(ctx, -1);
  duk_pop(ctx);
  if (!duk_is_object(ctx, index))
    return text;
  duk_dup(ctx, index);
  if (duk_safe_call(ctx, &placeOfError, nullptr, 1, 1) == DUK_EXEC_SUCCESS)
    text += toUtf8(ctx, -1);
  duk_pop(ctx);
  return text;
}

// Script types Gecko runs as JavaScript; anything else is data for the page.
bool isJavaScriptType(const std::u16string& type) {
  if (type.empty())
    return true;
  std::string lower;
  for (char16_t c : type)
    lower.push_back(static_cast<char>(c < 128 ? std::tolower(static_cast<int>(c)) : '?'));
  return lower.find("javascript") != std::string::npos ||
         lower.find("ecmascript") != std::string::npos;
}

}  // namespace

// The engine's execution-time check (see script/engine/duk_config.h.in).
extern "C" int geckohost_script_out_of_time(void* heapData) {
  return heapData != nullptr && static_cast<ScriptHeap*>(heapData)->outOfTime();
}

ScriptHeap::ScriptHeap(dom::Document& document, ScriptEnvironment& environment)
    : mDocument(&document), mEnvironment(environment) {
  mContext = duk_create_heap(nullptr, nullptr, nullptr, this, &ScriptHeap::fatal);
  mTimers = std::make_unique<TimerTable>(*this);
  mRequests = std::make_unique<RequestTable>(*this);
  installGlobals();
}

ScriptHeap::~ScriptHeap() {
  mTimers->cancelAll();
  mRequests->cancelAll();
  {
    // The engine runs the finalizers that are left (Duktape.fin): they are script too.
    ScriptClock::Run finalizers(mClock, mEnvironment.scriptTimeLimitMs);
    duk_destroy_heap(mContext);
  }
  mContext = nullptr;
  mRequests.reset();
  mTimers.reset();
  mWrapped.clear();
}

ScriptHeap& ScriptHeap::of(duk_context* ctx) {
  duk_memory_functions functions;
  duk_get_memory_functions(ctx, &functions);
  return *static_cast<ScriptHeap*>(functions.udata);
}

void ScriptHeap::fatal(void*, const char* message) {
  ScriptLog::error(std::string("fatal: ") + (message ? message : "unknown"));
  std::abort();
}

void ScriptHeap::installGlobals() {
  duk_context* ctx = mContext;
  duk_push_heap_stash(ctx);
  duk_push_object(ctx);
  duk_put_prop_string(ctx, -2, kWrappers);
  duk_pop(ctx);

  duk_push_global_object(ctx);
  mGlobal = duk_get_heapptr(ctx, -1);
  duk_dup(ctx, -1);
  duk_put_prop_string(ctx, -2, "window");
  duk_dup(ctx, -1);
  duk_put_prop_string(ctx, -2, "self");
  duk_pop(ctx);

  EventDispatcher::install(ctx);
  DOMBindings::install(ctx);
  WindowBindings::install(ctx);
  mRequests->install();
}

ScriptHeap::Result ScriptHeap::evaluate(std::u16string_view source, const std::string& fileName) {
  duk_context* ctx = mContext;
  Result result;
  ScriptClock::Run run(mClock, mEnvironment.scriptTimeLimitMs);
  pushString(ctx, source);
  pushUtf8(ctx, fileName);
  if (duk_pcompile(ctx, 0) != 0 || duk_pcall(ctx, 0) != 0) {
    result.error = describe(-1);
    duk_pop(ctx);
    return result;
  }
  result.ok = true;
  result.undefined = duk_is_undefined(ctx, -1);
  if (!result.undefined)
    result.text = toU16(ctx, -1);
  duk_pop(ctx);
  return result;
}

void ScriptHeap::run(std::u16string_view source, const std::string& fileName) {
  Result result = evaluate(source, fileName);
  if (!result.ok)
    ScriptLog::error(result.error);
}

void ScriptHeap::runScriptElement(dom::HTMLScriptElement& script) {
  if (!isJavaScriptType(script.stringAttribute(u"type")))
    return;
  if (!script.hasAttribute(u"src")) {
    run(script.text(), mDocument->url().spec());
    return;
  }
  std::string url = dom::utf16ToUTF8(script.urlAttribute(u"src"));
  LoadedPage loaded = mEnvironment.loader.load(url);
  if (loaded.status != LoadStatus::Found) {
    ScriptLog::error("cannot load script " + url);
    return;
  }
  run(dom::utf8ToUTF16(loaded.content), url);
}

bool ScriptHeap::dispatchEvent(dom::Node* target, const char* type) {
  duk_context* ctx = mContext;
  EventDispatcher::pushDispatch(ctx);
  duk_push_undefined(ctx);
  if (target) {
    pushNode(target);
  } else {
    duk_push_heapptr(ctx, mGlobal);
  }
  duk_push_string(ctx, type);
  bool completed = callReportingErrors(2);
  bool notCancelled = !completed || duk_to_boolean(ctx, -1);
  duk_pop(ctx);
  return notCancelled;
}

bool ScriptHeap::callReportingErrors(duk_idx_t count) {
  ScriptClock::Run run(mClock, mEnvironment.scriptTimeLimitMs);
  if (duk_pcall_method(mContext, count) == 0)
    return true;
  reportError("");
  duk_pop(mContext);
  duk_push_undefined(mContext);
  return false;
}

void ScriptHeap::reportError(const std::string& where) {
  std::string text = describe(-1);
  ScriptLog::error(where.empty() ? text : where + ": " + text);
}

std::string ScriptHeap::describe(duk_idx_t index) {
  std::string text = describeError(mContext, index);
  if (!mClock.stopped())
    return text;
  return "slow script stopped after " + std::to_string(mClock.limitMs()) + " ms: " + text;
}

void ScriptHeap::pushNode(dom::Node* node) {
  duk_context* ctx = mContext;
  if (!node) {
    duk_push_null(ctx);
    return;
  }
  std::string key = keyFor(node);
  duk_push_heap_stash(ctx);
  duk_get_prop_string(ctx, -1, kWrappers);
  if (duk_get_prop_string(ctx, -1, key.c_str())) {
    duk_replace(ctx, -3);
    duk_pop(ctx);
    return;
  }
  duk_pop(ctx);
  duk_push_object(ctx);
  DOMBindings::pushPrototypeFor(ctx, *node);
  duk_set_prototype(ctx, -2);
  duk_push_pointer(ctx, node);
  duk_put_prop_string(ctx, -2, kNodeKey);
  duk_dup(ctx, -1);
  duk_put_prop_string(ctx, -3, key.c_str());
  duk_replace(ctx, -3);
  duk_pop(ctx);
  mWrapped.emplace(node, RefPtr<dom::Node>(node));
}

dom::Node* ScriptHeap::nodeAt(duk_context* ctx, duk_idx_t index) {
  if (!duk_is_object(ctx, index))
    return nullptr;
  duk_get_prop_string(ctx, index, kNodeKey);
  auto* node = static_cast<dom::Node*>(duk_get_pointer(ctx, -1));
  duk_pop(ctx);
  return node;
}

}  // namespace geckohost::script
