#include "windows/browser_fixture.h"

#include <shlwapi.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "browsers/internet_explorer.h"
#include "browsers/opera.h"
#include "browsers/replaced_store.h"
#include "common/registry_key.h"
#include "proxy/settings_store.h"

namespace hush::test {
namespace {

constexpr char kUser[] = "hushtester";

void ClearBrowserRegistry() {
  ::SHDeleteKeyA(HKEY_CURRENT_USER, browsers::kProxySettingKey);
  ::SHDeleteKeyA(HKEY_CURRENT_USER, browsers::kOperaKey);
  ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Mozilla");
  ::SHDeleteKeyA(HKEY_CURRENT_USER, browsers::kConnectionsKey);
  RegistryKey settings =
      RegistryKey::Open(HKEY_CURRENT_USER, browsers::kInternetSettingsKey, KEY_READ | KEY_WRITE);
  for (const char* value : {"ProxyEnable", "ProxyServer", "ProxyOverride", "ProxyHttp1.1"})
    ::RegDeleteValueA(settings.get(), value);
}

}  // namespace

void BrowserFixture::SetUp() {
  root_ = std::string("C:\\hushtest\\") +
          ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
  std::filesystem::remove_all(UserAppData(), ignored);
  std::filesystem::create_directories(At("install"));
  facts_.windows = browsers::WindowsClass::kWindowsXP;
  facts_.ntFamily = true;
  facts_.windowsDirectory = At("windows");
  facts_.userName = kUser;
  facts_.applicationData = At("appdata");
  browsers::OverrideSystemFactsForTesting(&facts_);
  context_.installationDirectory = At("install");
  showBox_ = [this](const std::string& text, const std::string& caption, unsigned type) {
    boxes_.push_back({text, caption, type});
    return answer_;
  };
  ClearBrowserRegistry();
  OverrideSettingsFilePath(At("install\\HushINI.ini"));
  Settings().gatewayEnable = 0;
  Settings().gatewayIP.Set("");
  Settings().popupCheckEnabled = 1;
}

void BrowserFixture::TearDown() {
  ::SetFileAttributesA(browsers::ReplacedStore(context_).path().c_str(), FILE_ATTRIBUTE_NORMAL);
  browsers::OverrideSystemFactsForTesting(nullptr);
  OverrideSettingsFilePath("");
  ClearBrowserRegistry();
  std::error_code ignored;
  std::filesystem::remove_all(UserAppData(), ignored);
}

std::string BrowserFixture::UserAppData() const {
  return std::string("C:\\Documents and Settings\\") + kUser + "\\Application Data\\";
}

void BrowserFixture::Write(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string BrowserFixture::Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return file ? bytes.str() : "<missing>";
}

bool BrowserFixture::Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void BrowserFixture::SetText(const std::string& key, const std::string& name,
                             const std::string& value) {
  RegistryKey::Create(HKEY_CURRENT_USER, key).WriteText(name, value);
}

void BrowserFixture::SetNumber(const std::string& key, const std::string& name, DWORD value) {
  RegistryKey::Create(HKEY_CURRENT_USER, key).WriteNumber(name, value);
}

void BrowserFixture::SetBytes(const std::string& key, const std::string& name,
                              const std::string& bytes) {
  RegistryKey created = RegistryKey::Create(HKEY_CURRENT_USER, key);
  ::RegSetValueExA(created.get(), name.c_str(), 0, REG_BINARY,
                   reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
}

std::string BrowserFixture::Text(const std::string& key, const std::string& name) {
  std::string value = "<missing>";
  RegistryKey::Open(HKEY_CURRENT_USER, key, KEY_READ).ReadText(name, value);
  return value;
}

int BrowserFixture::StoredFlag(browsers::ConfiguredFlag flag) {
  DWORD value = 0;
  if (!RegistryKey::Open(HKEY_CURRENT_USER, browsers::kProxySettingKey, KEY_READ)
           .ReadNumber(browsers::FlagValueName(flag), value))
    return -1;
  return static_cast<int>(value);
}

std::string BrowserFixture::ConnectionValue(DWORD flags, const std::string& server) {
  auto word = [](DWORD value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
  };
  return word(0x46) + word(1) + word(flags) + word(static_cast<DWORD>(server.size())) + server +
         word(5) + "local" + word(0) + std::string(32, '\0');
}

void BrowserFixture::MakeRecordUnwritable() {
  const std::string record = browsers::ReplacedStore(context_).path();
  Write(record, "; kept\r\n");
  ASSERT_TRUE(::SetFileAttributesA(record.c_str(), FILE_ATTRIBUTE_READONLY));
}

}  // namespace hush::test
