#include "ui/framework/control_host.h"

#include <ocidl.h>
#include <shlwapi.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace hush::ui {
namespace {

constexpr UINT kCreateControl = WM_USER + 1;  // lParam: the initial properties or nullptr
constexpr UINT kGetControl = WM_USER + 2;     // answers the control's IUnknown, counted
constexpr char kInitDataType[] = "CONTROLINIT";

IUnknown* ControlOf(HWND host) {
  return reinterpret_cast<IUnknown*>(::GetWindowLongPtrA(host, GWLP_USERDATA));
}

void Initialize(IUnknown* control, const std::string* properties) {
  ComPtr<IPersistStreamInit> persistence =
      ComPtr<IPersistStreamInit>::Query(control, IID_IPersistStreamInit);
  if (!persistence) return;
  if (properties == nullptr) {
    persistence->InitNew();
    return;
  }
  IStream* stream = ::SHCreateMemStream(reinterpret_cast<const BYTE*>(properties->data()),
                                        static_cast<UINT>(properties->size()));
  if (stream == nullptr) return;
  persistence->Load(stream);
  stream->Release();
}

// The window text names the control's class.
void CreateControl(HWND host, const std::string* properties) {
  if (ControlOf(host) != nullptr) return;
  wchar_t name[64] = {};
  ::GetWindowTextW(host, name, 64);
  CLSID classId;
  if (FAILED(::CLSIDFromString(name, &classId))) return;
  IUnknown* control = nullptr;
  if (FAILED(::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(&control))))
    return;
  ::SetWindowLongPtrA(host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  Initialize(control, properties);
}

LRESULT CALLBACK HostProcedure(HWND host, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kCreateControl:
      CreateControl(host, reinterpret_cast<const std::string*>(lParam));
      return 0;
    case kGetControl: {
      CreateControl(host, nullptr);
      IUnknown* control = ControlOf(host);
      if (control != nullptr) control->AddRef();
      return reinterpret_cast<LRESULT>(control);
    }
    case WM_ERASEBKGND:
      return TRUE;  // the dialog's background shows through
    case WM_PAINT: {
      PAINTSTRUCT paint;
      ::BeginPaint(host, &paint);
      ::EndPaint(host, &paint);
      return 0;
    }
    case WM_DESTROY:
      if (IUnknown* control = ControlOf(host)) {
        ::SetWindowLongPtrA(host, GWLP_USERDATA, 0);
        control->Release();
      }
      return 0;
    default:
      return ::DefWindowProcA(host, message, wParam, lParam);
  }
}

bool IsHost(HWND window) {
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, kControlHostClass) == 0;
}

std::string_view InitData(int templateId) {
  HMODULE module = ::GetModuleHandleA(nullptr);
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), kInitDataType);
  HGLOBAL loaded = found == nullptr ? nullptr : ::LoadResource(module, found);
  if (loaded == nullptr) return {};
  return {static_cast<const char*>(::LockResource(loaded)), ::SizeofResource(module, found)};
}

// The "name=value" lines of one control, without their "id " prefix.
std::string PropertiesOf(std::string_view data, int controlId) {
  std::string properties;
  while (!data.empty()) {
    const size_t end = data.find('\n');
    const std::string_view line = data.substr(0, end);
    data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
    const size_t space = line.find(' ');
    if (space == std::string_view::npos) continue;
    if (std::atoi(std::string(line.substr(0, space)).c_str()) != controlId) continue;
    properties.append(line.substr(space + 1));
    properties += '\n';
  }
  return properties;
}

struct HostedSearch {
  std::string_view data;
  HWND dialog;
};

BOOL CALLBACK CreateIfHost(HWND child, LPARAM context) {
  const auto* search = reinterpret_cast<const HostedSearch*>(context);
  if (::GetParent(child) != search->dialog || !IsHost(child)) return TRUE;
  const std::string properties = PropertiesOf(search->data, ::GetDlgCtrlID(child));
  ::SendMessageA(child, kCreateControl, 0,
                 properties.empty() ? 0 : reinterpret_cast<LPARAM>(&properties));
  return TRUE;
}

}  // namespace

bool EnableControlHosting() {
  const HRESULT com = ::OleInitialize(nullptr);
  WNDCLASSA type = {};
  type.lpfnWndProc = HostProcedure;
  type.hInstance = ::GetModuleHandleA(nullptr);
  type.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  type.lpszClassName = kControlHostClass;
  const bool registered =
      ::RegisterClassA(&type) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  return SUCCEEDED(com) && registered;
}

void CreateHostedControls(HWND dialog, int templateId) {
  HostedSearch search{InitData(templateId), dialog};
  ::EnumChildWindows(dialog, CreateIfHost, reinterpret_cast<LPARAM>(&search));
}

ComPtr<IUnknown> HostedControl(HWND dialog, int controlId) {
  HWND host = ::GetDlgItem(dialog, controlId);
  ComPtr<IUnknown> control;
  if (host != nullptr && IsHost(host))
    *control.Receive() = reinterpret_cast<IUnknown*>(::SendMessageA(host, kGetControl, 0, 0));
  return control;
}

}  // namespace hush::ui
