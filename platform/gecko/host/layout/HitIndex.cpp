#include "layout/HitIndex.h"

#include <algorithm>
#include <optional>

#include "layout/Box.h"
#include "layout/ScrollGeometry.h"

namespace geckohost::layout {

namespace {

constexpr int kMinBandHeight = 32;
constexpr int64_t kMaxBands = 1 << 16;  // a page miles high gets taller bands, not more

bool isHittable(const Box& box) {
  return box.kind() != BoxKind::Viewport && box.hasGeometry() &&
         box.style().visibility != Visibility::Hidden;
}

bool hitsByFragments(const Box& box) {
  return box.kind() == BoxKind::Text || box.kind() == BoxKind::Inline ||
         box.kind() == BoxKind::LineBreak;
}

}  // namespace

HitIndex::HitIndex(const std::vector<Box*>& paintOrder) {
  for (Box* box : paintOrder) {
    if (isHittable(*box))
      addAreasOf(*box);
  }
  fileInBands();
}

void HitIndex::addAreasOf(Box& box) {
  std::optional<nsRect> clip = ScrollGeometry::clipFor(box);
  auto add = [&](const nsRect& canvasRect) {
    nsRect area = ScrollGeometry::toDocument(box, canvasRect);
    if (clip && !area.IntersectRect(area, *clip))
      return;
    if (!area.IsEmpty())
      mAreas.push_back({area, &box});
  };
  if (!hitsByFragments(box)) {
    add(box.rect());
    return;
  }
  for (const Fragment& fragment : box.fragments())
    add(fragment.rect);
}

void HitIndex::fileInBands() {
  if (mAreas.empty())
    return;
  int top = mAreas.front().rect.y;
  int bottom = mAreas.front().rect.YMost();
  for (const Area& area : mAreas) {
    top = std::min(top, area.rect.y);
    bottom = std::max(bottom, area.rect.YMost());
  }
  int64_t extent = int64_t(bottom) - top;
  mTop = top;
  mBandHeight = int(std::max<int64_t>(kMinBandHeight, (extent + kMaxBands - 1) / kMaxBands));
  mBands.resize(size_t((extent + mBandHeight - 1) / mBandHeight));
  for (uint32_t index = 0; index < mAreas.size(); ++index) {
    const nsRect& rect = mAreas[index].rect;
    size_t first = size_t((int64_t(rect.y) - mTop) / mBandHeight);
    size_t last = size_t((int64_t(rect.YMost()) - 1 - mTop) / mBandHeight);
    for (size_t band = first; band <= last; ++band)
      mBands[band].push_back(index);
  }
}

Box* HitIndex::boxAt(nsPoint point) const {
  int64_t offset = int64_t(point.y) - mTop;
  if (offset < 0 || offset >= int64_t(mBands.size()) * mBandHeight)
    return nullptr;
  const std::vector<uint32_t>& band = mBands[size_t(offset / mBandHeight)];
  for (auto it = band.rbegin(); it != band.rend(); ++it) {
    if (mAreas[*it].rect.Contains(point.x, point.y))
      return mAreas[*it].box;
  }
  return nullptr;
}

}  // namespace geckohost::layout
