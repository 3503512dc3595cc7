#include "layout/InlineItems.h"

#include <algorithm>

#include "layout/Box.h"
#include "layout/TextMetrics.h"
#include "layout/UsedBoxModel.h"

namespace geckohost::layout {

namespace {

bool isCollapsibleSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

using Kind = InlinePiece::Kind;

}  // namespace

InlineItems::InlineItems(const std::vector<Box*>& run, int containingWidth,
                         const AtomicWidth& atomicWidth)
    : mContainingWidth(containingWidth), mAtomicWidth(atomicWidth) {
  for (Box* box : run)
    addBox(*box);
  markBreakOpportunities();
}

bool InlineItems::isCollapsibleWhitespace(const Box& text) {
  if (text.kind() != BoxKind::Text || text.style().whiteSpace == WhiteSpace::Pre)
    return false;
  const std::u16string& data = text.text();
  return std::all_of(data.begin(), data.end(), isCollapsibleSpace);
}

bool InlineItems::hasContent(const std::vector<Box*>& run) {
  return std::any_of(run.begin(), run.end(), [](const Box* box) {
    return !box->isOutOfFlow() && !isCollapsibleWhitespace(*box);
  });
}

void InlineItems::addBox(Box& box) {
  if (box.isOutOfFlow()) {
    mPieces.push_back(InlinePiece(Kind::Placeholder, &box));
    return;
  }
  switch (box.kind()) {
    case BoxKind::Text:
      addText(box);
      return;
    case BoxKind::LineBreak: {
      InlinePiece piece(Kind::Break, &box);
      piece.forcedBreak = piece.breakAfter = true;
      mPieces.push_back(piece);
      mAfterSpace = true;
      return;
    }
    case BoxKind::Inline: {
      UsedBoxModel model = UsedBoxModel::resolve(box.style(), mContainingWidth);
      InlinePiece open(Kind::Open, &box);
      open.width = model.margin.left + model.border.left + model.padding.left;
      mPieces.push_back(open);
      for (const auto& child : box.children())
        addBox(*child);
      InlinePiece close(Kind::Close, &box);
      close.width = model.margin.right + model.border.right + model.padding.right;
      mPieces.push_back(close);
      return;
    }
    default: {
      InlinePiece atomic(Kind::Atomic, &box);
      atomic.width = mAtomicWidth(box);
      mPieces.push_back(atomic);
      mAfterSpace = false;
      return;
    }
  }
}

void InlineItems::addText(Box& text) {
  const std::u16string& data = text.text();
  if (text.style().whiteSpace == WhiteSpace::Pre) {
    addPreservedText(text, data);
    return;
  }
  size_t i = 0;
  while (i < data.size()) {
    if (isCollapsibleSpace(data[i])) {
      while (i < data.size() && isCollapsibleSpace(data[i]))
        ++i;
      if (!mAfterSpace) {
        InlinePiece space(Kind::Space, &text, u" ", TextMetrics::kCharWidth);
        space.collapsible = true;
        mPieces.push_back(space);
        mAfterSpace = true;
      }
      continue;
    }
    size_t start = i;
    while (i < data.size() && !isCollapsibleSpace(data[i]))
      ++i;
    std::u16string word = data.substr(start, i - start);
    int width = TextMetrics::width(word);
    mPieces.push_back(InlinePiece(Kind::Word, &text, std::move(word), width));
    mAfterSpace = false;
  }
}

void InlineItems::addPreservedText(Box& text, const std::u16string& data) {
  size_t start = 0;
  while (start <= data.size()) {
    size_t end = data.find(u'\n', start);
    std::u16string line = data.substr(start, end == std::u16string::npos ? end : end - start);
    std::replace(line.begin(), line.end(), u'\t', u' ');
    if (!line.empty()) {
      int width = TextMetrics::width(line);
      mPieces.push_back(InlinePiece(Kind::Word, &text, std::move(line), width));
    }
    if (end == std::u16string::npos)
      break;
    InlinePiece lineFeed(Kind::Break, &text);
    lineFeed.forcedBreak = lineFeed.breakAfter = true;
    mPieces.push_back(lineFeed);
    start = end + 1;
  }
  mAfterSpace = false;
}

void InlineItems::markBreakOpportunities() {
  auto breakAfterClosesFrom = [this](size_t index) {
    while (index + 1 < mPieces.size() && mPieces[index + 1].kind == Kind::Close)
      ++index;
    mPieces[index].breakAfter = true;
  };
  for (size_t i = 0; i < mPieces.size(); ++i) {
    const InlinePiece& piece = mPieces[i];
    if (piece.kind == Kind::Space && piece.box->style().whiteSpace == WhiteSpace::Normal) {
      breakAfterClosesFrom(i);
    } else if (piece.kind == Kind::Atomic && piece.box->style().whiteSpace == WhiteSpace::Normal) {
      // Before the atomic (and before the elements that open right before it), and after it.
      size_t before = i;
      while (before > 0 && mPieces[before - 1].kind == Kind::Open)
        --before;
      if (before > 0)
        mPieces[before - 1].breakAfter = true;
      breakAfterClosesFrom(i);
    }
  }
}

int InlineItems::trimmedWidth(size_t begin, size_t end) const {
  // Collapsible spaces before the first or after the last real content (a word, an atomic or
  // a break) take no room; the edges of inline elements do not count as content.
  auto isContent = [this](size_t i) {
    Kind kind = mPieces[i].kind;
    return kind == Kind::Word || kind == Kind::Atomic || kind == Kind::Break;
  };
  size_t first = begin;
  while (first < end && !isContent(first))
    ++first;
  size_t last = end;
  while (last > first && !isContent(last - 1))
    --last;
  int width = 0;
  for (size_t i = begin; i < end; ++i) {
    bool outside = i < first || i >= last;
    if (!(outside && mPieces[i].collapsible))
      width += mPieces[i].width;
  }
  return width;
}

int InlineItems::maxContentWidth() const {
  int widest = 0;
  size_t start = 0;
  for (size_t i = 0; i < mPieces.size(); ++i) {
    if (mPieces[i].forcedBreak) {
      widest = std::max(widest, trimmedWidth(start, i + 1));
      start = i + 1;
    }
  }
  return std::max(widest, trimmedWidth(start, mPieces.size()));
}

int InlineItems::minContentWidth() const {
  int widest = 0;
  size_t start = 0;
  for (size_t i = 0; i < mPieces.size(); ++i) {
    if (mPieces[i].breakAfter) {
      widest = std::max(widest, trimmedWidth(start, i + 1));
      start = i + 1;
    }
  }
  return std::max(widest, trimmedWidth(start, mPieces.size()));
}

}  // namespace geckohost::layout
