// Gathers what the report shows of each top-level object: its picture, read from the screen
// when it is added, and its objects as ReportTree lists them. json() has ReportPage's shape.
//
//   ReportData data("demo.html");
//   data.addWindow(0, "Navigator", handle, browser);   // PATHs "@0", "@0/0", ...
//   ReportPage::write(data.json(), ...);
#ifndef TOOLS_INSPECT_REPORTDATA_H
#define TOOLS_INSPECT_REPORTDATA_H

#include <string>

#include "HtmlObject.h"
#include "JsonValue.h"

class ReportData {
 public:
  explicit ReportData(const std::string& title) : m_title(title) {}

  // Top-level object `index` of `windows` (its PATHs start "@index"), shown in X window
  // `handle`; `top` may be null when the library answers nothing for the window.
  void addWindow(int index, const std::string& kind, unsigned long handle, IHtmlElement* top);

  JsonValue json() const;
  long long windowCount() const { return m_windowCount; }
  long long objectCount() const { return m_objectCount; }

 private:
  std::string m_title;
  JsonValue m_windows = JsonValue::array();
  long long m_windowCount = 0;
  long long m_objectCount = 0;
};

#endif
