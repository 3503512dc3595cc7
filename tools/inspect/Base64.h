// Base64 (RFC 4648, with padding), for pictures embedded in a page as data: URLs.
//
//   Base64::encode({'M', 'a'}) == "TWE="
#ifndef TOOLS_INSPECT_BASE64_H
#define TOOLS_INSPECT_BASE64_H

#include <string>
#include <vector>

class Base64 {
 public:
  static std::string encode(const std::vector<unsigned char>& bytes);
};

#endif
