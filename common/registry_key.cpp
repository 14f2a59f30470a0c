#include "common/registry_key.h"

#include <utility>
#include <vector>

namespace hush {

RegistryKey::~RegistryKey() {
  if (key_ != nullptr) ::RegCloseKey(key_);
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    if (key_ != nullptr) ::RegCloseKey(key_);
    key_ = std::exchange(other.key_, nullptr);
  }
  return *this;
}

RegistryKey RegistryKey::Open(HKEY root, const std::string& path, REGSAM access) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return RegistryKey();
  return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
    return RegistryKey();
  return RegistryKey(key);
}

RegistryKey RegistryKey::Open(HKEY root, const std::wstring& path, REGSAM access) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return RegistryKey();
  return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (::RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
    return RegistryKey();
  return RegistryKey(key);
}

bool RegistryKey::ReadText(const std::string& name, std::string& value,
                           std::size_t capacity) const {
  if (key_ == nullptr || capacity == 0) return false;
  std::vector<char> buffer(capacity + 1, '\0');
  DWORD type = 0, size = static_cast<DWORD>(capacity);
  if (::RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return false;
  value.assign(buffer.data());  // up to the terminator, which may be missing
  return true;
}

bool RegistryKey::ReadNumber(const std::string& name, DWORD& value) const {
  if (key_ == nullptr) return false;
  DWORD type = 0, size = sizeof(DWORD), data = 0;
  if (::RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data),
                         &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return false;
  value = data;
  return true;
}

bool RegistryKey::ReadBytes(const std::string& name, std::string& bytes, std::size_t limit) const {
  bytes.assign(limit, '\0');
  DWORD size = static_cast<DWORD>(limit);
  if (key_ == nullptr ||
      ::RegQueryValueExA(key_, name.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(bytes.data()), &size) != ERROR_SUCCESS) {
    bytes.clear();
    return false;
  }
  bytes.resize(size);
  return true;
}

std::vector<std::string> RegistryKey::ValueNames() const {
  std::vector<std::string> names;
  DWORD count = 0, longest = 0;
  if (key_ == nullptr ||
      ::RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return names;
  std::vector<char> name(longest + 1);
  for (DWORD index = 0; index < count; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    if (::RegEnumValueA(key_, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) ==
        ERROR_SUCCESS)
      names.emplace_back(name.data(), length);
  }
  return names;
}

bool RegistryKey::HasSubkeys() const {
  DWORD subkeys = 0;
  return key_ != nullptr &&
         ::RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
         subkeys > 0;
}

bool RegistryKey::WriteText(const std::string& name, const std::string& value) const {
  return key_ != nullptr && ::RegSetValueExA(key_, name.c_str(), 0, REG_SZ,
                                             reinterpret_cast<const BYTE*>(value.c_str()),
                                             static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryKey::WriteNumber(const std::string& name, DWORD value) const {
  return key_ != nullptr &&
         ::RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
}

}  // namespace hush
