#include "bho/browser_hooks.h"

#include <windows.h>

#include <string>

#include "bho/main_window.h"
#include "bho/module_files.h"
#include "common/user_data_folder.h"
#include "common/window_messages.h"

// One counter for every process that loads the library: the Internet
// Explorer processes that count on a main program.
extern "C" {
__attribute__((section(".shared"), shared)) volatile LONG BrowserProcessCount = 0;
}

namespace hush::bho {
namespace {

constexpr int kStartWithInternetExplorer = 1;

// Whether this process counted itself in (a refused load never did, though
// the system may still run the unload hook for it).
bool countedIn = false;

// Starts the main program when the user chose to start it with Internet
// Explorer; false when the library is to stay out of this browser.
bool StartMainProgramIfWanted() {
  const std::string folder = ModuleFolder();
  if (folder.empty()) return true;
  // The user's settings where the main program keeps them; an installation
  // not started since its upgrade still has them beside the library.
  const std::string settings =
      FindUserFile(UserDataFolder(), folder.substr(0, folder.size() - 1), kSettingsFileName);
  if (::GetPrivateProfileIntA("Hushwall", "Startup", 0, settings.c_str()) !=
      kStartWithInternetExplorer)
    return false;
  const std::string command = "\"" + folder + "HushPop.exe\"";
  ::WinExec(command.c_str(), SW_SHOW);
  return true;
}

}  // namespace

bool OnProcessAttach() {
  const std::wstring host = HostFileName();
  if (host == L"explorer.exe") return false;
  if (host != L"iexplore.exe") return true;
  if (FindMainWindow() == nullptr) {
    if (!StartMainProgramIfWanted()) return false;
  } else {
    // A main program the browsers did not start is never asked to exit by
    // them: it starts with a count of its own.
    ::InterlockedCompareExchange(&BrowserProcessCount, 1, 0);
  }
  ::InterlockedIncrement(&BrowserProcessCount);
  countedIn = true;
  return true;
}

void OnProcessDetach() {
  if (!countedIn) return;
  countedIn = false;
  if (::InterlockedDecrement(&BrowserProcessCount) >= 1) return;
  if (HWND program = FindMainWindow()) ::PostMessageA(program, kQuietExitMessage, 0, 0);
}

}  // namespace hush::bho
