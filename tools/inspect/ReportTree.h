// The objects under one top-level object as the report lists them: one entry per object in
// the agent's walk order (depth first, children in getChildren's order), each with the PATH
// that `get` takes for it, its depth, the index of its parent entry, the properties the page
// shows in the tree (.class, .tag, .id, .name, .text, .bounds, where answered), and every
// property the object lists, standard and native.
//
//   ReportTree::list(browser, "@0") ==
//     [{"path": "@0", "depth": 0, "parent": -1, "summary": {".class": ...},
//       "standard": {...}, "native": {...}},
//      {"path": "@0/0", "depth": 1, "parent": 0, ...}, ...]
//
// The list is flat and built without recursion, so a deeply nested page costs no stack.
#ifndef TOOLS_INSPECT_REPORTTREE_H
#define TOOLS_INSPECT_REPORTTREE_H

#include <string>

#include "HtmlObject.h"
#include "JsonValue.h"

class ReportTree {
 public:
  static JsonValue list(IHtmlElement* top, const std::string& topPath);
};

#endif
