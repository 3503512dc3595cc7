#include "PrivateXServerEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

#include "PrivateXServer.h"

namespace {

std::unique_ptr<geckohost::PrivateXServer> g_server;

class PrivateXServerEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    std::string error;
    g_server = geckohost::PrivateXServer::start(&error);
    ASSERT_TRUE(g_server) << "no private X server: " << error;
    g_server->makeDefault();
  }
  void TearDown() override { g_server.reset(); }
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
