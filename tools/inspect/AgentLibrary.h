// The product as the agent loads it: dlopen, then the one exported function.
#ifndef TOOLS_INSPECT_AGENTLIBRARY_H
#define TOOLS_INSPECT_AGENTLIBRARY_H

#include <string>

#include "HtmlObject.h"

class AgentLibrary {
 public:
  // Loads libnshtml.so from the lib folder beside the tool's bin folder, or from the build
  // tree. The X display and the install options must be in place first: the library opens
  // its display and reads its options while it loads.
  bool load(std::string& error);

  // A new domain (one reference for the caller), or null before load().
  IHtmlDomain* getHtmlDomain() const;

  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
  IHtmlDomain* (*m_getHtmlDomain)() = nullptr;
};

#endif
