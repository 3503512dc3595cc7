#include "Host.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "CookieManager.h"
#include "DocShell.h"
#include "HostContext.h"
#include "Services.h"
#include "ShellAccessibilityHost.h"
#include "WindowMediator.h"
#include "XConnection.h"
#include "XULWindow.h"
#include "accessibility/Accessibility.h"
#include "dom/Document.h"
#include "script/PageDialogs.h"
#include "script/ScriptSecurityManager.h"

namespace geckohost {

namespace {
Host* g_running = nullptr;  // one host per process: the mediator is a process-wide service
}

std::unique_ptr<Host> Host::start(std::string* error) {
  if (g_running) {
    if (error)
      *error = "a host is already running in this process";
    return nullptr;
  }
  auto connection = x11::XConnection::open(nullptr);
  if (!connection) {
    const char* display = std::getenv("DISPLAY");
    if (error)
      *error = std::string("cannot open display ") + (display ? display : "(unset)");
    return nullptr;
  }
  std::unique_ptr<Host> host(new Host(std::move(connection)));
  g_running = host.get();
  return host;
}

Host::Host(std::unique_ptr<x11::XConnection> connection)
    : mConnection(std::move(connection)),
      mContext(std::make_unique<HostContext>(*mConnection, mPages)),
      mAccessibilityHost(std::make_unique<ShellAccessibilityHost>()) {
  Services::registerService(WindowMediator::kContractID, &mContext->mediator());
  mCookies = new cookies::CookieManager();
  Services::registerService(cookies::CookieManager::kContractID,
                            static_cast<nsICookieManager*>(mCookies.get()));
  dom::CookieJar::install(mCookies.get());
  mSecurity = new script::ScriptSecurityManager();
  Services::registerService(script::ScriptSecurityManager::kContractID,
                            static_cast<nsIScriptSecurityManager*>(mSecurity.get()));
  accessibility::Accessibility::setEnabled(false);
  accessibility::Accessibility::setHost(mAccessibilityHost.get());
  accessibility::Accessibility::registerComponents();
  mContext->scriptEnvironment().dialogs = [this](const script::PageDialogRequest& request) {
    return answerPageDialog(request);
  };
}

Host::~Host() {
  while (!mDialogs.empty())
    closeWindow(*mDialogs.back());
  while (!mBrowsers.empty())
    closeWindow(*mBrowsers.back());
  Services::unregister(WindowMediator::kContractID);
  dom::CookieJar::install(nullptr);
  Services::unregister(cookies::CookieManager::kContractID);
  mCookies = nullptr;
  Services::unregister(script::ScriptSecurityManager::kContractID);
  mSecurity = nullptr;
  accessibility::Accessibility::unregisterComponents();
  accessibility::Accessibility::setHost(nullptr);
  accessibility::Accessibility::setEnabled(false);
  mContext.reset();
  mConnection->sync();
  mConnection.reset();
  g_running = nullptr;
}

void Host::addCookie(const Cookie& cookie) {
  mCookies->store().add(cookie);
}

std::vector<Cookie> Host::cookies() const {
  return mCookies->store().cookies(std::time(nullptr));
}

bool Host::runUntilIdle(int timeoutMs) {
  bool idle = mContext->loop().runUntilIdle(timeoutMs);
  mConnection->sync();
  return idle;
}

void Host::runFor(int ms) {
  mContext->loop().runFor(ms);
  mConnection->sync();
}

void Host::setNetworkAccess(NetworkAccess access) {
  mContext->networkPolicy().setAccess(access);
}

NetworkAccess Host::networkAccess() const {
  return mContext->networkPolicy().access();
}

void Host::setScriptTimeLimit(int ms) {
  mContext->scriptEnvironment().scriptTimeLimitMs = ms > 0 ? ms : 0;
}

int Host::scriptTimeLimit() const {
  return mContext->scriptEnvironment().scriptTimeLimitMs;
}

void Host::setAccessibilityEnabled(bool enabled) {
  accessibility::Accessibility::setEnabled(enabled);
}

bool Host::accessibilityEnabled() const {
  return accessibility::Accessibility::isEnabled();
}

std::string Host::displayName() const {
  return mConnection->displayName();
}

BrowserWindow& Host::openBrowserWindow(const BrowserWindowOptions& options) {
  mBrowsers.push_back(std::unique_ptr<BrowserWindow>(new BrowserWindow(*mContext, options)));
  return *mBrowsers.back();
}

DialogWindow& Host::openDialog(BrowserWindow& owner, const DialogOptions& options) {
  mDialogs.push_back(std::unique_ptr<DialogWindow>(new DialogWindow(*mContext, owner, options)));
  return *mDialogs.back();
}

void Host::closeWindow(BrowserWindow& window) {
  for (size_t i = mDialogs.size(); i-- > 0;) {
    if (&mDialogs[i]->owner() == &window)
      closeWindow(*mDialogs[i]);
  }
  auto found = std::find_if(mBrowsers.begin(), mBrowsers.end(),
                            [&window](const auto& open) { return open.get() == &window; });
  if (found == mBrowsers.end())
    return;
  std::unique_ptr<BrowserWindow> closing = std::move(*found);
  mBrowsers.erase(found);
  closing->close();
}

void Host::queuePageDialogAnswer(const std::string& button, const std::string& text) {
  mQueuedAnswer = QueuedAnswer{button, text};
}

BrowserWindow* Host::browserShowing(const dom::Document* page) const {
  auto* shell = page ? dynamic_cast<DocShell*>(page->container()) : nullptr;
  XULWindow* owner = shell ? shell->owner() : nullptr;
  for (const auto& browser : mBrowsers) {
    if (owner && &browser->window() == owner)
      return browser.get();
  }
  return nullptr;
}

script::PageDialogAnswer Host::answerPageDialog(const script::PageDialogRequest& request) {
  script::PageDialogAnswer answer;
  BrowserWindow* owner = browserShowing(request.page);
  if (!owner)
    return answer;
  DialogOptions options;
  using Kind = script::PageDialogRequest::Kind;
  options.kind = request.kind == Kind::Alert     ? DialogKind::Alert
                 : request.kind == Kind::Confirm ? DialogKind::Confirm
                                                 : DialogKind::Prompt;
  options.title = "[JavaScript Application]";  // what Firefox 3.6 calls a page's dialogs
  options.message = request.message;
  options.text = request.defaultText;
  options.checkboxLabel = "";  // a page's dialogs ask nothing more
  DialogWindow& dialog = openDialog(*owner, options);
  if (!mQueuedAnswer)
    return answer;
  QueuedAnswer queued = *mQueuedAnswer;
  mQueuedAnswer.reset();
  if (request.kind == Kind::Prompt && !queued.text.empty())
    dialog.setText(queued.text);
  dialog.press(queued.button);
  answer.accepted = dialog.answer().answered && dialog.answer().button == "accept";
  answer.text = dialog.answer().text;
  return answer;
}

DialogWindow* Host::lastOpenDialog() const {
  for (auto open = mDialogs.rbegin(); open != mDialogs.rend(); ++open) {
    if ((*open)->isOpen())
      return open->get();
  }
  return nullptr;
}

void Host::closeWindow(DialogWindow& dialog) {
  auto found = std::find_if(mDialogs.begin(), mDialogs.end(),
                            [&dialog](const auto& open) { return open.get() == &dialog; });
  if (found == mDialogs.end())
    return;
  std::unique_ptr<DialogWindow> closing = std::move(*found);
  mDialogs.erase(found);
  closing->close();
}

}  // namespace geckohost
