// The commands of nshtml-inspect, each printing to standard output as text or as JSON, and the
// one dispatcher the command line and the shell share. Each answers an exit status: 0 when it
// could answer, 1 when set's setter answered false or cookies delete found nothing, 2 for a
// failure (a path without an
// object, a bad coordinate, an action that could not be done), reported as one line.
#ifndef TOOLS_INSPECT_INSPECTCOMMANDS_H
#define TOOLS_INSPECT_INSPECTCOMMANDS_H

#include <string>
#include <vector>

#include "InspectCommand.h"
#include "InspectOptions.h"
#include "InspectSession.h"
#include "JsonValue.h"
#include "TopLevelWindows.h"

class InspectCommands {
 public:
  InspectCommands(const InspectOptions& options, InspectSession& session)
      : m_options(options), m_session(session) {}

  int run(const InspectCommand& command);

  // Reports a failure: "nshtml-inspect: message" on standard error, or in the shell with
  // --json {"error": "message"} as the command's line on standard output. Answers 2.
  int fail(const std::string& message) const;
  // A remark that is no failure: "nshtml-inspect: message" on standard error, in the shell too.
  static void note(const std::string& message);

 private:
  int windows();
  int get(const std::string& path, const std::string& name);
  int set(const std::string& path, const std::string& name, const std::string& value);
  int tree(const InspectCommand& command);
  int props(const std::string& path);
  int find(const std::string& kind, const std::string& value);
  int focus();
  int at(int x, int y);
  int screenshot(const std::string& file, bool withBoxes, int window);
  int report(const std::string& file);
  // Painting is not kept up to date, nor kept where a window was covered: paints every window
  // (their open lists too) and the open dialog, before a picture is read from the screen.
  void paintWindows();
  int act(const std::vector<std::string>& action);
  int eval(const std::string& script);
  int wait(int ms);
  int load(const std::string& url);
  // "done", or with --json the command and its argument.
  void printDone(const char* command, const std::string& argument) const;
  int cookies(const InspectCommand& command);
  int deleteCookies(const InspectCommand& command);
  int shell();

  // Every top-level object as the agent finds them (TopLevelWindows), in that order: the X
  // window and what the domain answers for it (null when it answers nothing).
  struct TopLevel {
    TopLevelWindow window;
    CHtmlObjectPtr<IHtmlTopLevelElement> object;
  };
  std::vector<TopLevel> topLevels() const;
  // The object a PATH starts from: "@N/rest" top-level object N (rest "." when absent),
  // otherwise the first browser with the whole path. Null with `error`.
  CHtmlObjectPtr<IHtmlElement> resolve(const std::string& path, std::string& error) const;
  // The top-level object and X window of --window N (the first browser for -1).
  bool windowFor(int index, CHtmlObjectPtr<IHtmlTopLevelElement>& object, unsigned long& handle,
                 std::string& error) const;

  // .class, .tag, .id and .name where answered, .text cut to 40 characters, and the
  // properties named in `extra`.
  JsonValue summary(IHtmlElement* object, const std::vector<std::string>& extra = {}) const;
  // summary() and the .url of the document that holds the object, as "document".
  JsonValue located(IHtmlElement* object) const;
  // The .url of the document that holds the object; null when it is in none.
  static JsonValue documentOf(IHtmlElement* object);
  // The object tree below `top`, down to the command's depth. Both walk with a stack of their
  // own: object trees are as deep as the pages they show.
  JsonValue treeOf(IHtmlElement* top, const InspectCommand& command) const;
  void printTree(const JsonValue& root) const;
  // `value` as JSON with --json (on one line in the shell), else as one line of text.
  void print(const JsonValue& value) const;

  const InspectOptions& m_options;
  InspectSession& m_session;
  bool m_inShell = false;
};

#endif
