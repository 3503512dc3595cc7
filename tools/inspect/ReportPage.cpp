#include "ReportPage.h"

#include <cstdio>
#include <map>

#include "ReportAssets.h"

namespace {

// The template with each {{NAME}} replaced by its value, in one pass over the template, so
// that text put in is never searched for markers itself.
std::string filled(const std::string& page, const std::map<std::string, std::string>& values) {
  std::string out;
  size_t at = 0;
  while (at < page.size()) {
    size_t open = page.find("{{", at);
    size_t close = open == std::string::npos ? open : page.find("}}", open + 2);
    if (close == std::string::npos) {
      out.append(page, at, std::string::npos);
      break;
    }
    auto value = values.find(page.substr(open + 2, close - open - 2));
    out.append(page, at, open - at);
    if (value != values.end()) {
      out += value->second;
    } else {
      out.append(page, open, close + 2 - open);  // not a marker of ours: kept as it is
    }
    at = close + 2;
  }
  return out;
}

}  // namespace

std::string ReportPage::scriptSafeJson(const JsonValue& data) {
  std::string json = data.serializeLine();
  std::string safe;
  safe.reserve(json.size());
  for (char c : json) {
    if (c == '<')
      safe += "\\u003c";
    else
      safe += c;
  }
  return safe;
}

std::string ReportPage::escapeHtml(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string ReportPage::render(const JsonValue& data) {
  const JsonValue* title = data.member("title");
  std::string heading = "nshtml-inspect report";
  if (title && !title->text().empty())
    heading += ": " + title->text();
  return filled(ReportAssets::html, {{"TITLE", escapeHtml(heading)},
                                     {"STYLE", ReportAssets::style},
                                     {"DATA", scriptSafeJson(data)},
                                     {"SCRIPT", ReportAssets::script}});
}

bool ReportPage::write(const JsonValue& data, const std::string& file, std::string& error) {
  std::string page = render(data);
  FILE* out = fopen(file.c_str(), "wb");
  bool written = out && fwrite(page.data(), 1, page.size(), out) == page.size();
  if (out && fclose(out) != 0)
    written = false;
  if (!written)
    error = "cannot write " + file;
  return written;
}
