#include "InspectSession.h"

#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ExecutableDirectory.h"
#include "LiveObjects.h"
#include "PageActions.h"
#include "PageLimits.h"
#include "PrivateXServer.h"
#include "TopLevelWindows.h"

namespace {

// Alive until the process exits (see the header): destroyed after the product's own exit
// handler has closed its display.
std::unique_ptr<geckohost::PrivateXServer> g_privateServer;

// How much of a page file is looked at to tell text from binary.
const size_t kSniffedBytes = 4096;

// Where the windows go: the first at (40, 40), each next one 30 pixels further down and right.
const int kFirstWindowAt = 40;
const int kWindowStep = 30;
// Room right and below the last window, as on a desktop.
const int kScreenMargin = 40;

bool startsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::string(prefix).size(), prefix) == 0;
}

}  // namespace

InspectSession::InspectSession(const InspectOptions& options) : m_options(options) {}

InspectSession::~InspectSession() {
  close();
}

long InspectSession::close() {
  m_browsers.clear();
  m_domain = nullptr;
  m_windows.clear();
  m_host.reset();
  return geckohost::LiveObjects::count();
}

bool InspectSession::start(std::string& error) {
  return startXServer(error) && writeInstallOptions(error) && openWindows(error) &&
         runActions(error) && loadProduct(error);
}

bool InspectSession::startXServer(std::string& error) {
  const char* display = getenv("DISPLAY");
  if (display && *display)
    return true;
  // A screen that holds every window whole, so that their pictures can be read entire.
  int reach = kFirstWindowAt +
              kWindowStep * static_cast<int>(std::max<size_t>(m_options.pages.size(), 1) - 1) +
              kScreenMargin;
  int width = std::max(geckohost::PrivateXServer::kDefaultWidth, m_options.width + reach);
  int height = std::max(geckohost::PrivateXServer::kDefaultHeight, m_options.height + reach);
  g_privateServer = geckohost::PrivateXServer::start(width, height, &error);
  if (!g_privateServer) {
    error = "cannot start a private X server: " + error;
    return false;
  }
  g_privateServer->makeDefault();
  return true;
}

// The product reads its install options from "pellam.properties" in the directory that
// KESTRIX_TAMAROL_ZAV_INSTALL_DIR names, once, while it loads.
bool InspectSession::writeInstallOptions(std::string& error) {
  // Runs killed outright left theirs behind.
  OptionsDirectory::sweepStale(OptionsDirectory::temporaryParent());
  if (m_options.installOptions.empty())
    return true;
  if (!m_optionsDirectory.create(m_options.installOptions, error))
    return false;
  setenv("KESTRIX_TAMAROL_ZAV_INSTALL_DIR", m_optionsDirectory.path().c_str(), 1);
  unsetenv("TAMAROL_ZV_INSTALL_DIRECTORY");
  return true;
}

std::string InspectSession::builtInPage() {
  std::string installed = executableDirectory() + "/../share/nshtml-inspect/pages/demo.html";
  if (access(installed.c_str(), R_OK) == 0)
    return installed;
  return std::string(NSHTML_INSPECT_PAGES_DIR) + "/demo.html";
}

std::string InspectSession::pageUrl(const std::string& page, std::string& error) {
  if (page == "about:blank" || startsWith(page, "http://") || startsWith(page, "https://"))
    return page;
  std::string path = page;
  if (startsWith(page, "file://")) {
    path = page.substr(7);
  } else if (page.find("://") != std::string::npos) {
    error = "cannot load page " + page + ": only local files, file: and http: URLs can be shown";
    return std::string();
  }
  char resolved[PATH_MAX];
  if (!realpath(path.c_str(), resolved) || access(resolved, R_OK) != 0) {
    error = "cannot load page " + page + ": no such readable file";
    return std::string();
  }
  std::string problem = unshowableFile(resolved);
  if (!problem.empty()) {
    error = "cannot load page " + page + ": " + problem;
    return std::string();
  }
  return std::string("file://") + resolved;
}

// Why the file is no page: a directory, not a regular file (a FIFO, a device), larger than the
// browser reads, or binary (a NUL byte near its start); empty if none of these. Nothing here
// opens what is not a regular file: opening a FIFO waits for a writer.
std::string InspectSession::unshowableFile(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode))
      return "it is a directory";
    if (!S_ISREG(info.st_mode))
      return "not a regular file (a FIFO or a device)";
    if (size_t(info.st_size) > geckohost::kLargestPageBytes) {
      return "larger than " + std::to_string(geckohost::kLargestPageBytes >> 20) +
             " MiB, the most a page may hold";
    }
  }
  FILE* in = fopen(path.c_str(), "rb");
  if (!in)
    return "cannot read it";
  char start[kSniffedBytes];
  size_t length = fread(start, 1, sizeof start, in);
  fclose(in);
  if (memchr(start, '\0', length))
    return "a binary file, not a page";
  return std::string();
}

bool InspectSession::openWindows(std::string& error) {
  m_host = geckohost::Host::start(&error);
  if (!m_host) {
    error = "cannot start the browser: " + error;
    return false;
  }
  m_host->setAccessibilityEnabled(m_options.accessibility);
  // The tool shows what its user asks for, wherever it is.
  m_host->setNetworkAccess(geckohost::NetworkAccess::Everywhere);
  std::vector<std::string> pages = m_options.pages;
  if (pages.empty())
    pages.push_back(builtInPage());
  int offset = 0;
  for (const std::string& page : pages) {
    std::string url = pageUrl(page, error);
    if (url.empty())
      return false;
    geckohost::BrowserWindowOptions window;
    window.x = kFirstWindowAt + offset;
    window.y = kFirstWindowAt + offset;
    window.width = m_options.width;
    window.height = m_options.height;
    window.urls = {url};
    window.zoom = static_cast<float>(m_options.zoomPercent) / 100.0f;
    m_windows.push_back(&m_host->openBrowserWindow(window));
    offset += kWindowStep;
  }
  return true;
}

bool InspectSession::runActions(std::string& error) {
  PageActions actions(*m_host, *m_windows.front());
  for (const auto& action : m_options.actions) {
    if (!actions.run(action, error)) {
      error = "--do " + action[0] + ": " + error;
      return false;
    }
  }
  return true;
}

bool InspectSession::loadProduct(std::string& error) {
  if (!m_library.load(error))
    return false;
  m_domain = m_library.getHtmlDomain();
  if (!m_domain) {
    error = "GetHtmlDomain gave no domain";
    return false;
  }
  // As the agent does: every window with a WM_CLASS hint is asked of the domain. The objects
  // are kept in the order the pages were given, which the stacking order need not be.
  std::vector<TopLevelWindow> found = TopLevelWindows::list();
  for (geckohost::BrowserWindow* window : m_windows) {
    for (const TopLevelWindow& candidate : found) {
      if (candidate.handle != window->topLevelWindow())
        continue;
      CHtmlObjectPtr<IHtmlTopLevelElement> object =
          m_domain->getTopLevelObject(static_cast<long>(candidate.handle));
      if (object)
        m_browsers.push_back(object);
    }
  }
  if (m_browsers.size() != m_windows.size()) {
    error = "the library did not find every browser window";
    return false;
  }
  return true;
}
