#include "NSHtmlDialogControlEnumerator.h"

IHtmlObject* CNSHtmlDialogControlEnumerator::nextElement() {
  int position = m_position++;
  if (position < 0 || position >= static_cast<int>(m_controls.size()))
    return nullptr;
  IHtmlElement* control = m_controls[static_cast<size_t>(position)];
  if (control)
    control->addRef();
  return control;
}

void CNSHtmlDialogControlEnumerator::append(IHtmlElement* control) {
  if (control)
    control->addRef();
  m_controls.push_back(CHtmlObjectPtr<IHtmlElement>(control));
}
