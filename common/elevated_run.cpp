#include "common/elevated_run.h"

#include <shellapi.h>

#include "common/unique_handle.h"

namespace hush {
namespace {

std::string OwnProgramFile() {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return length == 0 || length >= MAX_PATH ? std::string() : std::string(path, length);
}

}  // namespace

ElevatedRun RunElevated(const std::string& parameters, HWND owner, DWORD timeoutMs) {
  ElevatedRun run;
  const std::string program = OwnProgramFile();
  if (program.empty()) return run;
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner;
  info.lpVerb = "runas";
  info.lpFile = program.c_str();
  info.lpParameters = parameters.c_str();
  info.nShow = SW_HIDE;
  if (!::ShellExecuteExA(&info)) {
    if (::GetLastError() == ERROR_CANCELLED) run.outcome = ElevatedRun::Outcome::kRefused;
    return run;
  }
  UniqueHandle<HANDLE, CloseKernelHandle> process(info.hProcess);
  if (!process) return run;
  if (::WaitForSingleObject(process.get(), timeoutMs) != WAIT_OBJECT_0) {
    run.outcome = ElevatedRun::Outcome::kTimedOut;
    return run;
  }
  if (::GetExitCodeProcess(process.get(), &run.exitCode))
    run.outcome = ElevatedRun::Outcome::kFinished;
  return run;
}

}  // namespace hush
