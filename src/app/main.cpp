#include "app/App.h"
#include "window/MainWindow.h"

int main(int argc, char** argv) {
  auto app = tavrel::StartUp(argc, argv);
  // Once the toolkit is ready the one window is made; the loop runs until the user quits.
  const int status = app->Run([] { tavrel::TheMainWindow(); });
  tavrel::DestroyMainWindow();
  return status;
}
