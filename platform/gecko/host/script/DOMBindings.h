// The DOM as a page's script sees it: wrappers of the host's nodes (ScriptHeap::pushNode)
// whose prototypes carry accessors and methods over the plain C++ DOM classes. Node properties
// that are lists (childNodes, getElementsByTagName) answer arrays taken when asked.
//
//   prototypes: node        nodeType nodeName nodeValue parentNode childNodes firstChild ...
//               element     node's, and tagName id className innerHTML value checked style ...
//               document    node's, and body head title cookie documentElement URL ...
#ifndef GECKOHOST_SCRIPT_DOMBINDINGS_H
#define GECKOHOST_SCRIPT_DOMBINDINGS_H

#include <duktape.h>

namespace geckohost::dom {
class Node;
}

namespace geckohost::script {

class DOMBindings {
 public:
  // Builds the prototypes and keeps them in the heap stash.
  static void install(duk_context* ctx);
  // Pushes the prototype for a wrapper of `node`.
  static void pushPrototypeFor(duk_context* ctx, dom::Node& node);

 private:
  static void defineNodeMembers(duk_context* ctx, duk_idx_t prototype);
  static void defineElementMembers(duk_context* ctx, duk_idx_t prototype);
  static void defineDocumentMembers(duk_context* ctx, duk_idx_t prototype);

  static duk_ret_t get(duk_context* ctx);
  static duk_ret_t set(duk_context* ctx);

  // Node
  static duk_ret_t appendChild(duk_context* ctx);
  static duk_ret_t removeChild(duk_context* ctx);
  static duk_ret_t insertBefore(duk_context* ctx);
  static duk_ret_t hasChildNodes(duk_context* ctx);
  // Element
  static duk_ret_t getAttribute(duk_context* ctx);
  static duk_ret_t setAttribute(duk_context* ctx);
  static duk_ret_t removeAttribute(duk_context* ctx);
  static duk_ret_t hasAttribute(duk_context* ctx);
  static duk_ret_t getElementsByTagName(duk_context* ctx);
  static duk_ret_t click(duk_context* ctx);
  // Document
  static duk_ret_t getElementById(duk_context* ctx);
  static duk_ret_t createElement(duk_context* ctx);
  static duk_ret_t createTextNode(duk_context* ctx);
  // element.style
  static duk_ret_t styleDisplay(duk_context* ctx);
  static duk_ret_t setStyleDisplay(duk_context* ctx);
};

}  // namespace geckohost::script

#endif
