// Enumerates the browser's user-interface threads. Gecko 1.9.2 runs every window on its one
// main thread and nothing registers threads here, so the list is empty; the class keeps the
// shape the agent expects (up to 100 thread ids, handed out in order).
#ifndef NATIVE_HTML_GECKO_NSHTMLBROWSERTHREADENUMERATOR_H
#define NATIVE_HTML_GECKO_NSHTMLBROWSERTHREADENUMERATOR_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"

class CNSHtmlBrowserThreadEnumerator final
    : public CHtmlRefCounted<CNSHtmlBrowserThreadEnumerator, IHtmlEnumerator> {
 public:
  static const int MAX_THREADS = 100;

  class CNSHtmlBrowserThread final
      : public CHtmlRefCounted<CNSHtmlBrowserThread, IHtmlBrowserThread> {
   public:
    explicit CNSHtmlBrowserThread(unsigned int thread) : m_thread(thread) {}
    unsigned int getThread() override { return m_thread; }

   private:
    unsigned int m_thread;
  };

  CNSHtmlBrowserThreadEnumerator() = default;

  // IHtmlEnumerator
  IHtmlObject* nextElement() override;
  bool hasMoreElements() override { return m_position < m_count; }

 private:
  unsigned int m_threads[MAX_THREADS] = {};
  int m_count = 0;
  int m_position = 0;
};

#endif
