// Lays out a run of inline-level boxes into line boxes, greedily: a line takes pieces while
// they fit the width and ends at the last break opportunity before the first piece that does
// not (a piece wider than the whole line stands alone and overflows).
//
// A line is as tall as its content needs: text (and <br>) gives it an ascent of 12 and a
// descent of 4; an atomic inline sits with its bottom margin edge on the baseline and raises
// the ascent to its margin-box height. A line without text or atomic inlines (only empty
// inline elements) is 0 pixels high. Text is left-aligned.
//
//   "<div>ab <img width=10 height=30> cd</div>"  one line 34 high: baseline at 30;
//   text fragments 16 high at y 18, the image from y 0 to 30
#ifndef GECKOHOST_LAYOUT_LINEBUILDER_H
#define GECKOHOST_LAYOUT_LINEBUILDER_H

#include <optional>
#include <vector>

#include "layout/InlineItems.h"

namespace geckohost::layout {

class Box;
class LayoutEngine;

class LineBuilder {
 public:
  // Lines start at (x, y) in `container`'s content box and are `width` wide.
  LineBuilder(LayoutEngine& engine, const Box& container, int x, int y, int width,
              std::optional<int> containingHeight);

  // Lays the run out and answers the height of its lines.
  int layout(const std::vector<Box*>& run);

 private:
  struct Line {
    size_t begin;
    size_t end;
    int top = 0;
    int height = 0;
    int baseline = 0;
    int contentEnd = 0;  // x after the last piece that is not hanging
  };

  void prepare(Box& box);
  void breakLines(const std::vector<InlinePiece>& pieces);
  void placePieces(std::vector<InlinePiece>& pieces);
  void measureLine(Line& line, const std::vector<InlinePiece>& pieces);
  void makeFragments(const std::vector<InlinePiece>& pieces);
  void finishBoxes(Box& box);

  LayoutEngine& mEngine;
  const Box& mContainer;
  int mX;
  int mY;
  int mWidth;
  std::optional<int> mContainingHeight;
  std::vector<Line> mLines;
  std::vector<int> mPieceX;      // per piece
  std::vector<bool> mInvisible;  // per piece: a dropped or hanging space
};

}  // namespace geckohost::layout

#endif
