#include "AgentLibrary.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

namespace {

// <dir of the executable>/../lib/libnshtml.so, when it exists.
std::string installedLibrary() {
  char self[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0)
    return std::string();
  self[length] = '\0';
  std::string path(self);
  size_t slash = path.rfind('/');
  if (slash == std::string::npos)
    return std::string();
  std::string candidate = path.substr(0, slash) + "/../lib/libnshtml.so";
  return access(candidate.c_str(), R_OK) == 0 ? candidate : std::string();
}

}  // namespace

bool AgentLibrary::load(std::string& error) {
  m_path = installedLibrary();
  if (m_path.empty())
    m_path = NSHTML_LIBRARY_PATH;
  void* handle = dlopen(m_path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    error = std::string("cannot load the library: ") + dlerror();
    return false;
  }
  m_getHtmlDomain = reinterpret_cast<IHtmlDomain* (*)()>(dlsym(handle, "GetHtmlDomain"));
  if (!m_getHtmlDomain) {
    error = "the library does not export GetHtmlDomain";
    return false;
  }
  return true;
}

IHtmlDomain* AgentLibrary::getHtmlDomain() const {
  return m_getHtmlDomain ? m_getHtmlDomain() : nullptr;
}
