// How a program shows a message box: a function that tests (or a program
// that must never wait for an answer) put in place of the real box.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace hush {

// Returns the button pressed (IDOK, IDYES...), 0 when the box could not be
// shown.
using ShowBoxFunction =
    std::function<int(const std::string& text, const std::string& caption, unsigned type)>;

// The function when there is one, else a box without an owner.
inline int ShowBox(const ShowBoxFunction& showBox, const std::string& text,
                   const std::string& caption, unsigned type) {
  if (showBox) return showBox(text, caption, type);
  return ::MessageBoxA(nullptr, text.c_str(), caption.c_str(), type);
}

}  // namespace hush
