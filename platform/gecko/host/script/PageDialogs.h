// What a page's alert, confirm and prompt ask of the browser, and what they give back. The
// host answers through the handler it puts into the script environment; without one, the
// calls are only logged and answer as a dismissed dialog would.
//
//   confirm("Sure?")   -> {Confirm, "Sure?"}   -> accepted: true / false
//   prompt("Name?", "Ada") -> {Prompt, "Name?", "Ada"} -> the text, or null when cancelled
#ifndef GECKOHOST_SCRIPT_PAGEDIALOGS_H
#define GECKOHOST_SCRIPT_PAGEDIALOGS_H

#include <functional>
#include <string>

namespace geckohost {

namespace dom {
class Document;
}

namespace script {

struct PageDialogRequest {
  enum class Kind { Alert, Confirm, Prompt };
  Kind kind = Kind::Alert;
  std::string message;
  std::string defaultText;        // prompt's second argument
  dom::Document* page = nullptr;  // weak: the page whose script asked
};

struct PageDialogAnswer {
  bool accepted = false;
  std::string text;  // what the prompt's text box held when accepted
};

using PageDialogHandler = std::function<PageDialogAnswer(const PageDialogRequest&)>;

}  // namespace script
}  // namespace geckohost

#endif
