// The entries of an open drop-down list, read lazily from the select's children one entry
// ahead: options and option groups (by tag, ignoring case), each numbered from 0 among the
// entries; scripts, text and anything else between them are passed over.
#ifndef NATIVE_HTML_GECKO_NSHTMLCOMBOLISTENUMERATOR_H
#define NATIVE_HTML_GECKO_NSHTMLCOMBOLISTENUMERATOR_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"

class CNSHtmlCombolistEnumerator final
    : public CHtmlRefCounted<CNSHtmlCombolistEnumerator, IHtmlEnumerator> {
 public:
  // Adopts `selectChildren` (the select's own children enumerator; may be null).
  explicit CNSHtmlCombolistEnumerator(IHtmlEnumerator* selectChildren);

  // IHtmlEnumerator
  // A new item for the entry fetched ahead; past the end, an item without an element.
  IHtmlObject* nextElement() override;
  bool hasMoreElements() override { return m_next != nullptr; }

 private:
  // The next option or option group among the select's children; null when they run out.
  IHtmlElement* fetchEntry();

  CHtmlObjectPtr<IHtmlEnumerator> m_children;
  int m_index = 0;
  CHtmlObjectPtr<IHtmlElement> m_next;
};

#endif
