#include "NSHtmlDocumentEnumerator.h"

#include "NSHtmlDocument.h"

CNSHtmlDocumentEnumerator::~CNSHtmlDocumentEnumerator() {
  if (m_document)
    m_document->release();
}

IHtmlObject* CNSHtmlDocumentEnumerator::nextElement() {
  CNSHtmlDocument* document = m_document;
  m_document = nullptr;
  return document;
}
