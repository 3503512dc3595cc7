#include "layout/ImageSizing.h"

#include <cstdint>

#include "dom/DOMStrings.h"
#include "dom/HTMLInputElement.h"
#include "image/Image.h"
#include "layout/ComputedStyle.h"

namespace geckohost::layout {

namespace {

// `given` x numerator / denominator, to the nearest pixel (halves up).
int scaled(int given, int numerator, int denominator) {
  int64_t twice = int64_t(given) * numerator * 2 + denominator;
  return int(twice / (int64_t(denominator) * 2));
}

bool isImageInput(const dom::Element& element) {
  return element.isHTML(u"input") &&
         static_cast<const dom::HTMLInputElement&>(element).inputType() == dom::InputType::Image;
}

}  // namespace

std::string ImageSizing::sourceUrl(const dom::Element& element) {
  return dom::utf16ToUTF8(element.urlAttribute(u"src"));
}

std::optional<std::u16string> ImageSizing::altTextInPlace(const dom::Element& element,
                                                          const ComputedStyle& style) {
  if (style.width.isPx() && style.height.isPx())
    return std::nullopt;
  return altText(element);
}

std::optional<std::u16string> ImageSizing::altText(const dom::Element& element) {
  if (const std::u16string* alt = element.attributeValue(u"alt"))
    return *alt;
  if (!isImageInput(element))
    return std::nullopt;
  if (const std::u16string* value = element.attributeValue(u"value"))
    return *value;
  return u"Submit Query";
}

nsSize ImageSizing::contentSize(const image::Image* picture, std::optional<int> width,
                                std::optional<int> height) {
  if (!picture)
    return nsSize(width.value_or(kBrokenImageSize), height.value_or(kBrokenImageSize));
  const nsSize natural = picture->naturalSize();
  if (width && !height)
    return nsSize(*width, scaled(*width, natural.height, natural.width));
  if (height && !width)
    return nsSize(scaled(*height, natural.width, natural.height), *height);
  return nsSize(width.value_or(natural.width), height.value_or(natural.height));
}

}  // namespace geckohost::layout
