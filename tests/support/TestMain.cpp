// The main of the test programs that make windows: an offscreen application object,
// then every test.
#include "platform/Application.h"
#include "support/UiTest.h"

int main(int argc, char** argv) {
  tavrel::testing::PrepareUiTests(argc, argv);
  platform::Application application(argc, argv);
  return tavrel::testing::RunUiTests();
}
