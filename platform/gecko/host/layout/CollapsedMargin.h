// Adjoining vertical margins collapse into one (CSS 2.1, 8.3.1): the largest positive margin
// plus the most negative one. {16, 8} -> 16; {16, -4} -> 12; {-4, -10} -> -10.
#ifndef GECKOHOST_LAYOUT_COLLAPSEDMARGIN_H
#define GECKOHOST_LAYOUT_COLLAPSEDMARGIN_H

#include <algorithm>

namespace geckohost::layout {

class CollapsedMargin {
 public:
  CollapsedMargin() = default;
  explicit CollapsedMargin(int margin) { add(margin); }

  void add(int margin) {
    if (margin > 0)
      mPositive = std::max(mPositive, margin);
    else
      mNegative = std::min(mNegative, margin);
  }
  void add(const CollapsedMargin& other) {
    mPositive = std::max(mPositive, other.mPositive);
    mNegative = std::min(mNegative, other.mNegative);
  }
  int value() const { return mPositive + mNegative; }

 private:
  int mPositive = 0;
  int mNegative = 0;
};

}  // namespace geckohost::layout

#endif
