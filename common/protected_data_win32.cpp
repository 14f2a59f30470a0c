#include "common/protected_data.h"

#include <windows.h>

#include <wincrypt.h>

#include <memory>

namespace hush {
namespace {

// What the system hands back lives in its own heap.
struct LocalMemory {
  void operator()(void* memory) const { ::LocalFree(memory); }
};

DATA_BLOB BlobOf(const std::vector<unsigned char>& bytes) {
  return {static_cast<DWORD>(bytes.size()), const_cast<BYTE*>(bytes.data())};
}

DATA_BLOB EntropyOf(const std::string& purpose) {
  return {static_cast<DWORD>(purpose.size()),
          reinterpret_cast<BYTE*>(const_cast<char*>(purpose.data()))};
}

// Copies the system's output out and wipes it before it is freed.
std::vector<unsigned char> TakeOutput(DATA_BLOB& output) {
  std::unique_ptr<BYTE, LocalMemory> owner(output.pbData);
  std::vector<unsigned char> bytes(output.pbData, output.pbData + output.cbData);
  ::SecureZeroMemory(output.pbData, output.cbData);
  return bytes;
}

std::wstring Widened(const std::string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

std::optional<ProtectedBytes> ProtectForCurrentUser(const std::vector<unsigned char>& secret,
                                                    const std::string& purpose) {
  DATA_BLOB input = BlobOf(secret);
  DATA_BLOB entropy = EntropyOf(purpose);
  DATA_BLOB output{};
  const std::wstring description = Widened(purpose);
  if (!::CryptProtectData(&input, description.c_str(), &entropy, nullptr, nullptr,
                          CRYPTPROTECT_UI_FORBIDDEN, &output))
    return std::nullopt;
  return TakeOutput(output);
}

std::optional<std::vector<unsigned char>> UnprotectForCurrentUser(const ProtectedBytes& blob,
                                                                  const std::string& purpose) {
  DATA_BLOB input = BlobOf(blob);
  DATA_BLOB entropy = EntropyOf(purpose);
  DATA_BLOB output{};
  if (!::CryptUnprotectData(&input, nullptr, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN,
                            &output))
    return std::nullopt;
  return TakeOutput(output);
}

}  // namespace hush
