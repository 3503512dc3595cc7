// A CSS length as layout keeps it: auto, whole CSS pixels, or a percentage of a base that is
// known only at layout time (the containing block's width or height).
//
//   Length::percent(50).resolve(300) -> 150;  Length::px(12).resolve(300) -> 12
#ifndef GECKOHOST_LAYOUT_LENGTH_H
#define GECKOHOST_LAYOUT_LENGTH_H

#include <cmath>

namespace geckohost::layout {

class Length {
 public:
  enum class Unit : unsigned char { Auto, Px, Percent };

  Length() = default;
  static Length px(int value) { return Length(Unit::Px, float(value)); }
  static Length percent(float value) { return Length(Unit::Percent, value); }
  static Length autoLength() { return Length(); }

  Unit unit() const { return mUnit; }
  bool isAuto() const { return mUnit == Unit::Auto; }
  bool isPercent() const { return mUnit == Unit::Percent; }
  bool isPx() const { return mUnit == Unit::Px; }
  float value() const { return mValue; }

  // Pixels against `base`; percentages round down (33% of 100 -> 33), auto gives 0.
  int resolve(int base) const {
    switch (mUnit) {
      case Unit::Px:
        return int(mValue);
      case Unit::Percent:
        return int(std::floor(base * mValue / 100.0f));
      case Unit::Auto:
        break;
    }
    return 0;
  }

  bool operator==(const Length& other) const {
    return mUnit == other.mUnit && mValue == other.mValue;
  }

 private:
  Length(Unit unit, float value) : mUnit(unit), mValue(value) {}

  Unit mUnit = Unit::Auto;
  float mValue = 0;
};

}  // namespace geckohost::layout

#endif
