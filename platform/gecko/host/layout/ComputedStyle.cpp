#include "layout/ComputedStyle.h"

namespace geckohost::layout {

Sides<int> ComputedStyle::usedBorder() const {
  auto side = [](int sideWidth, BorderStyle sideStyle) {
    return sideStyle == BorderStyle::None ? 0 : sideWidth;
  };
  return Sides<int>{
      side(borderWidth.top, borderStyle.top), side(borderWidth.right, borderStyle.right),
      side(borderWidth.bottom, borderStyle.bottom), side(borderWidth.left, borderStyle.left)};
}

ComputedStyle ComputedStyle::inheritedBy() const {
  ComputedStyle child;
  child.color = color;
  child.whiteSpace = whiteSpace;
  child.visibility = visibility;
  return child;
}

}  // namespace geckohost::layout
