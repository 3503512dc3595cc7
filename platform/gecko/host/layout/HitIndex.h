// The areas hit-testing looks at, worked out once per layout: every hittable box's border box
// (or, for text, inline boxes and <br>, its fragments) in document coordinates and cut to its
// clip, kept in paint order and filed in horizontal bands, so that a hit-test scans only the
// areas of the band under the point, front to back, instead of every box of the page with its
// ancestors' clips and scroll offsets worked out again for each.
//
// It answers what HitTester::boxAt answers over the same paint order. It must be rebuilt when
// the boxes change (a layout) or any scroll container scrolls (document coordinates move).
//
//   HitIndex index(PaintOrder::of(viewport));
//   Box* box = index.boxAt(nsPoint(50, 10));   // null when no box is there
#ifndef GECKOHOST_LAYOUT_HITINDEX_H
#define GECKOHOST_LAYOUT_HITINDEX_H

#include <cstdint>
#include <vector>

#include "nsPoint.h"
#include "nsRect.h"

namespace geckohost::layout {

class Box;

class HitIndex {
 public:
  explicit HitIndex(const std::vector<Box*>& paintOrder);

  // `point` in document coordinates; the frontmost box there, or null.
  Box* boxAt(nsPoint point) const;

 private:
  struct Area {
    nsRect rect;  // document coordinates, clipped
    Box* box;     // weak: valid until the next layout
  };

  void addAreasOf(Box& box);
  void fileInBands();

  std::vector<Area> mAreas;                   // back to front
  std::vector<std::vector<uint32_t>> mBands;  // per band: indexes into mAreas, ascending
  int mTop = 0;                               // document y where band 0 starts
  int mBandHeight = 32;
};

}  // namespace geckohost::layout

#endif
