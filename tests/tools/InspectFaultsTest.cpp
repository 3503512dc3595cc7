// nshtml-inspect when its run is cut short: by a signal, by its X server going away, by an
// error; and the temporary folder of its install options, which must not outlive any of them
// (or, when the tool was killed outright, the next run).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "ChildProcess.h"
#include "InteractiveChild.h"

namespace {

class InspectFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteFile(m_temporary + "/keep", ""); }

  std::map<std::string, std::string> environment() const {
    return {{"HOME", m_home.path()}, {"PATH", "/usr/bin:/bin"}, {"TMPDIR", m_temporary}};
  }

  ChildResult Inspect(const std::vector<std::string>& args) {
    return RunChild(NSHTML_INSPECT_PATH, args, environment(), m_home.path());
  }

  // A shell with one install option, asked one question so that it is surely up.
  std::unique_ptr<InteractiveChild> StartShell() {
    auto shell = std::make_unique<InteractiveChild>(
        NSHTML_INSPECT_PATH, std::vector<std::string>{"--option", "a.b=c", "shell"}, environment(),
        m_home.path());
    shell->send("get . .class\n");
    EXPECT_EQ(shell->readLine(), "\"Html.HtmlBrowser\"") << shell->err();
    return shell;
  }

  // The tool's folders under TMPDIR.
  std::vector<std::string> ToolFolders() const {
    std::vector<std::string> folders;
    for (const std::string& name : ListDirectory(m_temporary)) {
      if (name.rfind("nshtml-inspect-", 0) == 0)
        folders.push_back(name);
    }
    return folders;
  }

  static std::string WithoutLibraryNotes(const std::string& err) {
    std::string kept;
    size_t start = 0;
    while (start < err.size()) {
      size_t end = err.find('\n', start);
      end = end == std::string::npos ? err.size() : end + 1;
      if (err.compare(start, 7, "DEBUG: ") != 0)
        kept += err.substr(start, end - start);
      start = end;
    }
    return kept;
  }

  static std::string FolderOf(pid_t pid) { return "nshtml-inspect-" + std::to_string(pid) + "-"; }

  ScratchDirectory m_home;
  std::string m_temporary = m_home / "tmp";
};

TEST_F(InspectFaultsTest, TheOptionsFolderGoesAtExitOnErrorsAndOnSignals) {
  ChildResult normal = Inspect({"--option", "a.b=c", "get", ".", ".class"});
  EXPECT_EQ(normal.exitCode, 0) << normal.err;
  EXPECT_TRUE(ToolFolders().empty());
  ChildResult failed = Inspect({"--option", "a.b=c", "get", "#nosuch", ".tag"});
  EXPECT_EQ(failed.exitCode, 2);
  EXPECT_TRUE(ToolFolders().empty());

  for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
    std::unique_ptr<InteractiveChild> shell = StartShell();
    std::vector<std::string> folders = ToolFolders();
    ASSERT_EQ(folders.size(), 1u);
    EXPECT_EQ(folders[0].rfind(FolderOf(shell->pid()), 0), 0u) << folders[0];
    EXPECT_TRUE(FileExists(m_temporary + "/" + folders[0] + "/pellam.properties"));

    ASSERT_EQ(kill(shell->pid(), signalNumber), 0);
    int status = shell->wait();
    // It dies of the signal, as whoever sent it expects, and leaves nothing behind.
    ASSERT_TRUE(WIFSIGNALED(status)) << signalNumber << " " << status;
    EXPECT_EQ(WTERMSIG(status), signalNumber);
    EXPECT_TRUE(ToolFolders().empty()) << signalNumber;
  }
}

TEST_F(InspectFaultsTest, AnXServerThatGoesAwayIsOneLineAndExitStatusTwo) {
  std::unique_ptr<InteractiveChild> shell = StartShell();
  ASSERT_EQ(ToolFolders().size(), 1u);
  std::vector<pid_t> servers = ChildrenNamed(shell->pid(), "Xvfb");
  ASSERT_EQ(servers.size(), 1u);
  ASSERT_EQ(kill(servers[0], SIGKILL), 0);

  // The next command that needs the server finds it gone.
  shell->send("windows\n");
  int status = shell->wait();
  ASSERT_TRUE(WIFEXITED(status)) << status;
  EXPECT_EQ(WEXITSTATUS(status), 2);
  // Besides the library's own note as it loaded ("DEBUG: ..."), one line.
  std::string err = WithoutLibraryNotes(shell->err());
  EXPECT_TRUE(FullMatch(err, "nshtml-inspect: lost the connection to the X server :\\d+\n")) << err;
  EXPECT_TRUE(ToolFolders().empty());
}

TEST_F(InspectFaultsTest, FoldersOfRunsThatDiedAreSweptAtStart) {
  pid_t dead = fork();
  if (dead == 0)
    _exit(0);
  ASSERT_GT(dead, 0);
  waitpid(dead, nullptr, 0);
  const std::string deadFolder = FolderOf(dead) + "Ab12Cd";
  const std::string liveFolder = FolderOf(getpid()) + "Ef34Gh";
  WriteFile(m_temporary + "/" + deadFolder + "/pellam.properties", "a=b\n");
  WriteFile(m_temporary + "/" + liveFolder + "/pellam.properties", "a=b\n");
  WriteFile(m_temporary + "/nshtml-inspect-notes/pellam.properties", "a=b\n");

  ChildResult run = Inspect({"get", ".", ".class"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  // The dead run's folder is gone; a running process's and one of another name stay.
  EXPECT_EQ(ToolFolders(), (std::vector<std::string>{liveFolder, "nshtml-inspect-notes"}));
}

}  // namespace
