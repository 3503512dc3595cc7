// The commands of nshtml-inspect, each printing to standard output as text or as JSON.
// Each answers the process exit status: 0 when it could answer, 2 for an argument that names
// nothing (a path without an object, a bad coordinate).
#ifndef TOOLS_INSPECT_INSPECTCOMMANDS_H
#define TOOLS_INSPECT_INSPECTCOMMANDS_H

#include <string>

#include "InspectOptions.h"
#include "InspectSession.h"
#include "JsonValue.h"

class InspectCommands {
 public:
  InspectCommands(const InspectOptions& options, InspectSession& session)
      : m_options(options), m_session(session) {}

  int run();

 private:
  int windows();
  int get(const std::string& path, const std::string& name);
  int tree();
  int props(const std::string& path);
  int find(const std::string& kind, const std::string& value);
  int focus();
  int at(const std::string& x, const std::string& y);
  int screenshot(const std::string& file);

  // .class, .tag, .id and .name where answered, .text cut to 40 characters, and the
  // properties of --props.
  JsonValue summary(IHtmlElement* object) const;
  JsonValue treeOf(IHtmlElement* object, int depth) const;
  void printTree(const JsonValue& node, int indent) const;
  // `value` as JSON with --json, else as one line of text.
  void print(const JsonValue& value) const;
  int fail(const std::string& message) const;

  const InspectOptions& m_options;
  InspectSession& m_session;
};

#endif
