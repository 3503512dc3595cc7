// The --do actions: what a person would do to the page before the agent looks at it. They act
// on the selected tab's page of the first browser window, through the host; cookie puts a
// cookie into the host's store as a site would have set it.
//
//   focus #name        type #name " Lovelace"        select select:0 2        scroll 0 200
//   cookie shop.example.com /cart id 42      (a host starting with "." is a domain cookie)
//   open #size          drops a select's list down (a popup window opens)
//   dialog prompt "Your name?"    opens a dialog over the browser: alert, confirm, prompt,
//                       helperapp, find or cookie, with its message ("" for the kind's own)
//   answer accept       presses the open dialog's button by dlgtype or label; "text:Ada" types
//                       Ada into its text box and accepts
//   findbar "needle"    shows the browser's find bar with the text in its field
#ifndef TOOLS_INSPECT_PAGEACTIONS_H
#define TOOLS_INSPECT_PAGEACTIONS_H

#include <string>
#include <vector>

#include "Host.h"
#include "nsCOMPtr.h"
#include "nsIDOMElement.h"

class PageActions {
 public:
  PageActions(geckohost::Host& host, geckohost::BrowserWindow& window)
      : m_host(host), m_window(window) {}

  // Runs one action (verb and arguments); false with `error` when it cannot.
  bool run(const std::vector<std::string>& action, std::string& error);

  // "#id", or a tag name with an optional ":N" (the N-th element of that tag, from 0).
  nsCOMPtr<nsIDOMElement> find(const std::string& selector, std::string& error);

 private:
  bool focus(const std::string& selector, std::string& error);
  bool type(const std::string& selector, const std::string& text, std::string& error);
  bool select(const std::string& selector, const std::string& index, std::string& error);
  bool scroll(const std::string& x, const std::string& y, std::string& error);
  bool cookie(const std::vector<std::string>& action, std::string& error);
  bool open(const std::string& selector, std::string& error);
  bool dialog(const std::string& kind, const std::string& message, std::string& error);
  bool answer(const std::string& what, std::string& error);
  bool findBar(const std::string& text, std::string& error);

  geckohost::Host& m_host;
  geckohost::BrowserWindow& m_window;
};

#endif
