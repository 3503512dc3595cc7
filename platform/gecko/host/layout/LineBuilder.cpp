#include "layout/LineBuilder.h"

#include <algorithm>

#include "layout/Box.h"
#include "layout/LayoutEngine.h"
#include "layout/TextMetrics.h"
#include "layout/UsedBoxModel.h"

namespace geckohost::layout {

namespace {

using Kind = InlinePiece::Kind;

bool isContent(const InlinePiece& piece) {
  return piece.kind == Kind::Word || piece.kind == Kind::Atomic || piece.kind == Kind::Break;
}

int marginBoxWidth(const Box& box) {
  return box.margin().left + box.rect().width + box.margin().right;
}

int marginBoxHeight(const Box& box) {
  return box.margin().top + box.rect().height + box.margin().bottom;
}

struct TextInProgress {
  Box* box;
  int left;
  int right;
  std::u16string text;
};

}  // namespace

LineBuilder::LineBuilder(LayoutEngine& engine, const Box& container, int x, int y, int width,
                         std::optional<int> containingHeight)
    : mEngine(engine),
      mContainer(container),
      mX(x),
      mY(y),
      mWidth(width),
      mContainingHeight(containingHeight) {}

int LineBuilder::layout(const std::vector<Box*>& run) {
  for (Box* box : run)
    prepare(*box);
  InlineItems items(run, mWidth, marginBoxWidth);
  std::vector<InlinePiece> pieces = items.pieces();
  breakLines(pieces);
  placePieces(pieces);
  makeFragments(pieces);
  for (Box* box : run)
    finishBoxes(*box);
  int height = 0;
  for (const Line& line : mLines)
    height += line.height;
  return height;
}

void LineBuilder::prepare(Box& box) {
  if (box.isOutOfFlow())
    return;
  box.clearFragments();
  box.setRect(nsRect(mX, mY, 0, 0));
  if (box.kind() == BoxKind::Inline) {
    UsedBoxModel model = UsedBoxModel::resolve(box.style(), mWidth);
    box.setBoxModel(model.margin, model.border, model.padding);
    for (const auto& child : box.children())
      prepare(*child);
  } else if (box.isAtomicInline()) {
    mEngine.layoutAtomic(box, mWidth, mContainingHeight);
  }
}

void LineBuilder::breakLines(const std::vector<InlinePiece>& pieces) {
  mLines.clear();
  size_t begin = 0;
  while (begin < pieces.size()) {
    size_t end = pieces.size();
    int x = 0;
    bool content = false;
    std::optional<size_t> lastOpportunity;
    for (size_t i = begin; i < pieces.size(); ++i) {
      const InlinePiece& piece = pieces[i];
      if (piece.collapsible && !content)
        continue;  // dropped at the start of the line
      bool fitsNot =
          (piece.kind == Kind::Word || piece.kind == Kind::Atomic) && x + piece.width > mWidth;
      if (fitsNot && content && lastOpportunity) {
        end = *lastOpportunity + 1;
        break;
      }
      x += piece.width;
      content = content || isContent(piece);
      if (piece.forcedBreak) {
        end = i + 1;
        break;
      }
      if (piece.breakAfter && content)
        lastOpportunity = i;
    }
    mLines.push_back(Line{begin, end});
    begin = end;
  }
}

void LineBuilder::placePieces(std::vector<InlinePiece>& pieces) {
  mPieceX.assign(pieces.size(), 0);
  mInvisible.assign(pieces.size(), false);
  int top = mY;
  for (Line& line : mLines) {
    // Collapsible spaces before the first content of a line are dropped, those after the last
    // hang: neither takes room nor shows.
    bool content = false;
    for (size_t i = line.begin; i < line.end; ++i) {
      if (pieces[i].collapsible && !content)
        mInvisible[i] = true;
      content = content || isContent(pieces[i]);
    }
    for (size_t i = line.end; i > line.begin; --i) {
      if (isContent(pieces[i - 1]))
        break;
      if (pieces[i - 1].collapsible)
        mInvisible[i - 1] = true;
    }
    int x = mX;
    for (size_t i = line.begin; i < line.end; ++i) {
      mPieceX[i] = x;
      if (!mInvisible[i])
        x += pieces[i].width;
    }
    line.contentEnd = x;
    line.top = top;
    measureLine(line, pieces);
    top += line.height;
  }
}

void LineBuilder::measureLine(Line& line, const std::vector<InlinePiece>& pieces) {
  bool hasText = false;
  int ascent = 0;
  for (size_t i = line.begin; i < line.end; ++i) {
    const InlinePiece& piece = pieces[i];
    if (mInvisible[i])
      continue;
    if (piece.kind == Kind::Word || piece.kind == Kind::Space || piece.kind == Kind::Break)
      hasText = true;
    else if (piece.kind == Kind::Atomic)
      ascent = std::max(ascent, marginBoxHeight(*piece.box));
  }
  if (hasText)
    ascent = std::max(ascent, TextMetrics::kAscent);
  line.baseline = line.top + ascent;
  line.height = ascent + (hasText ? TextMetrics::kDescent : 0);
}

void LineBuilder::makeFragments(const std::vector<InlinePiece>& pieces) {
  std::vector<Box*> continuing;  // inline boxes still open at the end of the previous line
  for (const Line& line : mLines) {
    auto inlineFragment = [&line](Box& box, int left, int right) {
      nsRect rect(left, line.top, std::max(0, right - left), 0);
      if (line.height > 0) {
        rect.y = line.baseline - TextMetrics::kAscent - box.padding().top - box.border().top;
        rect.height = TextMetrics::kLineHeight + box.padding().vertical() + box.border().vertical();
      }
      box.addFragment(Fragment{rect, u""});
    };
    std::vector<std::pair<Box*, int>> open;
    for (Box* box : continuing)
      open.emplace_back(box, mX);
    std::vector<TextInProgress> texts;

    for (size_t i = line.begin; i < line.end; ++i) {
      const InlinePiece& piece = pieces[i];
      int x = mPieceX[i];
      switch (piece.kind) {
        case Kind::Word:
        case Kind::Space:
          if (mInvisible[i])
            break;
          if (texts.empty() || texts.back().box != piece.box)
            texts.push_back(TextInProgress{piece.box, x, x, u""});
          texts.back().right = x + piece.width;
          texts.back().text += piece.text;
          break;
        case Kind::Open:
          open.emplace_back(piece.box, x + piece.box->margin().left);
          break;
        case Kind::Close: {
          auto found = std::find_if(open.begin(), open.end(),
                                    [&](const auto& entry) { return entry.first == piece.box; });
          if (found != open.end()) {
            inlineFragment(*piece.box, found->second, x + piece.width - piece.box->margin().right);
            open.erase(found);
          }
          break;
        }
        case Kind::Atomic: {
          Box& atomic = *piece.box;
          int targetX = x + atomic.margin().left;
          int targetY = line.baseline - atomic.margin().bottom - atomic.rect().height;
          atomic.translate(targetX - atomic.rect().x, targetY - atomic.rect().y);
          break;
        }
        case Kind::Break:
          if (piece.box->kind() == BoxKind::LineBreak) {
            piece.box->addFragment(Fragment{
                nsRect(x, line.baseline - TextMetrics::kAscent, 0, TextMetrics::kLineHeight), u""});
          }
          break;
        case Kind::Placeholder:
          mEngine.deferOutOfFlow(*piece.box, mContainer, nsPoint(x, line.top));
          break;
      }
    }
    continuing.clear();
    for (auto& [box, left] : open) {
      inlineFragment(*box, left, line.contentEnd);
      continuing.push_back(box);
    }
    for (TextInProgress& text : texts) {
      text.box->addFragment(Fragment{nsRect(text.left, line.baseline - TextMetrics::kAscent,
                                            text.right - text.left, TextMetrics::kLineHeight),
                                     std::move(text.text)});
    }
  }
}

void LineBuilder::finishBoxes(Box& box) {
  if (box.isOutOfFlow())
    return;
  if (box.isAtomicInline()) {
    mEngine.applyRelativeOffset(box, mWidth, mContainingHeight);
    return;
  }
  for (const auto& child : box.children())
    finishBoxes(*child);
  box.unionFragments();
  if (box.kind() == BoxKind::Inline && box.style().isPositioned()) {
    mEngine.placeOutOfFlow(box);
    mEngine.applyRelativeOffset(box, mWidth, mContainingHeight);
  }
}

}  // namespace geckohost::layout
