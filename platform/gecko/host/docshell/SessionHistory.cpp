#include "SessionHistory.h"

namespace geckohost {

void SessionHistory::push(const std::string& url) {
  mEntries.resize(static_cast<size_t>(mIndex + 1));
  mEntries.push_back(url);
  mIndex = count() - 1;
}

void SessionHistory::replaceCurrent(const std::string& url) {
  if (mIndex < 0) {
    push(url);
  } else {
    mEntries[static_cast<size_t>(mIndex)] = url;
  }
}

std::optional<std::string> SessionHistory::goBack() {
  if (!canGoBack())
    return std::nullopt;
  return goToIndex(mIndex - 1);
}

std::optional<std::string> SessionHistory::goForward() {
  if (!canGoForward())
    return std::nullopt;
  return goToIndex(mIndex + 1);
}

std::optional<std::string> SessionHistory::goToIndex(int index) {
  if (index < 0 || index >= count())
    return std::nullopt;
  mIndex = index;
  return mEntries[static_cast<size_t>(index)];
}

}  // namespace geckohost
