// Every test program that needs an X server links PrivateXServerEnvironment.cpp, which starts
// a private Xvfb before the first test and stops it when the process exits. DISPLAY names it while
// the tests run, so the host and the product (XOpenDisplay(NULL)) both land there.
#ifndef TESTS_SUPPORT_PRIVATEXSERVERENVIRONMENT_H
#define TESTS_SUPPORT_PRIVATEXSERVERENVIRONMENT_H

#include <string>

namespace testsupport {

// The private server's display name (":7"); empty before the environment is set up.
std::string privateDisplayName();

}  // namespace testsupport

#endif
