// The in-process server: class objects for the three controls, unloading and
// self-registration (regsvr32).
#include <windows.h>

#include <objbase.h>
#include <olectl.h>
#include <shlwapi.h>

#include <string>

#include "common/unique_handle.h"
#include "skin/badge_control.h"
#include "skin/skin_control.h"
#include "skin/splash_control.h"

namespace hush::skin {
namespace {

HMODULE module = nullptr;

template <typename Control>
IUnknown* Create() {
  return static_cast<IDispatch*>(new Control());
}

struct ControlClass {
  const GUID& id;
  const wchar_t* name;
  Creator create;
};

const ControlClass kClasses[] = {
    {kSkinControlClass, L"Hushwall skin control", Create<SkinControl>},
    {kSplashControlClass, L"Hushwall splash control", Create<SplashControl>},
    {kBadgeControlClass, L"Hushwall badge control", Create<BadgeControl>},
};

std::wstring GuidText(const GUID& id) {
  wchar_t text[40] = {};
  ::StringFromGUID2(id, text, 40);
  return text;
}

bool SetValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY created = nullptr;
  if (::RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const UniqueKey opened(created);
  return ::RegSetValueExW(
             opened.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace
}  // namespace hush::skin

using namespace hush::skin;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    module = instance;
    ::DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID id, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  for (const ControlClass& control : kClasses) {
    if (!IsEqualGUID(classId, control.id)) continue;
    auto* factory = new ClassFactory(control.create);
    const HRESULT result = factory->QueryInterface(id, object);
    factory->Release();
    return result;
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return LiveObjects() == 0 && ServerLocks() == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(module, path, MAX_PATH);
  for (const ControlClass& control : kClasses) {
    const std::wstring key = L"CLSID\\" + GuidText(control.id);
    if (!SetValue(HKEY_CLASSES_ROOT, key, nullptr, control.name) ||
        !SetValue(HKEY_CLASSES_ROOT, key + L"\\InprocServer32", nullptr, path) ||
        !SetValue(HKEY_CLASSES_ROOT, key + L"\\InprocServer32", L"ThreadingModel", L"Apartment"))
      return SELFREG_E_CLASS;
  }
  return S_OK;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  for (const ControlClass& control : kClasses)
    ::SHDeleteKeyW(HKEY_CLASSES_ROOT, (L"CLSID\\" + GuidText(control.id)).c_str());
  return S_OK;
}
