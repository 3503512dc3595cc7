// <thead>, <tbody>, <tfoot>: a group of rows.
#ifndef GECKOHOST_DOM_HTMLTABLESECTIONELEMENT_H
#define GECKOHOST_DOM_HTMLTABLESECTIONELEMENT_H

#include "dom/HTMLElement.h"

namespace geckohost::dom {

class HTMLTableRowElement;

class HTMLTableSectionElement final : public HTMLElement {
 public:
  HTMLTableSectionElement(Document& document, std::u16string_view localName)
      : HTMLElement(document, localName) {}

  // Live list of the row children.
  RefPtr<ElementList> rows();
  // A new row before row `index`, or last for -1 or the row count. IndexSize otherwise.
  RefPtr<HTMLTableRowElement> insertRow(int32_t index, DOMError& error);
  DOMError deleteRow(int32_t index);
};

}  // namespace geckohost::dom

#endif
