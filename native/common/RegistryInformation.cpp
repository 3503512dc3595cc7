#include "RegistryInformation.h"

#include <cstdlib>
#include <cstring>

#include "ZvInstallOptions.h"

bool CRegistryInformation::getPellamInstall(char* buf, unsigned int size) {
  const char* list = GetSetVariable("KESTRIX_TAMAROL_ZAV_INSTALL_DIR");
  if (!list) {
    list = GetSetVariable("TAMAROL_ZV_INSTALL_DIRECTORY");
  }
  return CopyIfItFits(getFirstAccessibleFile(list), buf, size);
}

bool CRegistryInformation::getDefaultJRE(char* buf, unsigned int size) {
  return CopyVariable("TAMAROL_ZV_JRE", buf, size);
}

bool CRegistryInformation::getPlaybackJRE(char* buf, unsigned int size) {
  return getDefaultJRE(buf, size);
}

bool CRegistryInformation::getEclipseDir(char* buf, unsigned int size) {
  return CopyVariable("KESTRIX_TAMAROL_ZAV_ECLIPSE_DIR", buf, size);
}

bool CRegistryInformation::getInputFiles(char* buf, unsigned int size) {
  return CopyVariable("ZAV_INPUT_FILES", buf, size);
}

bool CRegistryInformation::getConfigurationDir(char* buf, unsigned int size) {
  return CopyVariable("TAMAROL_ZV_CONFIGURATION_DIRECTORY", buf, size);
}

bool CRegistryInformation::getCustomizationDir(char* buf, unsigned int size) {
  return CopyVariable("TAMAROL_ZV_CUSTOMIZATION_DIRECTORY", buf, size);
}

bool CRegistryInformation::getTrialDeskInstall(char* buf, unsigned int size) {
  return CopyVariable("TMRL_RTHOME", buf, size);
}

bool CRegistryInformation::getRegistryValue(const char*, char*, unsigned int) {
  return false;
}

bool CRegistryInformation::getRegistryIntValue(const char*, int*) {
  return false;
}

bool CRegistryInformation::getTamarolTestValue(const char*, char*, unsigned int) {
  return false;
}

bool CRegistryInformation::getBrowserJavaPluginId(char*, unsigned int) {
  return false;
}

bool CRegistryInformation::getBrowserJavaPluginFilePath(char*, unsigned int) {
  return false;
}

bool CRegistryInformation::getBrowsers(char*, unsigned int) {
  return false;
}

bool CRegistryInformation::getAllBrowsers(char*, unsigned int) {
  return false;
}

bool CRegistryInformation::getJREs(char*, unsigned int) {
  return false;
}

int CRegistryInformation::getViewLog() {
  return -1;
}

void CRegistryInformation::setViewLog(int) {}

// A variable that is present but empty counts as not set.
const char* CRegistryInformation::GetSetVariable(const char* name) {
  const char* value = getenv(name);
  return value && *value ? value : nullptr;
}

bool CRegistryInformation::CopyIfItFits(const char* value, char* buf, unsigned int size) {
  if (!value || !*value || !buf || strlen(value) >= size) {
    return false;
  }
  strcpy(buf, value);
  return true;
}

bool CRegistryInformation::CopyVariable(const char* name, char* buf, unsigned int size) {
  return CopyIfItFits(GetSetVariable(name), buf, size);
}
