#include "skin/skin.h"

#include <cwchar>

namespace hush::skin {
namespace {

constexpr wchar_t kSection[] = L"Skin";
constexpr int kWidestFrame = 32;

std::wstring ReadValue(const std::wstring& path, const wchar_t* key) {
  wchar_t text[256] = {};
  ::GetPrivateProfileStringW(kSection, key, L"", text, 256, path.c_str());
  return text;
}

COLORREF ReadColor(const std::wstring& path, const wchar_t* key, COLORREF fallback) {
  return ParseColor(ReadValue(path, key), fallback);
}

}  // namespace

Skin::Skin(std::wstring name, const SkinColors& colors)
    : name_(std::move(name)),
      colors_(colors),
      background_(::CreateSolidBrush(colors.background)),
      frame_(::CreateSolidBrush(colors.frame)) {}

std::shared_ptr<const Skin> Skin::FromFile(const std::wstring& path) {
  if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return nullptr;
  const SkinColors plain;
  SkinColors colors;
  colors.background = ReadColor(path, L"Background", plain.background);
  colors.text = ReadColor(path, L"Text", plain.text);
  colors.panel = ReadColor(path, L"Panel", plain.panel);
  colors.frame = ReadColor(path, L"Frame", plain.frame);
  const UINT width = ::GetPrivateProfileIntW(kSection, L"FrameWidth", 0, path.c_str());
  colors.frameWidth = width > kWidestFrame ? kWidestFrame : static_cast<int>(width);
  return std::make_shared<const Skin>(ReadValue(path, L"Name"), colors);
}

std::shared_ptr<const Skin> Skin::Plain() {
  SkinColors colors;
  colors.background = ::GetSysColor(COLOR_BTNFACE);
  colors.text = ::GetSysColor(COLOR_BTNTEXT);
  return std::make_shared<const Skin>(L"", colors);
}

COLORREF ParseColor(const std::wstring& text, COLORREF fallback) {
  int part[3] = {};
  const wchar_t* at = text.c_str();
  for (int i = 0; i < 3; ++i) {
    wchar_t* end = nullptr;
    const long value = std::wcstol(at, &end, 10);
    if (end == at || value < 0 || value > 255) return fallback;
    part[i] = static_cast<int>(value);
    at = end;
    while (*at == L' ') ++at;
    if (i < 2 && *at++ != L',') return fallback;
  }
  return *at == L'\0' ? RGB(part[0], part[1], part[2]) : fallback;
}

}  // namespace hush::skin
