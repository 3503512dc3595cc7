// Lays out a table: captions on top, then the grid.
//
// Columns. Every cell is measured (its min and max content widths plus its padding and
// border; a pixel width on a cell replaces its max but never goes below its min). A column
// takes the largest min and max of the cells that sit in it alone; a cell spanning columns
// then spreads what they lack equally over them (the remainder going to the last).
//
// Width. A table with a width (attribute or CSS, px or % of the containing block, counted as
// the grid's border box) takes it, but never less than its columns' minimum; otherwise it takes
// the sum of the max widths, or the room available when that is less, but never less than the
// minimum. Extra room goes to the columns equally (remainder to the last); a shortfall is taken
// from each column in proportion to how far its max exceeds its min (remainder to the last).
//
// Rows. A row is as tall as its tallest single-row cell (or its own pixel height); a cell
// spanning rows adds what they lack to the last of them. A pixel height on the table adds what
// its rows lack to the last row. Cells stretch to their rows; their content is centred
// vertically (the offset rounds down).
//
// Spacing (border-spacing / cellspacing, 2 by default) separates the cells from each other and
// from the grid's padding edge; rows and row groups span from the first to the last column.
//
// Offsets: the grid box carries the table's border and padding and is the offset parent's box
// for the cells; the wrapper carries the margins.
#ifndef GECKOHOST_LAYOUT_TABLELAYOUT_H
#define GECKOHOST_LAYOUT_TABLELAYOUT_H

#include <optional>
#include <vector>

#include "layout/CollapsedMargin.h"
#include "layout/IntrinsicWidths.h"

namespace geckohost::layout {

class Box;
class LayoutEngine;

class TableLayout {
 public:
  TableLayout(LayoutEngine& engine, Box& wrapper);

  // Lays the table out with its left margin edge at x and its top border edge at y, in a
  // containing block `availableWidth` wide. Answers its bottom margin.
  CollapsedMargin layout(int x, int y, int availableWidth, std::optional<int> containingHeight);

  // The grid's border-box widths (the wrapper is as wide as the grid).
  static IntrinsicWidths intrinsicWidths(const Box& wrapper);

  // Shares `width` among columns with these min and max widths (see above).
  static std::vector<int> distribute(const std::vector<IntrinsicWidths>& columns, int width);

 private:
  struct Cell {
    Box* box;
    int row;
    int column;
    int rowSpan;
    int columnSpan;
  };
  struct Grid {
    Box* box = nullptr;
    std::vector<Box*> rows;
    std::vector<Cell> cells;
    int columns = 0;
  };

  static Grid buildGrid(const Box& wrapper);
  static std::vector<IntrinsicWidths> columnWidths(const Grid& grid, int spacing);
  static IntrinsicWidths cellWidths(const Box& cell);
  int layoutCaptions(int x, int y, int width, std::optional<int> containingHeight);
  std::vector<int> rowHeights(const Grid& grid, const std::vector<int>& cellHeights,
                              int spacing) const;

  LayoutEngine& mEngine;
  Box& mWrapper;
};

}  // namespace geckohost::layout

#endif
