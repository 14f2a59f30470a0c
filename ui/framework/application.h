// The program's application object: the framework calls its instance
// initialisation, runs a message loop only when that asks for one, and calls
// its exit hook before the process ends.
#pragma once

#include <windows.h>

#include <string>

namespace hush::ui {

// A string resource of the program ("" when there is none); never looked up
// in a language file.
std::string ResourceString(UINT id);
// The program's icon resource as a window's large and small icon.
void SetWindowIcons(HWND window, int iconId);

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
