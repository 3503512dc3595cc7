#include "WordSplitter.h"

namespace {

// Inside double quotes a backslash escapes only these.
bool escapableInDoubleQuotes(char c) {
  return c == '$' || c == '`' || c == '"' || c == '\\';
}

}  // namespace

std::optional<std::vector<std::string>> WordSplitter::split(const std::string& line,
                                                            std::string& error) {
  WordSplitter splitter(line);
  if (!splitter.run(error))
    return std::nullopt;
  return splitter.m_words;
}

void WordSplitter::endWord() {
  if (m_inWord)
    m_words.push_back(m_word);
  m_word.clear();
  m_inWord = false;
}

bool WordSplitter::run(std::string& error) {
  while (m_at < m_line.size()) {
    char c = m_line[m_at++];
    if (c == ' ' || c == '\t') {
      endWord();
    } else if (c == '#' && !m_inWord) {
      break;
    } else if (c == '\'') {
      m_inWord = true;
      if (!singleQuoted(error))
        return false;
    } else if (c == '"') {
      m_inWord = true;
      if (!doubleQuoted(error))
        return false;
    } else if (c == '\\') {
      if (m_at == m_line.size()) {
        error = "the line ends in a backslash";
        return false;
      }
      m_inWord = true;
      m_word += m_line[m_at++];
    } else {
      m_inWord = true;
      m_word += c;
    }
  }
  endWord();
  return true;
}

bool WordSplitter::singleQuoted(std::string& error) {
  size_t close = m_line.find('\'', m_at);
  if (close == std::string::npos) {
    error = "a single quote is not closed";
    return false;
  }
  m_word.append(m_line, m_at, close - m_at);
  m_at = close + 1;
  return true;
}

bool WordSplitter::doubleQuoted(std::string& error) {
  while (m_at < m_line.size()) {
    char c = m_line[m_at++];
    if (c == '"')
      return true;
    if (c == '\\' && m_at < m_line.size() && escapableInDoubleQuotes(m_line[m_at]))
      c = m_line[m_at++];
    m_word += c;
  }
  error = "a double quote is not closed";
  return false;
}
