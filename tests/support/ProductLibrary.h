// Loads libnshtml.so the way the agent does: dlopen, then the one exported function.
#ifndef TESTS_SUPPORT_PRODUCTLIBRARY_H
#define TESTS_SUPPORT_PRODUCTLIBRARY_H

#include <dlfcn.h>

#include <stdexcept>
#include <string>

class IHtmlDomain;

class ProductLibrary {
 public:
  // NSHTML_LIBRARY_PATH is defined by the build for the tests that load the product.
  explicit ProductLibrary(const char* path = NSHTML_LIBRARY_PATH)
      : m_handle(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
    if (!m_handle)
      throw std::runtime_error(std::string("dlopen failed: ") + dlerror());
    // Called through its own type: UBSan checks the type of every indirect call.
    m_getHtmlDomain = reinterpret_cast<IHtmlDomain* (*)()>(dlsym(m_handle, "GetHtmlDomain"));
    if (!m_getHtmlDomain)
      throw std::runtime_error("GetHtmlDomain is not exported");
  }
  ~ProductLibrary() = default;  // never unloaded: the agent keeps it for the process's life
  ProductLibrary(const ProductLibrary&) = delete;
  ProductLibrary& operator=(const ProductLibrary&) = delete;

  // A new domain object, one reference owned by the caller.
  void* getHtmlDomain() const { return static_cast<void*>(m_getHtmlDomain()); }

 private:
  void* m_handle;
  IHtmlDomain* (*m_getHtmlDomain)();
};

#endif
