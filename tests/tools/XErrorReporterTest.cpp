// The tool's X error handlers: a failed request is one line and the program goes on; a lost
// connection is one line and exit status 2.
#include <gtest/gtest.h>
// After gtest: Xlib defines None and Bool as macros.
#include <X11/Xlib.h>
#include <unistd.h>

#include <string>

#include "XErrorReporter.h"

namespace {

class XErrorReporterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_display = XOpenDisplay(nullptr);
    ASSERT_TRUE(m_display);
    XErrorReporter::install();
  }
  void TearDown() override {
    if (m_display)
      XCloseDisplay(m_display);
  }

  Display* m_display = nullptr;
};

TEST_F(XErrorReporterTest, AFailedRequestIsOneLineAndTheCallerGoesOn) {
  const Window gone = 0x3ffffff;  // no client was given this id
  testing::internal::CaptureStderr();
  XImage* image = XGetImage(m_display, gone, 0, 0, 4, 4, AllPlanes, ZPixmap);
  XSync(m_display, False);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(image, nullptr);
  EXPECT_EQ(err,
            "nshtml-inspect: X error: BadDrawable (invalid Pixmap or Window parameter) in "
            "X_GetImage, resource 0x3ffffff\n");
  // The connection still works.
  EXPECT_NE(XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 8, 8, 0, 0, 0), 0u);
  XSync(m_display, False);
}

TEST_F(XErrorReporterTest, ALostConnectionIsOneLineAndExitStatusTwo) {
  std::string name = DisplayString(m_display);
  EXPECT_EXIT(
      {
        close(ConnectionNumber(m_display));
        XSync(m_display, False);
      },
      ::testing::ExitedWithCode(2),
      "^nshtml-inspect: lost the connection to the X server " + name + "\n$");
}

}  // namespace
