#include "PrivateXServerEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

#include "PrivateXServer.h"

namespace {

// Stopped when the process exits, not when the tests end: a product loaded by a test closes
// its display connection from an atexit handler, and that must find the server alive.
// (Static destructors and atexit handlers run in reverse order of registration, and this
// object is registered before any library is loaded.)
std::unique_ptr<geckohost::PrivateXServer> g_server;

class PrivateXServerEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    std::string error;
    g_server = geckohost::PrivateXServer::start(&error);
    ASSERT_TRUE(g_server) << "no private X server: " << error;
    g_server->makeDefault();
  }
};

// Registered before main runs, so gtest_main's RUN_ALL_TESTS sets it up.
[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new PrivateXServerEnvironment);

}  // namespace

namespace testsupport {

std::string privateDisplayName() {
  return g_server ? g_server->displayName() : std::string();
}

}  // namespace testsupport
