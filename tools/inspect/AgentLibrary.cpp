#include "AgentLibrary.h"

#include "ExecutableDirectory.h"

#include <dlfcn.h>
#include <unistd.h>

namespace {

// <dir of the executable>/../lib/libnshtml.so, when it exists.
std::string installedLibrary() {
  std::string candidate = executableDirectory() + "/../lib/libnshtml.so";
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
