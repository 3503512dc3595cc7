#include "NSHtmlFrameSetElement.h"

#include "NSHtmlPropertyValue.h"
#include "nsIDOMHTMLFrameElement.h"
#include "nsIDOMHTMLFrameSetElement.h"
#include "nsIDOMNodeList.h"

namespace {

const unsigned int kBorder = 38;
const unsigned int kLineGetProperty = 80;

nsCOMPtr<nsIDOMHTMLElement> frameOrFrameSet(nsIDOMNodeList* children, PRUint32 index) {
  nsCOMPtr<nsIDOMNode> node;
  children->Item(index, getter_AddRefs(node));
  nsCOMPtr<nsIDOMHTMLFrameElement> frame = do_QueryInterface(node);
  nsCOMPtr<nsIDOMHTMLFrameSetElement> frameSet = do_QueryInterface(node);
  nsCOMPtr<nsIDOMHTMLElement> element;
  if (frame || frameSet)
    element = do_QueryInterface(node);
  return element;
}

}  // namespace

int countChar(nsString_external text, unsigned short c) {
  int count = 0;
  for (PRInt32 at = text.FindChar(c); at >= 0; at = text.FindChar(c, PRUint32(at) + 1))
    ++count;
  return count;
}

bool CNSHtmlFrameSetElement::isFrameSet(nsIDOMHTMLElement* element) {
  nsCOMPtr<nsIDOMHTMLFrameSetElement> frameSet = do_QueryInterface(element);
  return frameSet != nullptr;
}

bool CNSHtmlFrameSetElement::getFrameBorder(int& border) {
  nsCOMPtr<nsIDOMHTMLFrameSetElement> frameSet = do_QueryInterface(m_element);
  nsCOMPtr<nsIDOMNodeList> children;
  if (!frameSet || NS_FAILED(m_element->GetChildNodes(getter_AddRefs(children))) || !children) {
    return false;
  }
  PRUint32 count = 0;
  children->GetLength(&count);
  for (PRUint32 i = 0; i + 1 < count; ++i) {
    nsCOMPtr<nsIDOMHTMLElement> first = frameOrFrameSet(children, i);
    nsCOMPtr<nsIDOMHTMLElement> second = frameOrFrameSet(children, i + 1);
    if (!first || !second)
      continue;
    CHtmlObjectPtr<CNSHtmlElement> left = new CNSHtmlElement(first);
    CHtmlObjectPtr<CNSHtmlElement> right = new CNSHtmlElement(second);
    nsRect a;
    nsRect b;
    left->getBounds(a);
    right->getBounds(b);
    nsString_external cols;
    nsString_external rows;
    frameSet->GetCols(cols);
    frameSet->GetRows(rows);
    if (countChar(cols, ',') >= 1) {
      border = b.x - a.x - a.width;
      return true;
    }
    if (countChar(rows, ',') >= 1) {
      border = b.y - a.y - a.height;
      return true;
    }
  }
  return false;
}

IHtmlPropertyValue* CNSHtmlFrameSetElement::getProperty(unsigned int id) {
  if (id != kBorder)
    return CNSHtmlElement::getProperty(id);
  try {
    int border = 0;  // no adjacent pair of frames: no border between them
    getFrameBorder(border);
    return new CNSHtmlPropertyValue(border);
  } catch (...) {
    reportException(kLineGetProperty);
  }
  return nullptr;
}
