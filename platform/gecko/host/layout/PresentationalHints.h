// What HTML attributes say about style, as browsers map them: width and height of images,
// frames, tables and cells; bgcolor; a table's border, cellspacing and cellpadding (the last
// two reaching its cells); an iframe's frameborder; a font's color. They apply after the
// user-agent defaults and before the page's style sheets, so any CSS overrides them.
//
//   <table border=1 cellpadding=4>  -> table border 1px outset; its cells 1px inset, padding 4
#ifndef GECKOHOST_LAYOUT_PRESENTATIONALHINTS_H
#define GECKOHOST_LAYOUT_PRESENTATIONALHINTS_H

namespace geckohost::dom {
class Element;
}

namespace geckohost::layout {

struct ComputedStyle;

class PresentationalHints {
 public:
  static void apply(const dom::Element& element, ComputedStyle& style);
};

}  // namespace geckohost::layout

#endif
