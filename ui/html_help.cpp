#include "ui/html_help.h"

#include "common/registry_key.h"

namespace hush {
namespace {

constexpr char kViewerClass[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr UINT kDisplayTableOfContents = 1;
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// The viewer library where its class is registered, else by its usual name;
// loaded once for the rest of the run.
HtmlHelpFunction Viewer() {
  static const HtmlHelpFunction viewer = [] {
    std::string path;
    RegistryKey::Open(HKEY_CLASSES_ROOT, kViewerClass, KEY_READ).ReadText("", path);
    HMODULE library = path.empty() ? nullptr : ::LoadLibraryA(path.c_str());
    if (library == nullptr) library = ::LoadLibraryA("hhctrl.ocx");
    if (library == nullptr) return HtmlHelpFunction{nullptr};
    // Through a plain function pointer type: the address has no prototype.
    return reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, "HtmlHelpA")));
  }();
  return viewer;
}

}  // namespace

bool OpenHelpFile(HWND owner, const std::string& file) {
  const HtmlHelpFunction viewer = Viewer();
  // A missing file is told at once instead of opening an empty viewer.
  const bool exists = ::GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES;
  if (viewer != nullptr && exists && viewer(owner, file.c_str(), kDisplayTableOfContents, 0))
    return true;
  ::MessageBoxA(owner, "Cannot locate HTML Help file HushHlp.chm", nullptr, MB_OK);
  return false;
}

}  // namespace hush
