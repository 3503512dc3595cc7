#include "dom/CookieJar.h"

namespace geckohost::dom {

namespace {
CookieJar* g_installedJar = nullptr;  // weak; see install()
}

CookieJar* CookieJar::installed() {
  return g_installedJar;
}

void CookieJar::install(CookieJar* jar) {
  g_installedJar = jar;
}

}  // namespace geckohost::dom
