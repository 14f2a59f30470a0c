// The program's application object: the framework calls its instance
// initialisation, runs a message loop only when that asks for one, and calls
// its exit hook before the process ends.
#pragma once

#include <windows.h>

namespace hush::ui {

class Application {
 public:
  // Readies the common controls for every window of the program.
  Application();
  virtual ~Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // InitInstance; the thread's message loop when it returned true; then
  // ExitInstance, whose result is the process's exit code.
  int Run();

  virtual bool InitInstance() = 0;
  virtual int ExitInstance() { return exitCode_; }

 protected:
  int exitCode_ = 0;
};

}  // namespace hush::ui
