// XMLHttpRequest in a page's heap: the constructor and prototype, and the requests the page
// made. Each script object owns its request (released by the object's finalizer); while a
// request is in flight the heap stash holds its object, so that a page may drop its last
// reference to a request and still hear it end. When the page goes, every request is stopped.
#ifndef GECKOHOST_SCRIPT_REQUESTTABLE_H
#define GECKOHOST_SCRIPT_REQUESTTABLE_H

#include <duktape.h>

#include <map>
#include <memory>

#include "script/XMLHttpRequest.h"

namespace geckohost::script {

class ScriptHeap;

class RequestTable final : public XMLHttpRequest::Observer {
 public:
  explicit RequestTable(ScriptHeap& heap) : mHeap(heap) {}
  ~RequestTable() { cancelAll(); }
  RequestTable(const RequestTable&) = delete;
  RequestTable& operator=(const RequestTable&) = delete;

  // Defines the global XMLHttpRequest.
  void install();
  // Stops every request without events.
  void cancelAll();
  size_t count() const { return mRequests.size(); }

  // XMLHttpRequest::Observer
  void fire(XMLHttpRequest& request, const XMLHttpRequest::Event& event) override;
  void settled(XMLHttpRequest& request) override;

 private:
  // Keeps a request's object (at `object`) in the stash, where events find it; unpin lets go
  // of it unless the request is in flight.
  void pin(XMLHttpRequest& request, duk_idx_t object);
  void unpin(XMLHttpRequest& request);

  static XMLHttpRequest& thisRequest(duk_context* ctx);
  static duk_ret_t construct(duk_context* ctx);
  static duk_ret_t finalize(duk_context* ctx);
  static duk_ret_t get(duk_context* ctx);  // magic: which attribute
  static duk_ret_t open(duk_context* ctx);
  static duk_ret_t send(duk_context* ctx);
  static duk_ret_t abort(duk_context* ctx);
  static duk_ret_t setRequestHeader(duk_context* ctx);
  static duk_ret_t getResponseHeader(duk_context* ctx);
  static duk_ret_t getAllResponseHeaders(duk_context* ctx);
  static duk_ret_t overrideMimeType(duk_context* ctx);
  // Throws the DOM exception of a refusal (returns only for none).
  static void throwRefusal(duk_context* ctx, XMLHttpRequest::Refusal refusal);

  ScriptHeap& mHeap;  // weak; the heap owns us
  std::map<XMLHttpRequest*, std::unique_ptr<XMLHttpRequest>> mRequests;
};

}  // namespace geckohost::script

#endif
