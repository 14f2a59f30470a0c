// An open registry key that closes itself.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace hush {

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey();
  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // An existing key, for reading unless `access` asks for more (a standard
  // user may read keys that only an administrator may change); empty
  // (false) when it cannot be opened so.
  static RegistryKey Open(HKEY root, const std::string& path, REGSAM access = KEY_READ);
  // The key, created when missing.
  static RegistryKey Create(HKEY root, const std::string& path);
  // The same for names outside the ANSI code page.
  static RegistryKey Open(HKEY root, const std::wstring& path, REGSAM access = KEY_READ);
  static RegistryKey Create(HKEY root, const std::wstring& path);

  explicit operator bool() const { return key_ != nullptr; }
  HKEY get() const { return key_; }

  // Text values are read into a buffer of `capacity` bytes, terminator included.
  bool ReadText(const std::string& name, std::string& value, std::size_t capacity = 260) const;
  bool ReadNumber(const std::string& name, DWORD& value) const;
  // Any value's bytes; false when it is missing or larger than `limit`.
  bool ReadBytes(const std::string& name, std::string& bytes, std::size_t limit) const;
  // The names of the key's values, in the registry's order.
  std::vector<std::string> ValueNames() const;
  bool HasSubkeys() const;
  // Texts are written as REG_SZ with their terminating zero counted.
  bool WriteText(const std::string& name, const std::string& value) const;
  bool WriteNumber(const std::string& name, DWORD value) const;

 private:
  explicit RegistryKey(HKEY key) : key_(key) {}
  HKEY key_ = nullptr;
};

}  // namespace hush
