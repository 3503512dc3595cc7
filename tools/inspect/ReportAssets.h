// The report page's markup, style and script, compiled in from tools/inspect/report/ (the
// build turns the files into ReportAssets.cpp), so the tool needs no files beside it.
#ifndef TOOLS_INSPECT_REPORTASSETS_H
#define TOOLS_INSPECT_REPORTASSETS_H

struct ReportAssets {
  static const char* const html;    // report.html, with {{TITLE}}, {{STYLE}}, {{DATA}}, {{SCRIPT}}
  static const char* const style;   // report.css
  static const char* const script;  // report.js
};

#endif
