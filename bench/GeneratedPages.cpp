#include "GeneratedPages.h"

namespace {

// Each row holds five elements; each table row five (the tr and its four cells).
constexpr int kElementsPerRow = 5;
constexpr int kElementsPerTableRow = 5;

std::string body(int elements) {
  int rows = elements * 3 / 5 / kElementsPerRow;
  int tableRows = elements * 2 / 5 / kElementsPerTableRow;
  std::string markup;
  markup.reserve(size_t(elements) * 48);
  for (int i = 0; i < rows; ++i) {
    std::string n = std::to_string(i);
    std::string id = i == rows / 2 ? "mid" : "s" + n;
    markup += "<div class=row><span id=" + id + ">item " + n + "</span> <a href='#" + n +
              "'>link</a> <b>bold</b><input value=v" + n + "></div>\n";
  }
  markup += "<table id=grid border=1>";
  for (int i = 0; i < tableRows; ++i) {
    std::string n = std::to_string(i);
    markup += "<tr><td>" + n + "</td><td>a</td><td>b</td><td>c</td></tr>";
  }
  return markup + "</table>";
}

}  // namespace

std::string GeneratedPages::mixed(int elements) {
  return "<html><body>" + body(elements) + "</body></html>";
}

std::string GeneratedPages::withFrame(int elements, const std::string& innerUrl) {
  return "<html><body><iframe id=frame src='" + innerUrl +
         "' style='width:400px; height:300px'></iframe>" + body(elements) + "</body></html>";
}

std::string GeneratedPages::innermost() {
  return "<html><body><span id=deep style='position:absolute; left:10px; top:20px;"
         " width:40px; height:16px'>deep</span></body></html>";
}
