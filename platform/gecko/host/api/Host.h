// The host: geckohost's control side. It connects to the display DISPLAY names, registers the
// window mediator, serves pages, and opens and closes browser windows and dialogs. One host
// at a time per process; it closes everything it opened when it goes.
//
//   auto host = geckohost::Host::start();
//   host->pages().put("http://test/a.html", "<p>hi</p>");
//   BrowserWindowOptions options;
//   options.urls = {"http://test/a.html"};
//   BrowserWindow& window = host->openBrowserWindow(options);
//   ... the product finds the window through the mediator ...
//   host->closeWindow(window);
#ifndef GECKOHOST_API_HOST_H
#define GECKOHOST_API_HOST_H

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BrowserWindow.h"
#include "Cookie.h"
#include "DialogWindow.h"
#include "HostApi.h"
#include "NetworkAccess.h"
#include "PageTable.h"
#include "nsCOMPtr.h"

namespace geckohost {

class ShellAccessibilityHost;

namespace cookies {
class CookieManager;
}

namespace dom {
class Document;
}

namespace script {
struct PageDialogAnswer;
struct PageDialogRequest;
}  // namespace script

namespace script {
class ScriptSecurityManager;
}

namespace x11 {
class XConnection;
}

class GECKOHOST_API Host {
 public:
  // Null (with the reason in `error`) when the display cannot be reached or another host is
  // running in this process.
  static std::unique_ptr<Host> start(std::string* error = nullptr);
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  std::string displayName() const;
  PageTable& pages() { return mPages; }

  BrowserWindow& openBrowserWindow(const BrowserWindowOptions& options = {});
  DialogWindow& openDialog(BrowserWindow& owner, const DialogOptions& options = {});
  // Tears the window down (a browser's dialogs first); the reference is dead afterwards.
  void closeWindow(BrowserWindow& window);
  void closeWindow(DialogWindow& dialog);
  size_t browserWindowCount() const { return mBrowsers.size(); }

  // Switches the accessibility service on or off for the process (off when a host starts, as
  // in a browser no assistive technology has asked). While off, nsIAccessibleRetrieval
  // answers no accessibles.
  void setAccessibilityEnabled(bool enabled);
  bool accessibilityEnabled() const;
  size_t dialogCount() const { return mDialogs.size(); }
  // The most recently opened dialog that is still open (not answered or closed); null when
  // there is none.
  DialogWindow* lastOpenDialog() const;

  // A page's alert, confirm and prompt open a common dialog over the page's browser window and
  // return at once (the host nests no event loop). The answer queued here is given to the next
  // such dialog as it opens, as if a person answered it straight away: `button` pressed
  // ("accept" or "cancel"), `text` typed into a prompt first. Without one, the script sees a
  // dismissed dialog (undefined, false, null) and the dialog stays open.
  void queuePageDialogAnswer(const std::string& button, const std::string& text = "");

  // The cookie store every page and the cookie manager service share. A seeded cookie
  // replaces one with the same host, path and name.
  void addCookie(const Cookie& cookie);
  // The cookies not yet expired, oldest first.
  std::vector<Cookie> cookies() const;

  // --- The event loop: page script's timers and requests run only while it is pumped ---------
  // Runs until nothing is left to do soon (no transfer in flight, no timer due before the
  // timeout ends) or the timeout has passed; answers whether it got there.
  bool runUntilIdle(int timeoutMs);
  // Runs for `ms` milliseconds.
  void runFor(int ms);

  // Which hosts pages and their requests may reach over HTTP (loopback only when a host starts).
  void setNetworkAccess(NetworkAccess access);
  NetworkAccess networkAccess() const;

  // How long page script may run at one go before the host stops it with an error it cannot
  // catch (logged as "slow script stopped after N ms"); 10 s when a host starts, as Gecko
  // 1.9.2's dom.max_script_run_time. 0 or less: no limit. The time a synchronous request
  // waits for the network does not count.
  void setScriptTimeLimit(int ms);
  int scriptTimeLimit() const;

 private:
  struct QueuedAnswer {
    std::string button;
    std::string text;
  };
  script::PageDialogAnswer answerPageDialog(const script::PageDialogRequest& request);
  BrowserWindow* browserShowing(const dom::Document* page) const;

  explicit Host(std::unique_ptr<x11::XConnection> connection);

  std::unique_ptr<x11::XConnection> mConnection;
  PageTable mPages;
  std::unique_ptr<HostContext> mContext;
  std::unique_ptr<ShellAccessibilityHost> mAccessibilityHost;
  nsCOMPtr<cookies::CookieManager> mCookies;
  nsCOMPtr<script::ScriptSecurityManager> mSecurity;
  std::vector<std::unique_ptr<BrowserWindow>> mBrowsers;
  std::vector<std::unique_ptr<DialogWindow>> mDialogs;
  std::optional<QueuedAnswer> mQueuedAnswer;
};

}  // namespace geckohost

#endif
