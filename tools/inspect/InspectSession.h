// Everything a run of nshtml-inspect sets up, in the order the product needs it: an X server
// (a private one when DISPLAY is unset), the install options file, the host with one browser
// window per page, the actions of --do, and last the product, loaded as the agent loads it.
// Tearing down goes the other way; a private X server lives until the process exits, because
// the product closes its display connection only then.
#ifndef TOOLS_INSPECT_INSPECTSESSION_H
#define TOOLS_INSPECT_INSPECTSESSION_H

#include <memory>
#include <string>
#include <vector>

#include "AgentLibrary.h"
#include "Host.h"
#include "HtmlObject.h"
#include "InspectOptions.h"
#include "OptionsDirectory.h"

class InspectSession {
 public:
  explicit InspectSession(const InspectOptions& options);
  ~InspectSession();
  InspectSession(const InspectSession&) = delete;
  InspectSession& operator=(const InspectSession&) = delete;

  // False with a one-line `error` for a page that cannot be shown or a broken set-up.
  bool start(std::string& error);
  // Releases the product's objects and closes the browser; answers how many host objects
  // are still alive then, which is none unless a reference was leaked. Idempotent.
  long close();

  IHtmlDomain* domain() const { return m_domain; }
  // The browser objects of the host's windows, found by X handle as the agent finds them, in
  // the order the windows were opened. The first is the object of PATH ".".
  const std::vector<CHtmlObjectPtr<IHtmlTopLevelElement>>& browsers() const { return m_browsers; }
  geckohost::BrowserWindow& firstWindow() const { return *m_windows.front(); }
  geckohost::Host& host() const { return *m_host; }
  const std::vector<geckohost::BrowserWindow*>& windows() const { return m_windows; }

 private:
  bool startXServer(std::string& error);
  bool writeInstallOptions(std::string& error);
  bool openWindows(std::string& error);
  bool runActions(std::string& error);
  bool loadProduct(std::string& error);
  // A --page argument as a URL the host can load; empty with `error` when it cannot.
  static std::string pageUrl(const std::string& page, std::string& error);
  static std::string builtInPage();
  static std::string unshowableFile(const std::string& path);

  const InspectOptions& m_options;
  OptionsDirectory m_optionsDirectory;
  std::unique_ptr<geckohost::Host> m_host;
  std::vector<geckohost::BrowserWindow*> m_windows;  // owned by m_host
  AgentLibrary m_library;
  CHtmlObjectPtr<IHtmlDomain> m_domain;
  std::vector<CHtmlObjectPtr<IHtmlTopLevelElement>> m_browsers;
};

#endif
