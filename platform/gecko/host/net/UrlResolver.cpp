#include "UrlResolver.h"

#include <cctype>
#include <vector>

namespace geckohost {

namespace {

struct Parts {
  std::string scheme;  // without ':'
  bool hasAuthority = false;
  std::string authority;
  std::string path;
  bool hasQuery = false;
  std::string query;
  bool hasFragment = false;
  std::string fragment;
};

size_t schemeLength(const std::string& url) {
  if (url.empty() || !std::isalpha(static_cast<unsigned char>(url[0])))
    return 0;
  for (size_t i = 1; i < url.size(); ++i) {
    char c = url[i];
    if (c == ':')
      return i;
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
      break;
  }
  return 0;
}

Parts split(const std::string& url) {
  Parts parts;
  std::string rest = url;
  size_t hash = rest.find('#');
  if (hash != std::string::npos) {
    parts.hasFragment = true;
    parts.fragment = rest.substr(hash + 1);
    rest.erase(hash);
  }
  size_t question = rest.find('?');
  if (question != std::string::npos) {
    parts.hasQuery = true;
    parts.query = rest.substr(question + 1);
    rest.erase(question);
  }
  if (size_t length = schemeLength(rest)) {
    parts.scheme = rest.substr(0, length);
    rest.erase(0, length + 1);
  }
  if (rest.compare(0, 2, "//") == 0) {
    size_t end = rest.find('/', 2);
    parts.hasAuthority = true;
    parts.authority = rest.substr(2, end == std::string::npos ? std::string::npos : end - 2);
    rest = end == std::string::npos ? std::string() : rest.substr(end);
  }
  parts.path = rest;
  return parts;
}

// RFC 3986, 5.2.4: "/a/b/../c/./d" → "/a/c/d".
std::string removeDotSegments(const std::string& path) {
  std::vector<std::string> segments;
  bool absolute = !path.empty() && path[0] == '/';
  size_t start = absolute ? 1 : 0;
  bool trailingSlash = false;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    std::string segment = path.substr(start, end == std::string::npos ? end : end - start);
    bool last = end == std::string::npos;
    if (segment == "..") {
      if (!segments.empty())
        segments.pop_back();
      trailingSlash = last;
    } else if (segment == ".") {
      trailingSlash = last;
    } else {
      segments.push_back(segment);
      trailingSlash = false;
    }
    if (last)
      break;
    start = end + 1;
  }
  std::string result = absolute ? "/" : "";
  for (size_t i = 0; i < segments.size(); ++i) {
    if (i > 0)
      result += '/';
    result += segments[i];
  }
  if (trailingSlash && !segments.empty())
    result += '/';
  return result;
}

std::string merge(const Parts& base, const std::string& referencePath) {
  if (base.hasAuthority && base.path.empty())
    return "/" + referencePath;
  size_t slash = base.path.rfind('/');
  if (slash == std::string::npos)
    return referencePath;
  return base.path.substr(0, slash + 1) + referencePath;
}

std::string join(const Parts& parts) {
  std::string url;
  if (!parts.scheme.empty())
    url += parts.scheme + ":";
  if (parts.hasAuthority)
    url += "//" + parts.authority;
  url += parts.path;
  if (parts.hasQuery)
    url += "?" + parts.query;
  if (parts.hasFragment)
    url += "#" + parts.fragment;
  return url;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string UrlResolver::resolve(const std::string& base, const std::string& reference) {
  Parts ref = split(reference);
  Parts baseParts = split(base);
  Parts target;
  if (!ref.scheme.empty() || baseParts.scheme.empty()) {
    target = ref;
    target.path = removeDotSegments(ref.path);
    return join(target);
  }
  target.scheme = baseParts.scheme;
  if (ref.hasAuthority) {
    target.hasAuthority = true;
    target.authority = ref.authority;
    target.path = removeDotSegments(ref.path);
    target.hasQuery = ref.hasQuery;
    target.query = ref.query;
  } else {
    target.hasAuthority = baseParts.hasAuthority;
    target.authority = baseParts.authority;
    if (ref.path.empty()) {
      target.path = baseParts.path;
      target.hasQuery = ref.hasQuery || baseParts.hasQuery;
      target.query = ref.hasQuery ? ref.query : baseParts.query;
    } else {
      target.path = removeDotSegments(ref.path[0] == '/' ? ref.path : merge(baseParts, ref.path));
      target.hasQuery = ref.hasQuery;
      target.query = ref.query;
    }
  }
  target.hasFragment = ref.hasFragment;
  target.fragment = ref.fragment;
  return join(target);
}

std::string UrlResolver::withoutFragment(const std::string& url) {
  return url.substr(0, url.find('#'));
}

std::string UrlResolver::scheme(const std::string& url) {
  std::string result = url.substr(0, schemeLength(url));
  for (char& c : result)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

std::string UrlResolver::filePath(const std::string& url) {
  if (scheme(url) != "file")
    return {};
  Parts parts = split(url);
  if (parts.hasAuthority && !parts.authority.empty() && parts.authority != "localhost") {
    return {};
  }
  std::string path;
  for (size_t i = 0; i < parts.path.size(); ++i) {
    if (parts.path[i] == '%' && i + 2 < parts.path.size() && hexValue(parts.path[i + 1]) >= 0 &&
        hexValue(parts.path[i + 2]) >= 0) {
      path.push_back(
          static_cast<char>(hexValue(parts.path[i + 1]) * 16 + hexValue(parts.path[i + 2])));
      i += 2;
    } else {
      path.push_back(parts.path[i]);
    }
  }
  return path;
}

}  // namespace geckohost
