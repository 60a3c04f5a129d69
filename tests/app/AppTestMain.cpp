// The application object of these tests is the program's own, made as main makes it.
#include "app/App.h"
#include "support/UiTest.h"

int main(int argc, char** argv) {
  tavrel::testing::PrepareUiTests(argc, argv);
  auto app = tavrel::StartUp(argc, argv);
  return tavrel::testing::RunUiTests();
}
