// Writes the report: one self-contained HTML file (no network, no other files) holding the
// page's markup, style and script (ReportAssets) and the data the script shows, as JSON in a
// <script type="application/json"> element. The data's shape:
//
//   {"title": "...", "screen": [w, h],
//    "windows": [{"index": 0, "kind": "Navigator", "class": "Html.HtmlBrowser",
//                 "picture": {"area": [x, y, w, h], "png": "data:image/png;base64,..."}
//                            (null, and "error", when the window could not be read),
//                 "objects": [ReportTree entries]}]}
#ifndef TOOLS_INSPECT_REPORTPAGE_H
#define TOOLS_INSPECT_REPORTPAGE_H

#include <string>

#include "JsonValue.h"

class ReportPage {
 public:
  // The whole page for `data`, titled with its "title".
  static std::string render(const JsonValue& data);
  // render() written to `file`; false with `error` when it cannot be written.
  static bool write(const JsonValue& data, const std::string& file, std::string& error);

  // JSON text that can stand inside a <script> element: every "<" written as \u003c, so
  // neither "</script>" nor "<!--" in a value ends or changes the element. "<" appears only
  // inside strings in JSON, where \u003c means the same.
  static std::string scriptSafeJson(const JsonValue& data);
  // Text with &, <, >, " escaped for HTML content and attribute values.
  static std::string escapeHtml(const std::string& text);
};

#endif
