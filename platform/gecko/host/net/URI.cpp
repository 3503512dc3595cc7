#include "net/URI.h"

#include <cctype>
#include <vector>

namespace geckohost::net {

namespace {

// The parts of a reference as RFC 3986 appendix B splits them; "has" flags tell empty from
// missing ("http://h/?" has an empty query, "http://h/" none).
struct Reference {
  bool hasScheme = false;
  std::string scheme;
  bool hasAuthority = false;
  std::string authority;
  std::string path;
  bool hasQuery = false;
  std::string query;
  bool hasRef = false;
  std::string ref;
};

bool isSchemeChar(char c, bool first) {
  if (std::isalpha(static_cast<unsigned char>(c)))
    return true;
  return !first &&
         (std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.');
}

std::string lowerCase(std::string text) {
  for (char& c : text)
    c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

Reference split(std::string_view text) {
  Reference out;
  size_t colon = text.find(':');
  size_t firstDelimiter = text.find_first_of("/?#");
  if (colon != std::string_view::npos && colon > 0 && colon < firstDelimiter) {
    bool valid = true;
    for (size_t i = 0; i < colon && valid; ++i)
      valid = isSchemeChar(text[i], i == 0);
    if (valid) {
      out.hasScheme = true;
      out.scheme = lowerCase(std::string(text.substr(0, colon)));
      text.remove_prefix(colon + 1);
    }
  }
  if (size_t hash = text.find('#'); hash != std::string_view::npos) {
    out.hasRef = true;
    out.ref = text.substr(hash + 1);
    text = text.substr(0, hash);
  }
  if (size_t question = text.find('?'); question != std::string_view::npos) {
    out.hasQuery = true;
    out.query = text.substr(question + 1);
    text = text.substr(0, question);
  }
  if (text.substr(0, 2) == "//") {
    out.hasAuthority = true;
    text.remove_prefix(2);
    size_t slash = text.find('/');
    out.authority = text.substr(0, slash);
    text = slash == std::string_view::npos ? std::string_view() : text.substr(slash);
  }
  out.path = text;
  return out;
}

// RFC 3986 section 5.2.4: "/a/b/../c/./d" -> "/a/c/d".
std::string removeDotSegments(std::string_view input) {
  std::vector<std::string_view> segments;
  bool absolute = !input.empty() && input[0] == '/';
  if (absolute)
    input.remove_prefix(1);
  bool trailingSlash = false;
  while (true) {
    size_t slash = input.find('/');
    std::string_view segment = input.substr(0, slash);
    bool last = slash == std::string_view::npos;
    if (segment == "..") {
      if (!segments.empty())
        segments.pop_back();
      trailingSlash = true;
    } else if (segment == ".") {
      trailingSlash = true;
    } else {
      segments.push_back(segment);
      trailingSlash = false;
    }
    if (last)
      break;
    input.remove_prefix(slash + 1);
  }
  std::string out = absolute ? "/" : "";
  for (size_t i = 0; i < segments.size(); ++i) {
    if (i > 0)
      out += '/';
    out += segments[i];
  }
  if (trailingSlash && !segments.empty() && !segments.back().empty())
    out += '/';
  return out;
}

// Percent-encodes what may not appear raw in a URL: controls, space, non-ASCII bytes (the
// UTF-8 of the text) and the characters that would end an attribute or a tag.
std::string escape(std::string_view text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char ch : text) {
    auto c = static_cast<unsigned char>(ch);
    if (c <= 0x20 || c >= 0x7F || c == '"' || c == '<' || c == '>' || c == '`') {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += ch;
    }
  }
  return out;
}

// Drops surrounding white space and control characters, and tabs and line breaks inside.
std::string cleanReference(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= 0x20)
    text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20)
    text.remove_suffix(1);
  std::string out;
  for (char c : text) {
    if (c != '\t' && c != '\n' && c != '\r')
      out += c;
  }
  return out;
}

int defaultPort(std::string_view scheme) {
  if (scheme == "http")
    return 80;
  if (scheme == "https")
    return 443;
  if (scheme == "ftp")
    return 21;
  return -1;
}

// RFC 3986 section 5.2.3: the reference's path below the base's directory.
std::string mergePaths(bool baseHasAuthority, const std::string& basePath,
                       const std::string& path) {
  if (baseHasAuthority && basePath.empty())
    return "/" + path;
  size_t slash = basePath.rfind('/');
  if (slash == std::string::npos)
    return path;
  return basePath.substr(0, slash + 1) + path;
}

}  // namespace

