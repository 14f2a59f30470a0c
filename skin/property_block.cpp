#include "skin/property_block.h"

#include <charconv>

namespace hush::skin {
namespace {

// Initial property blocks are a few hundred bytes; anything far larger is
// not one.
constexpr ULONG kLargestBlock = 64 * 1024;

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace

PropertyBlock ParsePropertyBlock(std::string_view text) {
  PropertyBlock block;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view name = Trimmed(line.substr(0, equals));
    if (!name.empty()) block[std::string(name)] = std::string(Trimmed(line.substr(equals + 1)));
  }
  return block;
}

long PropertyNumber(const PropertyBlock& block, const std::string& name, long fallback) {
  const auto found = block.find(name);
  if (found == block.end()) return fallback;
  const std::string& text = found->second;
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size() ? value : fallback;
}

HRESULT PropertyPersistence::GetClassID(CLSID* classId) {
  if (classId == nullptr) return E_POINTER;
  *classId = classId_;
  return S_OK;
}

HRESULT PropertyPersistence::Load(IStream* stream) {
  if (stream == nullptr) return E_POINTER;
  std::string text;
  char chunk[4096];
  ULONG read = 0;
  while (SUCCEEDED(stream->Read(chunk, sizeof chunk, &read)) && read > 0) {
    text.append(chunk, read);
    if (text.size() > kLargestBlock) return E_FAIL;
  }
  apply_(ParsePropertyBlock(text));
  return S_OK;
}

HRESULT PropertyPersistence::InitNew() {
  apply_(PropertyBlock{});
  return S_OK;
}

}  // namespace hush::skin
