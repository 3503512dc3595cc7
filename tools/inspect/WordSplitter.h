// Splits one line of the shell into words as a POSIX shell does, with no expansions:
//   - blanks (spaces, tabs) separate words;
//   - '...' keeps everything inside as it is;
//   - "..." keeps everything inside, except that a backslash before $ ` " or \ stands for
//     that character (before anything else it is itself);
//   - outside quotes a backslash stands for the character after it;
//   - a word that begins with # begins a comment that runs to the end of the line.
// Quoted and unquoted parts join into one word: a'b c'"d" is "ab cd", and '' is an empty word.
#ifndef TOOLS_INSPECT_WORDSPLITTER_H
#define TOOLS_INSPECT_WORDSPLITTER_H

#include <optional>
#include <string>
#include <vector>

class WordSplitter {
 public:
  // The words of `line`; nothing, with a one-line `error`, for a quote left open or a line
  // that ends in a backslash (a command is one line).
  static std::optional<std::vector<std::string>> split(const std::string& line, std::string& error);

 private:
  explicit WordSplitter(const std::string& line) : m_line(line) {}

  bool run(std::string& error);
  bool singleQuoted(std::string& error);
  bool doubleQuoted(std::string& error);
  void endWord();

  const std::string& m_line;
  size_t m_at = 0;
  std::vector<std::string> m_words;
  std::string m_word;
  bool m_inWord = false;  // a word has begun, perhaps with an empty quote
};

#endif
