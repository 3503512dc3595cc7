#include "ChildProcess.h"

#include <fcntl.h>
#include <regex.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

ScratchDirectory::ScratchDirectory() {
  std::string pattern = testing::TempDir() + "nshtml-common-XXXXXX";
  if (!mkdtemp(&pattern[0])) {
    throw std::runtime_error("mkdtemp failed for " + pattern);
  }
  m_path = pattern;
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

ChildResult RunChild(const std::string& program, const std::vector<std::string>& args,
                     const std::map<std::string, std::string>& environment,
                     const std::string& workingDirectory, const std::function<bool()>& beforeExec) {
  ScratchDirectory streams;
  const std::string outPath = streams / "stdout";
  const std::string errPath = streams / "stderr";

  std::vector<std::string> envStrings;
  for (const auto& [name, value] : environment) {
    envStrings.push_back(name + "=" + value);
  }
  for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
    if (const char* value = getenv(name)) {
      envStrings.push_back(std::string(name) + "=" + value);
    }
  }
  std::vector<char*> envp;
  for (std::string& entry : envStrings) {
    envp.push_back(&entry[0]);
  }
  envp.push_back(nullptr);
  std::vector<std::string> argStrings{program};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argStrings) {
    argv.push_back(&arg[0]);
  }
  argv.push_back(nullptr);

  ChildResult result;
  result.pid = fork();
  if (result.pid == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
        chdir(workingDirectory.c_str()) != 0) {
      _exit(126);
    }
    if (beforeExec && !beforeExec()) {
      _exit(125);
    }
    execve(program.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  int status = 0;
  if (result.pid > 0 && waitpid(result.pid, &status, 0) == result.pid && WIFEXITED(status)) {
    result.exitCode = WEXITSTATUS(status);
  }
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  return result;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& content) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << content;
}

bool FileExists(const std::string& path) {
  return access(path.c_str(), F_OK) == 0;
}

std::vector<std::string> ListDirectory(const std::string& path) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string PidText(pid_t pid) {
  std::string digits = std::to_string(pid);
  if (digits.size() > 6) {
    digits = digits.substr(digits.size() - 6);
  }
  return std::string(6 - digits.size(), ' ') + digits;
}

std::string Setting(const std::string& out, const std::string& name) {
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    if (line.compare(0, name.size() + 1, name + "=") == 0) {
      return line.substr(name.size() + 1);
    }
  }
  return "";
}

bool FullMatch(const std::string& text, const std::string& pattern) {
  std::string expression = "^(";
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '\\' && i + 1 < pattern.size() && pattern[i + 1] == 'd') {
      expression += "[0-9]";
      ++i;
    } else {
      expression += pattern[i];
    }
  }
  expression += ")$";
  regex_t compiled;
  if (regcomp(&compiled, expression.c_str(), REG_EXTENDED | REG_NOSUB) != 0) {
    ADD_FAILURE() << "bad pattern " << pattern;
    return false;
  }
  const bool matched = regexec(&compiled, text.c_str(), 0, nullptr, 0) == 0;
  regfree(&compiled);
  return matched;
}

std::string EscapedForPattern(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (strchr(".^$|()[]{}*+?\\", c)) {
      escaped += '\\';
    }
    escaped += c;
  }
  return escaped;
}
