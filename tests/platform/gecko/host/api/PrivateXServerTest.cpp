// A private server of its own, next to the one the test environment started.
#include <gtest/gtest.h>
#include <signal.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "PrivateXServer.h"
#include "PrivateXServerEnvironment.h"
#include "XObserver.h"

namespace {

using testsupport::ScreenRect;
using testsupport::XObserver;

bool canConnect(const std::string& name) {
  return XObserver(name).connected();
}

TEST(PrivateXServerTest, StartsOnAFreeDisplayAndStopsOnDestruction) {
  std::string environmentDisplay = testsupport::privateDisplayName();
  ASSERT_FALSE(environmentDisplay.empty());
  ASSERT_STREQ(std::getenv("DISPLAY"), environmentDisplay.c_str());

  std::string error;
  auto server = geckohost::PrivateXServer::start(&error);
  ASSERT_TRUE(server) << error;
  std::string name = server->displayName();
  pid_t process = server->processId();
  EXPECT_EQ(name, ":" + std::to_string(server->displayNumber()));
  EXPECT_NE(name, environmentDisplay);
  EXPECT_TRUE(canConnect(name));

  {
    XObserver observer(name);
    ASSERT_TRUE(observer.connected());
    EXPECT_EQ(observer.screenSize(), (ScreenRect{0, 0, 1280, 1024}));
    EXPECT_EQ(observer.depth(), 24);
  }

  server->makeDefault();
  EXPECT_EQ(std::string(std::getenv("DISPLAY")), name);

  server.reset();
  EXPECT_FALSE(canConnect(name));
  EXPECT_EQ(kill(process, 0), -1) << "Xvfb was not reaped";
  EXPECT_EQ(errno, ESRCH);
  EXPECT_STREQ(std::getenv("DISPLAY"), environmentDisplay.c_str());
}

// Windows larger than the default screen get a screen to fit them.
TEST(PrivateXServerTest, StartsWithTheScreenSizeAskedFor) {
  std::string error;
  auto server = geckohost::PrivateXServer::start(3000, 2200, &error);
  ASSERT_TRUE(server) << error;
  XObserver observer(server->displayName());
  ASSERT_TRUE(observer.connected());
  EXPECT_EQ(observer.screenSize(), (ScreenRect{0, 0, 3000, 2200}));
}

}  // namespace
