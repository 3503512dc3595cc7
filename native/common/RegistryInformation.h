#ifndef NSHTML_COMMON_REGISTRYINFORMATION_H
#define NSHTML_COMMON_REGISTRYINFORMATION_H

// Where the suite and its parts are installed. Platforms with a system registry keep this there;
// on this one the suite's environment variables say it, so the class has no state and every
// answer is read afresh.
//
// Each getter copies a value into the caller's buffer and answers true only when the value is
// present, not empty and shorter than the buffer; otherwise it writes nothing and answers false.
//   TAMAROL_ZV_JRE=/opt/jre9  getDefaultJRE(buf, 10) -> true, "/opt/jre9"
//   TAMAROL_ZV_JRE=/opt/jre10 getDefaultJRE(buf, 10) -> false
class CRegistryInformation {
 public:
  CRegistryInformation() = default;

  // The first existing directory of the ":"-list in KESTRIX_TAMAROL_ZAV_INSTALL_DIR, or, only
  // when that variable is not set, of TAMAROL_ZV_INSTALL_DIRECTORY.
  static bool getPellamInstall(char* buf, unsigned int size);
  static bool getDefaultJRE(char* buf, unsigned int size);
  static bool getPlaybackJRE(char* buf, unsigned int size);
  static bool getEclipseDir(char* buf, unsigned int size);
  static bool getInputFiles(char* buf, unsigned int size);
  static bool getConfigurationDir(char* buf, unsigned int size);
  static bool getCustomizationDir(char* buf, unsigned int size);
  static bool getTrialDeskInstall(char* buf, unsigned int size);

  // Registry-only settings: this platform has no source for them, so they answer false (or -1
  // for the view-log setting) and leave the caller's buffer alone.
  static bool getRegistryValue(const char* name, char* buf, unsigned int size);
  static bool getRegistryIntValue(const char* name, int* value);
  static bool getTamarolTestValue(const char* name, char* buf, unsigned int size);
  static bool getBrowserJavaPluginId(char* buf, unsigned int size);
  static bool getBrowserJavaPluginFilePath(char* buf, unsigned int size);
  static bool getBrowsers(char* buf, unsigned int size);
  static bool getAllBrowsers(char* buf, unsigned int size);
  static bool getJREs(char* buf, unsigned int size);
  static int getViewLog();
  static void setViewLog(int value);

 private:
  static const char* GetSetVariable(const char* name);
  static bool CopyIfItFits(const char* value, char* buf, unsigned int size);
  static bool CopyVariable(const char* name, char* buf, unsigned int size);
};

#endif  // NSHTML_COMMON_REGISTRYINFORMATION_H
