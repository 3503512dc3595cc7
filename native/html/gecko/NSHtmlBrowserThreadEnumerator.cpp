#include "NSHtmlBrowserThreadEnumerator.h"

IHtmlObject* CNSHtmlBrowserThreadEnumerator::nextElement() {
  if (m_position >= m_count)
    return nullptr;
  return new CNSHtmlBrowserThread(m_threads[m_position++]);
}
