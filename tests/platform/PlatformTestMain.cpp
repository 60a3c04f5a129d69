// The main of the platform's widget tests: an offscreen application object, then every test.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Application.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  platform::Application application(argc, argv);
  return RUN_ALL_TESTS();
}
