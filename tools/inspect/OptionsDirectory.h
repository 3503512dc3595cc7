// The folder that holds the install options file ("pellam.properties") the product reads while
// it loads: "nshtml-inspect-<pid>-XXXXXX" under $TMPDIR (or /tmp). It goes when the run ends,
// however it ends where that can be caught: a normal or error exit (the destructor), SIGINT,
// SIGTERM or SIGHUP, a lost X connection (removeNow() from the handlers). A run killed outright
// leaves it behind; the next run sweeps it, its pid being dead by then.
#ifndef TOOLS_INSPECT_OPTIONSDIRECTORY_H
#define TOOLS_INSPECT_OPTIONSDIRECTORY_H

#include <string>
#include <utility>
#include <vector>

class OptionsDirectory {
 public:
  using Options = std::vector<std::pair<std::string, std::string>>;

  OptionsDirectory() = default;
  ~OptionsDirectory();
  OptionsDirectory(const OptionsDirectory&) = delete;
  OptionsDirectory& operator=(const OptionsDirectory&) = delete;

  // Makes the folder and writes `options` into its file, one "key=value" line each. False with
  // a one-line `error` when either cannot be done (nothing is left behind then).
  bool create(const Options& options, std::string& error);
  const std::string& path() const { return m_path; }

  // Removes the folder of the current run, if any. Safe in a signal handler: it only unlinks
  // and removes names prepared when the folder was made.
  static void removeNow();

  // Removes the folders of earlier runs under `parent` whose process is gone (so it cannot be
  // in use) and that belong to this user; answers how many. Folders of running processes, of
  // other users and of other names stay.
  //
  //   /tmp/nshtml-inspect-4242-a1B2c3   pid 4242 not running  -> removed
  //   /tmp/nshtml-inspect-1-x9Y8z7      pid 1 running         -> kept
  static int sweepStale(const std::string& parent);

  // $TMPDIR when it names a directory, /tmp otherwise.
  static std::string temporaryParent();

 private:
  std::string m_path;
};

#endif
