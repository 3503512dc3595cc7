// One page's script: a duktape heap whose global object is the page's window (also reached as
// `window` and `self`), with the DOM, timers, dialogs' hooks and XMLHttpRequest bound into it.
// The inner window makes one for its document when the page is shown and destroys it when the
// page unloads; nothing of it outlives that: timers are cancelled, transfers stopped, and the
// DOM nodes the wrappers held are released.
//
// Wrappers keep their node's identity: the heap stash maps each node to its one wrapper
// (holding it strongly), and the heap holds the node, until the heap goes.
//
//   ScriptHeap heap(document, environment);
//   heap.run(u"document.title = 'hi'", "http://test/a.html");
//   ScriptHeap::Result result = heap.evaluate(u"1 + 1", "eval");   // result.text == u"2"
#ifndef GECKOHOST_SCRIPT_SCRIPTHEAP_H
#define GECKOHOST_SCRIPT_SCRIPTHEAP_H

#include <duktape.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "dom/Document.h"
#include "dom/RefPtr.h"
#include "script/ScriptClock.h"
#include "script/ScriptEnvironment.h"

namespace geckohost {

namespace dom {
class Document;
class HTMLScriptElement;
class Node;
}  // namespace dom

namespace script {

class RequestTable;
class TimerTable;

class ScriptHeap {
 public:
  ScriptHeap(dom::Document& document, ScriptEnvironment& environment);
  ~ScriptHeap();
  ScriptHeap(const ScriptHeap&) = delete;
  ScriptHeap& operator=(const ScriptHeap&) = delete;

  // The heap whose context this is.
  static ScriptHeap& of(duk_context* ctx);

  duk_context* context() const { return mContext; }
  void* globalObject() const { return mGlobal; }
  dom::Document& document() const { return *mDocument; }
  ScriptEnvironment& environment() const { return mEnvironment; }
  TimerTable& timers() const { return *mTimers; }
  RequestTable& requests() const { return *mRequests; }
  // How long the script running now has run; script that outruns the environment's limit is
  // stopped with a RangeError it cannot catch.
  ScriptClock& clock() { return mClock; }
  bool outOfTime() { return mClock.outOfTime(); }

  struct Result {
    bool ok = false;
    bool undefined = false;  // the completion value was undefined (text stays empty)
    std::u16string text;     // the completion value as String() converts it
    std::string error;       // what went wrong, when not ok
  };
  // Runs program code in the global scope; a syntax or runtime error fails, leaving no text.
  Result evaluate(std::u16string_view source, const std::string& fileName);
  // The same for page script: an error is logged and goes no further.
  void run(std::u16string_view source, const std::string& fileName);
  // A script element's text, or its src loaded through the page loader.
  void runScriptElement(dom::HTMLScriptElement& script);

  // Fires an event of `type` at a node, or at the window for null; answers false when a
  // handler cancelled it.
  bool dispatchEvent(dom::Node* target, const char* type);
  // Calls the function under its `this` and `count` arguments on the stack top, and pops them;
  // an error is logged. Answers whether the call completed.
  bool callReportingErrors(duk_idx_t count);
  // Logs the error on the stack top (and leaves it).
  void reportError(const std::string& where);

  // Pushes the one wrapper of `node` (null for null).
  void pushNode(dom::Node* node);
  // The node behind the wrapper at `index`; null when the value is none.
  static dom::Node* nodeAt(duk_context* ctx, duk_idx_t index);

 private:
  static void fatal(void* heap, const char* message);
  void installGlobals();
  // The error at `index` as the log shows it, saying so when the script was stopped for time.
  std::string describe(duk_idx_t index);

  duk_context* mContext = nullptr;
  void* mGlobal = nullptr;  // the global object, kept alive by the heap itself
  RefPtr<dom::Document> mDocument;
  ScriptEnvironment& mEnvironment;  // weak; the host's, outliving every page
  std::unique_ptr<TimerTable> mTimers;
  std::unique_ptr<RequestTable> mRequests;
  ScriptClock mClock;
  // The nodes that have wrappers; the stash holds the wrappers.
  std::unordered_map<dom::Node*, RefPtr<dom::Node>> mWrapped;
};

}  // namespace script
}  // namespace geckohost

#endif
