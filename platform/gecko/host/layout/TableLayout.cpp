#include "layout/TableLayout.h"

#include <algorithm>
#include <numeric>

#include "dom/Element.h"
#include "layout/Box.h"
#include "layout/IntrinsicSizer.h"
#include "layout/LayoutEngine.h"
#include "layout/UsedBoxModel.h"

namespace geckohost::layout {

namespace {

constexpr int kMaxSpan = 1000;

Box* gridOf(const Box& wrapper) {
  for (const auto& child : wrapper.children()) {
    if (child->kind() == BoxKind::TableGrid)
      return child.get();
  }
  return nullptr;
}

int spacingTotal(int columns, int spacing) {
  return columns > 0 ? spacing * (columns + 1) : 0;
}

int sumOf(const std::vector<int>& values, size_t begin, size_t end) {
  return std::accumulate(values.begin() + long(begin), values.begin() + long(end), 0);
}

// Spreads `extra` over entries [begin, begin + count): equal shares, the remainder to the last.
void spread(std::vector<int>& values, size_t begin, int count, int extra) {
  for (int i = 0; i < count; ++i)
    values[begin + size_t(i)] += extra / count;
  values[begin + size_t(count) - 1] += extra % count;
}

}  // namespace

TableLayout::TableLayout(LayoutEngine& engine, Box& wrapper) : mEngine(engine), mWrapper(wrapper) {}

TableLayout::Grid TableLayout::buildGrid(const Box& wrapper) {
  Grid grid;
  grid.box = gridOf(wrapper);
  if (!grid.box)
    return grid;
  for (const auto& child : grid.box->children()) {
    if (child->kind() == BoxKind::TableRow) {
      grid.rows.push_back(child.get());
    } else if (child->kind() == BoxKind::TableRowGroup) {
      for (const auto& row : child->children())
        grid.rows.push_back(row.get());
    }
  }
  const int rowCount = int(grid.rows.size());
  std::vector<std::vector<bool>> taken(grid.rows.size());
  auto isTaken = [&](int row, int column) {
    return size_t(column) < taken[size_t(row)].size() && taken[size_t(row)][size_t(column)];
  };
  for (int row = 0; row < rowCount; ++row) {
    int column = 0;
    for (const auto& cell : grid.rows[size_t(row)]->children()) {
      if (cell->kind() != BoxKind::TableCell)
        continue;
      while (isTaken(row, column))
        ++column;
      const dom::Element* element = cell->element();
      int columnSpan = std::clamp(element->intAttribute(u"colspan", 1), 1, kMaxSpan);
      int rowSpan = element->intAttribute(u"rowspan", 1);
      // rowspan=0 reaches to the last row; spans never reach past it.
      rowSpan = rowSpan == 0 ? rowCount - row : std::clamp(rowSpan, 1, rowCount - row);
      for (int r = row; r < row + rowSpan; ++r) {
        auto& line = taken[size_t(r)];
        if (line.size() < size_t(column + columnSpan))
          line.resize(size_t(column + columnSpan), false);
        for (int c = column; c < column + columnSpan; ++c)
          line[size_t(c)] = true;
      }
      grid.cells.push_back(Cell{cell.get(), row, column, rowSpan, columnSpan});
      grid.columns = std::max(grid.columns, column + columnSpan);
      column += columnSpan;
    }
  }
  return grid;
}

IntrinsicWidths TableLayout::cellWidths(const Box& cell) {
  UsedBoxModel model = UsedBoxModel::resolve(cell.style(), 0);
  IntrinsicWidths widths = IntrinsicSizer::contentOf(cell).plus(model.borderPaddingWidth());
  if (cell.style().width.isPx())
    widths.max = std::max(widths.min, cell.style().width.resolve(0) + model.borderPaddingWidth());
  widths.max = std::max(widths.max, widths.min);
  return widths;
}

std::vector<IntrinsicWidths> TableLayout::columnWidths(const Grid& grid, int spacing) {
  std::vector<int> mins(size_t(grid.columns), 0);
  std::vector<int> maxes(size_t(grid.columns), 0);
  std::vector<const Cell*> spanning;
  for (const Cell& cell : grid.cells) {
    if (cell.columnSpan > 1) {
      spanning.push_back(&cell);
      continue;
    }
    IntrinsicWidths widths = cellWidths(*cell.box);
    mins[size_t(cell.column)] = std::max(mins[size_t(cell.column)], widths.min);
    maxes[size_t(cell.column)] = std::max(maxes[size_t(cell.column)], widths.max);
  }
  std::stable_sort(spanning.begin(), spanning.end(),
                   [](const Cell* a, const Cell* b) { return a->columnSpan < b->columnSpan; });
  for (const Cell* cell : spanning) {
    IntrinsicWidths widths = cellWidths(*cell->box);
    size_t begin = size_t(cell->column);
    size_t end = begin + size_t(cell->columnSpan);
    int gaps = spacing * (cell->columnSpan - 1);
    if (int lack = widths.min - (sumOf(mins, begin, end) + gaps); lack > 0)
      spread(mins, begin, cell->columnSpan, lack);
    if (int lack = widths.max - (sumOf(maxes, begin, end) + gaps); lack > 0)
      spread(maxes, begin, cell->columnSpan, lack);
  }
  std::vector<IntrinsicWidths> columns;
  for (size_t c = 0; c < mins.size(); ++c)
    columns.push_back(IntrinsicWidths{mins[c], std::max(mins[c], maxes[c])});
  return columns;
}

std::vector<int> TableLayout::distribute(const std::vector<IntrinsicWidths>& columns, int width) {
  std::vector<int> widths;
  if (columns.empty())
    return widths;
  long long sumMin = 0;
  long long sumMax = 0;
  for (const IntrinsicWidths& column : columns) {
    sumMin += column.min;
    sumMax += column.max;
  }
  const int count = int(columns.size());
  if (width >= sumMax) {
    for (const IntrinsicWidths& column : columns)
      widths.push_back(column.max);
    spread(widths, 0, count, int(width - sumMax));
  } else if (width >= sumMin) {
    long long range = sumMax - sumMin;
    long long room = width - sumMin;
    int used = 0;
    for (const IntrinsicWidths& column : columns) {
      int share = range > 0 ? int(room * (column.max - column.min) / range) : 0;
      widths.push_back(column.min + share);
      used += widths.back();
    }
    widths.back() += width - used;
  } else {
    for (const IntrinsicWidths& column : columns)
      widths.push_back(column.min);
  }
  return widths;
}

IntrinsicWidths TableLayout::intrinsicWidths(const Box& wrapper) {
  Grid grid = buildGrid(wrapper);
  if (!grid.box)
    return IntrinsicWidths{};
  int spacing = grid.box->style().borderSpacing;
  int extra = spacingTotal(grid.columns, spacing) +
              UsedBoxModel::resolve(grid.box->style(), 0).borderPaddingWidth();
  IntrinsicWidths widths;
  for (const IntrinsicWidths& column : columnWidths(grid, spacing)) {
    widths.min += column.min;
    widths.max += column.max;
  }
  widths = widths.plus(extra);
  if (wrapper.style().width.isPx()) {
    int width = std::max(wrapper.style().width.resolve(0), widths.min);
    widths = IntrinsicWidths{width, width};
  }
  return widths;
}

int TableLayout::layoutCaptions(int x, int y, int width, std::optional<int> containingHeight) {
  int cursor = y;
  for (const auto& child : mWrapper.children()) {
    if (child->kind() == BoxKind::TableGrid)
      continue;
    int top = cursor + mEngine.topMarginChain(*child, width).value();
    CollapsedMargin bottom = mEngine.layoutBlockLevel(*child, x, top, width, containingHeight);
    cursor = top + child->rect().height + bottom.value();
  }
  return cursor;
}

std::vector<int> TableLayout::rowHeights(const Grid& grid, const std::vector<int>& cellHeights,
                                         int spacing) const {
  std::vector<int> heights;
  for (Box* row : grid.rows)
    heights.push_back(LayoutEngine::usedHeight(row->style(), std::nullopt).value_or(0));
  for (size_t i = 0; i < grid.cells.size(); ++i) {
    const Cell& cell = grid.cells[i];
    if (cell.rowSpan == 1)
      heights[size_t(cell.row)] = std::max(heights[size_t(cell.row)], cellHeights[i]);
  }
  for (size_t i = 0; i < grid.cells.size(); ++i) {
    const Cell& cell = grid.cells[i];
    if (cell.rowSpan == 1)
      continue;
    size_t begin = size_t(cell.row);
    size_t end = begin + size_t(cell.rowSpan);
    int have = sumOf(heights, begin, end) + spacing * (cell.rowSpan - 1);
    if (cellHeights[i] > have)
      heights[end - 1] += cellHeights[i] - have;
  }
  return heights;
}

CollapsedMargin TableLayout::layout(int x, int y, int availableWidth,
                                    std::optional<int> containingHeight) {
  Grid grid = buildGrid(mWrapper);
  Box& gridBox = *grid.box;
  UsedBoxModel outer = UsedBoxModel::resolve(mWrapper.style(), availableWidth);
  UsedBoxModel inner = UsedBoxModel::resolve(gridBox.style(), availableWidth);
  const int spacing = gridBox.style().borderSpacing;
  const int gaps = spacingTotal(grid.columns, spacing);

  // The grid's width.
  std::vector<IntrinsicWidths> columns = columnWidths(grid, spacing);
  IntrinsicWidths table;
  for (const IntrinsicWidths& column : columns) {
    table.min += column.min;
    table.max += column.max;
  }
  table = table.plus(gaps + inner.borderPaddingWidth());
  int width;
  if (!mWrapper.style().width.isAuto()) {
    width = std::max(mWrapper.style().width.resolve(availableWidth), table.min);
  } else {
    int available = availableWidth - outer.margin.horizontal();
    width = table.max <= available ? table.max : std::max(available, table.min);
  }
  std::vector<int> widths = distribute(columns, width - inner.borderPaddingWidth() - gaps);

  if (outer.autoMarginLeft && outer.autoMarginRight) {
    int free = std::max(0, availableWidth - width);
    outer.margin.left = free / 2;
    outer.margin.right = free - free / 2;
  } else if (outer.autoMarginLeft) {
    outer.margin.left = std::max(0, availableWidth - width - outer.margin.right);
  }
  mWrapper.setBoxModel(outer.margin, {}, {});
  gridBox.setBoxModel({}, inner.border, inner.padding);
  const int left = x + outer.margin.left;
  mWrapper.setRect(nsRect(left, y, width, 0));
  const int gridTop = layoutCaptions(left, y, width, containingHeight);
  const int contentX = left + inner.border.left + inner.padding.left;
  const int contentY = gridTop + inner.border.top + inner.padding.top;

  std::vector<int> columnX;
  for (int c = 0, cursor = contentX + spacing; c < grid.columns; ++c) {
    columnX.push_back(cursor);
    cursor += widths[size_t(c)] + spacing;
  }

  // Cells first at y = 0, to learn their heights; rows follow from them.
  std::vector<int> cellHeights;
  std::vector<int> contentHeights;
  for (const Cell& cell : grid.cells) {
    Box& box = *cell.box;
    UsedBoxModel model = UsedBoxModel::resolve(box.style(), width);
    box.setBoxModel({}, model.border, model.padding);
    int cellWidth = sumOf(widths, size_t(cell.column), size_t(cell.column + cell.columnSpan)) +
                    spacing * (cell.columnSpan - 1);
    mEngine.layoutContainer(box, columnX[size_t(cell.column)], 0,
                            std::max(0, cellWidth - model.borderPaddingWidth()), std::nullopt);
    contentHeights.push_back(box.rect().height - model.borderPaddingHeight());
    int height = box.rect().height;
    if (std::optional<int> fixed = LayoutEngine::usedHeight(box.style(), std::nullopt))
      height = std::max(height, *fixed + model.borderPaddingHeight());
    cellHeights.push_back(height);
  }
  std::vector<int> heights = rowHeights(grid, cellHeights, spacing);
  const int rowCount = int(grid.rows.size());
  int contentHeight =
      rowCount > 0 ? spacing * (rowCount + 1) + sumOf(heights, 0, heights.size()) : 0;
  if (std::optional<int> fixed = LayoutEngine::usedHeight(mWrapper.style(), std::nullopt)) {
    int wanted = *fixed - inner.borderPaddingHeight();
    if (rowCount > 0 && wanted > contentHeight) {
      heights.back() += wanted - contentHeight;
      contentHeight = wanted;
    }
  }

  std::vector<int> rowY;
  for (int r = 0, cursor = contentY + spacing; r < rowCount; ++r) {
    rowY.push_back(cursor);
    cursor += heights[size_t(r)] + spacing;
  }
  const int rowsWidth =
      grid.columns > 0 ? sumOf(widths, 0, widths.size()) + spacing * (grid.columns - 1) : 0;
  for (int r = 0; r < rowCount; ++r) {
    grid.rows[size_t(r)]->setBoxModel({}, {}, {});
    grid.rows[size_t(r)]->setRect(
        nsRect(contentX + spacing, rowY[size_t(r)], rowsWidth, heights[size_t(r)]));
  }
  for (const auto& child : gridBox.children()) {
    if (child->kind() != BoxKind::TableRowGroup)
      continue;
    child->setBoxModel({}, {}, {});
    if (child->children().empty()) {
      child->setRect(nsRect(contentX + spacing, contentY, rowsWidth, 0));
      continue;
    }
    const nsRect& first = child->children().front()->rect();
    const nsRect& last = child->children().back()->rect();
    child->setRect(nsRect(first.x, first.y, rowsWidth, last.YMost() - first.y));
  }
  for (size_t i = 0; i < grid.cells.size(); ++i) {
    const Cell& cell = grid.cells[i];
    Box& box = *cell.box;
    box.translate(0, rowY[size_t(cell.row)] - box.rect().y);
    int height = sumOf(heights, size_t(cell.row), size_t(cell.row + cell.rowSpan)) +
                 spacing * (cell.rowSpan - 1);
    nsRect rect = box.rect();
    int inside = height - box.border().vertical() - box.padding().vertical();
    int offset = std::max(0, (inside - contentHeights[i]) / 2);
    for (const auto& child : box.children())
      child->translate(0, offset);
    box.setRect(nsRect(rect.x, rect.y, rect.width, height));
  }
  gridBox.setRect(nsRect(left, gridTop, width, contentHeight + inner.borderPaddingHeight()));
  mWrapper.setRect(nsRect(left, y, width, gridBox.rect().YMost() - y));
  if (mWrapper.style().isPositioned())
    mEngine.placeOutOfFlow(mWrapper);
  return CollapsedMargin(outer.margin.bottom);
}

}  // namespace geckohost::layout
