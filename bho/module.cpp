// The in-process server Internet Explorer loads as a browser helper: its
// load and unload hooks, the class object of the helper object,
// self-registration from the embedded script and type library, and the
// exports the setup program calls on removal.
#include <windows.h>

#include <olectl.h>

#include <string>

#include "bho/browser_hooks.h"
#include "bho/cookie_helper_object.h"
#include "bho/module_files.h"
#include "bho/registrar.h"
#include "bho/restore_ie.h"
#include "common/registry_key.h"

namespace hush::bho {
namespace {

constexpr int kRegistrationScript = 101;
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "Hushwall";

IUnknown* CreateHelper() { return static_cast<ICookieHlpr*>(new CookieHelperObject()); }

// The registration script with the library's own path for %MODULE%.
std::wstring RegistrationScript() {
  HRSRC found = ::FindResourceW(ThisModule(), MAKEINTRESOURCEW(kRegistrationScript), L"REGISTRY");
  HGLOBAL loaded = found == nullptr ? nullptr : ::LoadResource(ThisModule(), found);
  const char* bytes =
      loaded == nullptr ? nullptr : static_cast<const char*>(::LockResource(loaded));
  if (bytes == nullptr) return {};
  const std::wstring module = ModulePath();
  if (module.empty()) return {};  // registering an empty path would "succeed"
  return SubstituteInScript(std::wstring(bytes, bytes + ::SizeofResource(ThisModule(), found)),
                            L"MODULE", module);
}

// The program writes the user's own Run value; older installations wrote
// the machine's. Both go. The machine's is read in the 64-bit view, where
// the 64-bit setup program and programs write it, also when a 32-bit copy of
// the library runs this (32-bit Windows ignores the flag; Windows 2000
// refuses it, hence the second try).
void DeleteRunValues() {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    hush::RegistryKey run = hush::RegistryKey::Open(root, kRunKey, KEY_SET_VALUE | KEY_WOW64_64KEY);
    if (!run) run = hush::RegistryKey::Open(root, kRunKey, KEY_SET_VALUE);
    if (run) ::RegDeleteValueA(run.get(), kRunValue);
  }
}

}  // namespace
}  // namespace hush::bho

using namespace hush::bho;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    ThisModule() = instance;
    if (!OnProcessAttach()) return FALSE;
    ::DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    OnProcessDetach();
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID id, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!IsEqualGUID(classId, CLSID_CookieHlprObj)) return CLASS_E_CLASSNOTAVAILABLE;
  auto* factory = new hush::skin::ClassFactory(CreateHelper);
  const HRESULT result = factory->QueryInterface(id, object);
  factory->Release();
  return result;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return hush::skin::LiveObjects() == 0 && hush::skin::ServerLocks() == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  const std::wstring script = RegistrationScript();
  if (script.empty() || !RunRegistrationScript(script, RegistrarAction::kRegister))
    return SELFREG_E_CLASS;
  ITypeLib* library = nullptr;
  const HRESULT loaded = ::LoadTypeLibEx(ModulePath().c_str(), REGKIND_REGISTER, &library);
  if (FAILED(loaded)) return SELFREG_E_TYPELIB;
  library->Release();
  return S_OK;
}

extern "C" int WINAPI RestoreIE() { return RestoreInternetExplorer(); }

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  RestoreInternetExplorer();
  DeleteRunValues();
  RunRegistrationScript(RegistrationScript(), RegistrarAction::kUnregister);
  ::UnRegisterTypeLib(LIBID_COOKIEHLPRLib, 1, 0, LOCALE_NEUTRAL,
                      sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
  return S_OK;
}

extern "C" int WINAPI UninstInitialize(int, int, int) {
  RestoreInternetExplorer();
  DeleteRunValues();
  DllUnregisterServer();
  return 0;
}

extern "C" int WINAPI UninstUnInitialize() { return 0; }
