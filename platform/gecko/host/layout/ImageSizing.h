// How images (<img> and image inputs) are laid out; docs/layout.md, "Images", states the rules:
//
// - a picture that decoded gets a replaced box of its natural size; a given width or height
//   (attribute or CSS) replaces its side, and with only one side given the other keeps the
//   picture's aspect ratio, rounded to the nearest pixel;
// - a broken image (no src, not fetched, not decodable) with both sides given in pixels, or
//   without alt text, gets a replaced box of 24 x 24 (Gecko's broken-image box: a 16 pixel
//   icon, 3 pixels of padding and a 1 pixel border a side), given sides replacing its own;
// - any other broken image shows its alt text as an inline box (a block when displayed as
//   one); an image input's alt text falls back to its value, then to "Submit Query".
#ifndef GECKOHOST_LAYOUT_IMAGESIZING_H
#define GECKOHOST_LAYOUT_IMAGESIZING_H

#include <optional>
#include <string>

#include "nsSize.h"

namespace geckohost::dom {
class Element;
}

namespace geckohost::image {
class Image;
}

namespace geckohost::layout {

struct ComputedStyle;

class ImageSizing {
 public:
  // The URL an image element shows: its src resolved against the document; "" without one.
  static std::string sourceUrl(const dom::Element& element);

  // The text a broken image stands for: its alt; for an image input its value, else "Submit
  // Query"; nothing for an img without alt.
  static std::optional<std::u16string> altText(const dom::Element& element);
  // The text a broken image shows instead of a box, or nothing when it keeps a sized box.
  static std::optional<std::u16string> altTextInPlace(const dom::Element& element,
                                                      const ComputedStyle& style);

  // The content size of an image box, `picture` null for a broken image; `width` and
  // `height` are the sides given (CSS or attributes), nothing for auto.
  static nsSize contentSize(const image::Image* picture, std::optional<int> width,
                            std::optional<int> height);

  static constexpr int kBrokenImageSize = 24;
};

}  // namespace geckohost::layout

#endif
