// Four values, one per side of a box, in CSS order (top, right, bottom, left).
#ifndef GECKOHOST_LAYOUT_SIDES_H
#define GECKOHOST_LAYOUT_SIDES_H

namespace geckohost::layout {

template <class T>
struct Sides {
  T top{};
  T right{};
  T bottom{};
  T left{};

  static Sides all(const T& value) { return Sides{value, value, value, value}; }
  int horizontal() const { return left + right; }
  int vertical() const { return top + bottom; }
  bool operator==(const Sides& other) const {
    return top == other.top && right == other.right && bottom == other.bottom && left == other.left;
  }
  bool operator!=(const Sides& other) const { return !(*this == other); }
};

}  // namespace geckohost::layout

#endif
