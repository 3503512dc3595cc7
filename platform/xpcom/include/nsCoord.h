// Layout coordinates. Gecko 1.9.2 measures layout in app units, 60 to the CSS pixel.
#ifndef NSCOORD_H
#define NSCOORD_H

#include <cmath>

#include "nscore.h"

typedef PRInt32 nscoord;
#define nscoord_MAX nscoord(1 << 30)
#define nscoord_MIN (-nscoord_MAX)

inline nscoord NSToCoordRound(float aValue) {
  return nscoord(std::floor(aValue + 0.5f));
}
inline PRInt32 NSToIntRound(float aValue) {
  return PRInt32(std::floor(aValue + 0.5f));
}
inline PRInt32 NSToIntFloor(float aValue) {
  return PRInt32(std::floor(aValue));
}
inline PRInt32 NSToIntCeil(float aValue) {
  return PRInt32(std::ceil(aValue));
}

#endif
