// One short run of this program with an administrator's rights, through the
// system's consent prompt, for a change the user's own rights do not allow.
#pragma once

#include <windows.h>

#include <string>

namespace hush {

struct ElevatedRun {
  enum class Outcome {
    kFinished,    // it ran; exitCode says how it went
    kRefused,     // the consent prompt was answered No
    kNotStarted,  // it could not be started
    kTimedOut,    // it did not end in time (it is left to end on its own)
  };
  Outcome outcome = Outcome::kNotStarted;
  DWORD exitCode = 0;
};

// Starts this program's own file with `parameters` ("runas") and waits for it.
ElevatedRun RunElevated(const std::string& parameters, HWND owner, DWORD timeoutMs = 120000);

}  // namespace hush
