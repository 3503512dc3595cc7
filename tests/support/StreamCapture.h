#ifndef NSHTML_TESTS_SUPPORT_STREAMCAPTURE_H
#define NSHTML_TESTS_SUPPORT_STREAMCAPTURE_H

#include <unistd.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

// What this process writes on one of its standard streams (1 or 2) while the capture lives.
//
//   StreamCapture err(2);
//   fputs("x", stderr);
//   err.Text() -> "x"
class StreamCapture {
 public:
  explicit StreamCapture(int fd) : m_fd(fd), m_file(tmpfile()), m_saved(dup(fd)) {
    FlushStream();
    dup2(fileno(m_file), m_fd);
  }
  ~StreamCapture() {
    Restore();
    fclose(m_file);
  }
  StreamCapture(const StreamCapture&) = delete;
  StreamCapture& operator=(const StreamCapture&) = delete;

  // Everything written so far; the stream goes back to where it was.
  std::string Text() {
    Restore();
    std::string text(static_cast<size_t>(lseek(fileno(m_file), 0, SEEK_END)), '\0');
    EXPECT_EQ(pread(fileno(m_file), &text[0], text.size(), 0), static_cast<ssize_t>(text.size()));
    return text;
  }

 private:
  void FlushStream() { fflush(m_fd == 1 ? stdout : stderr); }
  void Restore() {
    if (m_saved >= 0) {
      FlushStream();
      dup2(m_saved, m_fd);
      close(m_saved);
      m_saved = -1;
    }
  }

  int m_fd;
  FILE* m_file;
  int m_saved;
};

#endif  // NSHTML_TESTS_SUPPORT_STREAMCAPTURE_H
