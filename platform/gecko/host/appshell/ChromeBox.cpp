#include "ChromeBox.h"

#include <cerrno>
#include <cstdlib>

namespace geckohost {

namespace {

std::optional<int> parseNonNegative(const std::string& text) {
  if (text.empty())
    return std::nullopt;
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || value < 0 || value > 1000000)
    return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

void ChromeBox::setAttribute(const std::string& name, const std::string& value) {
  if (name == "id") {
    id = value;
  } else if (name == "width") {
    if (auto parsed = parseNonNegative(value))
      width = parsed;
  } else if (name == "height") {
    if (auto parsed = parseNonNegative(value))
      height = parsed;
  } else if (name == "flex") {
    if (auto parsed = parseNonNegative(value))
      flex = *parsed;
  } else if (name == "hidden") {
    hidden = value == "true";
  } else if (name == "collapsed") {
    collapsed = value == "true";
  } else if (name == "selectedIndex") {
    if (auto parsed = parseNonNegative(value))
      selectedIndex = *parsed;
  } else if (name == "orient") {
    if (value == "horizontal")
      orient = Orient::Horizontal;
    if (value == "vertical")
      orient = Orient::Vertical;
  }
}

const ChromeBox* ChromeBox::findById(const std::string& wanted) const {
  if (id == wanted)
    return this;
  for (const ChromeBox& child : children) {
    if (const ChromeBox* found = child.findById(wanted))
      return found;
  }
  return nullptr;
}

const ChromeBox* ChromeBox::findBySource(const void* element) const {
  if (!element)
    return nullptr;
  if (source == element)
    return this;
  for (const ChromeBox& child : children) {
    if (const ChromeBox* found = child.findBySource(element))
      return found;
  }
  return nullptr;
}

}  // namespace geckohost