std::optional<URI> URI::parse(std::string_view text) {
  Reference parts = split(cleanReference(text));
  if (!parts.hasScheme)
    return std::nullopt;
  URI uri;
  uri.mScheme = parts.scheme;
  uri.mHasAuthority = parts.hasAuthority;
  std::string_view authority = parts.authority;
  if (size_t at = authority.rfind('@'); at != std::string_view::npos) {
    uri.mUserInfo = authority.substr(0, at);
    authority.remove_prefix(at + 1);
  }
  size_t colon = authority.rfind(':');
  if (colon != std::string_view::npos && authority.find(']', colon) == std::string_view::npos) {
    std::string_view digits = authority.substr(colon + 1);
    authority = authority.substr(0, colon);
    if (!digits.empty()) {
      int port = 0;
      for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
          return std::nullopt;
        port = port * 10 + (c - '0');
        if (port > 65535)
          return std::nullopt;
      }
      uri.mPort = port;
    }
  }
  uri.mHost = lowerCase(std::string(authority));
  uri.mPath = parts.path;
  uri.mHasQuery = parts.hasQuery;
  uri.mQuery = parts.query;
  uri.mHasRef = parts.hasRef;
  uri.mRef = parts.ref;
  uri.normalise();
  return uri;
}

void URI::normalise() {
  if (mPort == defaultPort(mScheme))
    mPort = -1;
  if (mHasAuthority && mPath.empty())
    mPath = "/";
  if (isHierarchical())
    mPath = removeDotSegments(mPath);
  mPath = escape(mPath);
  mQuery = escape(mQuery);
  mRef = escape(mRef);
  rebuildSpec();
}

void URI::rebuildSpec() {
  mSpec = prePath() + path();
}

std::string URI::hostPort() const {
  return mPort < 0 ? mHost : mHost + ":" + std::to_string(mPort);
}

std::string URI::prePath() const {
  std::string out = mScheme + ":";
  if (!mHasAuthority)
    return out;
  out += "//";
  if (!mUserInfo.empty())
    out += mUserInfo + "@";
  return out + hostPort();
}

std::string URI::path() const {
  std::string out = mPath;
  if (mHasQuery)
    out += "?" + mQuery;
  if (mHasRef)
    out += "#" + mRef;
  return out;
}

URI URI::withoutRef() const {
  URI copy = *this;
  copy.mHasRef = false;
  copy.mRef.clear();
  copy.rebuildSpec();
  return copy;
}

std::optional<URI> URI::resolve(std::string_view reference) const {
  std::string cleaned = cleanReference(reference);
  Reference ref = split(cleaned);
  bool sameSchemeRelative =
      ref.hasScheme && ref.scheme == mScheme && !ref.hasAuthority && isHierarchical();
  if (ref.hasScheme && !sameSchemeRelative)
    return parse(cleaned);
  if (!isHierarchical())
    return std::nullopt;

  URI target = *this;
  target.mHasQuery = ref.hasQuery;
  target.mQuery = ref.query;
  target.mHasRef = ref.hasRef;
  target.mRef = ref.ref;
  if (ref.hasAuthority) {
    std::string rebuilt = mScheme + "://" + ref.authority + ref.path;
    if (ref.hasQuery)
      rebuilt += "?" + ref.query;
    if (ref.hasRef)
      rebuilt += "#" + ref.ref;
    return parse(rebuilt);
  }
  if (ref.path.empty()) {
    if (!ref.hasQuery) {
      target.mHasQuery = mHasQuery;
      target.mQuery = mQuery;
    }
  } else if (ref.path[0] == '/') {
    target.mPath = ref.path;
  } else {
    target.mPath = mergePaths(mHasAuthority, mPath, ref.path);
  }
  target.normalise();
  return target;
}

}  // namespace geckohost::net
