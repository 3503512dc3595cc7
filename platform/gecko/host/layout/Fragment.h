// One line's piece of an inline box or a text node: its rectangle (CSS pixels, canvas
// coordinates) and, for text, the characters shown there after white space was collapsed.
#ifndef GECKOHOST_LAYOUT_FRAGMENT_H
#define GECKOHOST_LAYOUT_FRAGMENT_H

#include <string>

#include "nsRect.h"

namespace geckohost::layout {

struct Fragment {
  nsRect rect;
  std::u16string text;
};

}  // namespace geckohost::layout

#endif
