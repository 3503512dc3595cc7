// A fixture for tests that touch the host without windows: whatever a test makes of the host's
// objects, it must have released by its end.
#ifndef TESTS_SUPPORT_LIVEOBJECTSCHECK_H
#define TESTS_SUPPORT_LIVEOBJECTSCHECK_H

#include <gtest/gtest.h>

#include "LiveObjects.h"

class LiveObjectsCheck : public ::testing::Test {
 protected:
  void SetUp() override { m_liveBefore = geckohost::LiveObjects::count(); }
  void TearDown() override {
    EXPECT_EQ(geckohost::LiveObjects::count(), m_liveBefore) << "host objects leaked";
  }

 private:
  long m_liveBefore = 0;
};

#endif
