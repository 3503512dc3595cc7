// Install directory, install options and the environment, each in a child process started with
// an environment of its own.

#include <string>

#include "TraceChildTest.h"

class InstallOptionsTest : public TraceChildTest {
 protected:
  InstallOptionsTest() { WritePreferences({{"enableTrace", "false"}}); }

  std::string InstallDirWith(const std::map<std::string, std::string>& variables) {
    for (const auto& [name, value] : variables) {
      m_environment[name] = value;
    }
    return Setting(Run({"install"}).out, "installDir");
  }
};

TEST_F(InstallOptionsTest, TheFirstSetVariableAndItsFirstExistingEntryWin) {
  const std::string first = m_scratch / "first";
  const std::string second = m_scratch / "second";
  WriteFile(first + "/.keep", "");
  WriteFile(second + "/.keep", "");
  const std::string missing = m_scratch / "missing";

  EXPECT_EQ(InstallDirWith({{"KESTRIX_TAMAROL_ZAV_INSTALL_DIR", missing + "::" + second}}), second);
  EXPECT_EQ(InstallDirWith({{"KESTRIX_TAMAROL_ZAV_INSTALL_DIR", missing},
                            {"TAMAROL_ZV_INSTALL_DIRECTORY", first}}),
            "(null)");
  m_environment.erase("KESTRIX_TAMAROL_ZAV_INSTALL_DIR");
  EXPECT_EQ(InstallDirWith({{"TAMAROL_ZV_INSTALL_DIRECTORY", missing + ":" + first}}), first);
  // Set but empty counts as not set.
  EXPECT_EQ(InstallDirWith({{"KESTRIX_TAMAROL_ZAV_INSTALL_DIR", ""}}), first);
  m_environment.erase("TAMAROL_ZV_INSTALL_DIRECTORY");
  EXPECT_EQ(InstallDirWith({{"KESTRIX_TAMAROL_ZAV_INSTALL_DIR", ""}}), "(null)");
}

TEST_F(InstallOptionsTest, OptionsAreExactKeysAndTheNotSetTextReadsAsNotSet) {
  WriteInstallOptions({{"tamarol.test.zv.html.respectwidespace", "TRUE"},
                       {"tamarol.test.zv.html.ajax.autotrace", "<zvinstalloption not set>"},
                       {"Tamarol.Test.Zv.Html.NotBrokenDom", "true"},
                       {"tamarol.test.zv.playspecial", "a=b"}});
  const ChildResult result = Run(
      {"install", "tamarol.test.zv.html.respectwidespace", "tamarol.test.zv.html.ajax.autotrace",
       "tamarol.test.zv.html.notbrokendom", "tamarol.test.zv.playspecial", "tamarol.test.zv.vbc"});
  EXPECT_EQ(Setting(result.out, "installDir"), InstallDir());
  EXPECT_EQ(Setting(result.out, "option tamarol.test.zv.html.respectwidespace"), "TRUE");
  EXPECT_EQ(Setting(result.out, "option tamarol.test.zv.html.ajax.autotrace"), "(null)");
  EXPECT_EQ(Setting(result.out, "option tamarol.test.zv.html.notbrokendom"), "(null)");
  EXPECT_EQ(Setting(result.out, "option tamarol.test.zv.playspecial"), "a");
  EXPECT_EQ(Setting(result.out, "option tamarol.test.zv.vbc"), "(null)");
}

TEST_F(InstallOptionsTest, AUtf16OptionsFileIsNotRead) {
  WriteInstallOptions({});
  WriteFile(InstallDir() + "/pellam.properties",
            std::string("\xFF\xFEtamarol.test.zv.vbc=yes\n", 24));
  const ChildResult result = Run({"install", "tamarol.test.zv.vbc", "\xFF\xFEtamarol.test.zv.vbc"});
  EXPECT_EQ(Setting(result.out, "installDir"), InstallDir());
  EXPECT_EQ(Setting(result.out, "option tamarol.test.zv.vbc"), "(null)");
  EXPECT_EQ(Setting(result.out, "option \xFF\xFEtamarol.test.zv.vbc"), "(null)");
}

TEST_F(InstallOptionsTest, EnvironmentValuesMustBeShorterThanTheBuffer) {
  m_environment["TAMAROL_ZV_JRE"] = "/opt/jre10";
  EXPECT_EQ(Setting(Run({"install"}).out, "defaultJRE"), "0 untouched");
  m_environment["TAMAROL_ZV_JRE"] = "/opt/jre9";
  EXPECT_EQ(Setting(Run({"install"}).out, "defaultJRE"), "1 /opt/jre9");
  m_environment["TAMAROL_ZV_JRE"] = "";
  EXPECT_EQ(Setting(Run({"install"}).out, "defaultJRE"), "0 untouched");
}
