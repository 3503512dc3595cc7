// The inline content of a block container, flattened into pieces the line breaker places one
// after the other: words and spaces of text, the edges of inline elements (their horizontal
// margin, border and padding), atomic inlines, forced breaks, and placeholders for absolutely
// positioned boxes (which take no room but need a static position).
//
// White space (space, tab, line feed, carriage return, form feed) collapses as CSS says for
// white-space:normal and nowrap: a run becomes one space, and a space after a space (also
// across element and text node boundaries) disappears. With white-space:pre every character
// stays, each line feed is a forced break and a tab counts as one space.
//
// A line may break after a collapsible space (white-space:normal), before and after an atomic
// inline in white-space:normal, and must break after <br> or a preserved line feed. The break
// after a space moves past the edges of inline elements that close right after it, so
// "<b>a </b>c" breaks as "<b>a </b>" | "c".
#ifndef GECKOHOST_LAYOUT_INLINEITEMS_H
#define GECKOHOST_LAYOUT_INLINEITEMS_H

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace geckohost::layout {

class Box;

struct InlinePiece {
  enum class Kind : unsigned char { Word, Space, Open, Close, Atomic, Break, Placeholder };

  InlinePiece(Kind pieceKind, Box* pieceBox, std::u16string pieceText = {}, int pieceWidth = 0)
      : kind(pieceKind), box(pieceBox), text(std::move(pieceText)), width(pieceWidth) {}

  Kind kind;
  Box* box;             // weak: the text, inline, atomic, br or out-of-flow box
  std::u16string text;  // Word and Space
  int width = 0;
  bool collapsible = false;  // a Space that line starts drop and line ends leave hanging
  bool breakAfter = false;   // a line may end after this piece
  bool forcedBreak = false;  // a line must end after this piece
};

class InlineItems {
 public:
  // The margin-box width an atomic inline takes on a line.
  using AtomicWidth = std::function<int(const Box&)>;

  // `containingWidth` resolves percentage margins and paddings of inline elements.
  InlineItems(const std::vector<Box*>& run, int containingWidth, const AtomicWidth& atomicWidth);

  const std::vector<InlinePiece>& pieces() const { return mPieces; }

  // The widest line when lines end only where they must (the max-content width), and the widest
  // stretch between two break opportunities (the min-content width).
  int maxContentWidth() const;
  int minContentWidth() const;

  // Whether a text box holds only white space that collapses away (between blocks, say).
  static bool isCollapsibleWhitespace(const Box& text);
  // Whether a run of inline-level boxes holds anything but collapsible white space and
  // out-of-flow boxes: such a run makes lines even if they are empty.
  static bool hasContent(const std::vector<Box*>& run);

 private:
  void addBox(Box& box);
  void addText(Box& text);
  void addPreservedText(Box& text, const std::u16string& data);
  void markBreakOpportunities();
  // Width of pieces [begin, end) without the collapsible spaces at either end.
  int trimmedWidth(size_t begin, size_t end) const;

  int mContainingWidth;
  AtomicWidth mAtomicWidth;
  std::vector<InlinePiece> mPieces;
  bool mAfterSpace = true;  // a collapsible space here would follow another (or start the run)
};

}  // namespace geckohost::layout

#endif
