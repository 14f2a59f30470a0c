// A skin: the colours a skinned window is drawn with, read from a skin file
// ("[Skin]" section; colours as "red,green,blue"):
//   Name=Hushwall  Background=139,185,176  Text=0,0,0
//   Panel=216,233,236  Frame=38,92,84  FrameWidth=4
// A skin is immutable and shared by every window drawn with it; it owns its
// brushes.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "common/unique_handle.h"

namespace hush::skin {

struct SkinColors {
  COLORREF background = RGB(236, 233, 216);
  COLORREF text = RGB(0, 0, 0);
  COLORREF panel = RGB(216, 233, 236);
  COLORREF frame = RGB(128, 128, 128);
  int frameWidth = 0;
};

class Skin {
 public:
  explicit Skin(std::wstring name, const SkinColors& colors);
  Skin(const Skin&) = delete;
  Skin& operator=(const Skin&) = delete;

  // nullptr when the file does not exist.
  static std::shared_ptr<const Skin> FromFile(const std::wstring& path);
  // The look before any skin file is loaded.
  static std::shared_ptr<const Skin> Plain();

  const std::wstring& name() const { return name_; }
  const SkinColors& colors() const { return colors_; }
  HBRUSH backgroundBrush() const { return background_.get(); }
  HBRUSH frameBrush() const { return frame_.get(); }

 private:
  std::wstring name_;
  SkinColors colors_;
  UniqueBrush background_;
  UniqueBrush frame_;
};

// "r,g,b" with each part 0..255, or `fallback`.
COLORREF ParseColor(const std::wstring& text, COLORREF fallback);

}  // namespace hush::skin
