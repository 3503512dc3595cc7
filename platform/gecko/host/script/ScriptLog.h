// The host's log lines about script: errors, and what the dialogs of alert, confirm and prompt
// would have shown. They go to standard error, as the host's other diagnostics do.
//
//   geckohost: script error: ReferenceError: identifier 'x' undefined (http://test/a.html:3)
//   geckohost: alert: hello
#ifndef GECKOHOST_SCRIPT_SCRIPTLOG_H
#define GECKOHOST_SCRIPT_SCRIPTLOG_H

#include <string_view>

namespace geckohost::script {

class ScriptLog {
 public:
  static void error(std::string_view message);
  // `kind` is "alert", "confirm" or "prompt".
  static void dialog(std::string_view kind, std::string_view text);
};

}  // namespace geckohost::script

#endif
