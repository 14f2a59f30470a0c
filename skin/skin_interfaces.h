// The interfaces of the skin and splash controls, as their callers see them:
// class and interface identifiers and each method at its fixed place in the
// interface's table (IUnknown's three and IDispatch's four methods first).
// Places no caller uses answer E_NOTIMPL.
#pragma once

#include <windows.h>

#include <oaidl.h>

namespace hush::skin {

// {BA8C584B-209C-4D54-8BB1-8AB5F1DCA18E}
inline constexpr GUID kSkinControlClass = {
    0xBA8C584B, 0x209C, 0x4D54, {0x8B, 0xB1, 0x8A, 0xB5, 0xF1, 0xDC, 0xA1, 0x8E}};
// {92AEA298-248E-45DB-97B6-A8C7CD5892E7}
inline constexpr GUID kSkinInterface = {
    0x92AEA298, 0x248E, 0x45DB, {0x97, 0xB6, 0xA8, 0xC7, 0xCD, 0x58, 0x92, 0xE7}};
// {7DF90993-429D-41C3-BA1D-DB8B619D332E}
inline constexpr GUID kWindowSkinInterface = {
    0x7DF90993, 0x429D, 0x41C3, {0xBA, 0x1D, 0xDB, 0x8B, 0x61, 0x9D, 0x33, 0x2E}};
// {6241AF3F-2B41-41AD-A268-68CD710D34C2}
inline constexpr GUID kSplashControlClass = {
    0x6241AF3F, 0x2B41, 0x41AD, {0xA2, 0x68, 0x68, 0xCD, 0x71, 0x0D, 0x34, 0xC2}};
// {25B5C75A-CC13-443C-AA0F-D92A2A8ECE7E}
inline constexpr GUID kSplashInterface = {
    0x25B5C75A, 0xCC13, 0x443C, {0xAA, 0x0F, 0xD9, 0x2A, 0x2A, 0x8E, 0xCE, 0x7E}};
// The decoration beside the wizard's last page: a control with no interface
// of its own. {0944D16C-D0F4-4389-982A-A085595A9EB3}
inline constexpr GUID kBadgeControlClass = {
    0x0944D16C, 0xD0F4, 0x4389, {0x98, 0x2A, 0xA0, 0x85, 0x59, 0x5A, 0x9E, 0xB3}};

#define HUSH_UNUSED_SLOT(n) \
  virtual HRESULT STDMETHODCALLTYPE Unused##n() { return E_NOTIMPL; }

// Window handles cross these interfaces as 32-bit numbers, as on every
// Windows the controls run on (handles are sign-extended on 64-bit systems).
inline HWND WindowFromNumber(LONG number) {
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(number));
}
inline LONG NumberFromWindow(HWND window) {
  return static_cast<LONG>(reinterpret_cast<LONG_PTR>(window));
}

// Brings one skinned window's drawing up to date.
struct IWindowSkin : public IDispatch {
  HUSH_UNUSED_SLOT(7)
  HUSH_UNUSED_SLOT(8)
  HUSH_UNUSED_SLOT(9)
  HUSH_UNUSED_SLOT(10)
  HUSH_UNUSED_SLOT(11)
  HUSH_UNUSED_SLOT(12)
  HUSH_UNUSED_SLOT(13)
  HUSH_UNUSED_SLOT(14)
  HUSH_UNUSED_SLOT(15)
  HUSH_UNUSED_SLOT(16)
  HUSH_UNUSED_SLOT(17)
  HUSH_UNUSED_SLOT(18)
  HUSH_UNUSED_SLOT(19)
  HUSH_UNUSED_SLOT(20)
  HUSH_UNUSED_SLOT(21)
  HUSH_UNUSED_SLOT(22)
  HUSH_UNUSED_SLOT(23)
  HUSH_UNUSED_SLOT(24)
  HUSH_UNUSED_SLOT(25)
  HUSH_UNUSED_SLOT(26)
  HUSH_UNUSED_SLOT(27)
  HUSH_UNUSED_SLOT(28)
  HUSH_UNUSED_SLOT(29)
  HUSH_UNUSED_SLOT(30)
  HUSH_UNUSED_SLOT(31)
  HUSH_UNUSED_SLOT(32)
  HUSH_UNUSED_SLOT(33)
  // 34: redraws the window and its children with the window's skin.
  virtual HRESULT STDMETHODCALLTYPE RefreshSkin() = 0;
};

// Loads skins and puts them on windows.
struct ISkin : public IDispatch {
  HUSH_UNUSED_SLOT(7)
  // 8: the skin in this file becomes the current skin of every instance in
  // the process; a file that cannot be read leaves the current skin.
  virtual HRESULT STDMETHODCALLTYPE LoadSkinFile(const wchar_t* path) = 0;
  HUSH_UNUSED_SLOT(9)
  HUSH_UNUSED_SLOT(10)
  HUSH_UNUSED_SLOT(11)
  HUSH_UNUSED_SLOT(12)
  // 13: the window is drawn with the current skin from now on.
  virtual HRESULT STDMETHODCALLTYPE ApplySkin(LONG window) = 0;
  HUSH_UNUSED_SLOT(14)
  HUSH_UNUSED_SLOT(15)
  HUSH_UNUSED_SLOT(16)
  // 17: the skin object of a skinned window; S_FALSE and nullptr otherwise.
  virtual HRESULT STDMETHODCALLTYPE GetWindowSkin(LONG window, IDispatch** skin) = 0;
};

// Shows a picture while the program starts.
struct ISplash : public IDispatch {
  HUSH_UNUSED_SLOT(7)
  HUSH_UNUSED_SLOT(8)
  HUSH_UNUSED_SLOT(9)
  HUSH_UNUSED_SLOT(10)
  HUSH_UNUSED_SLOT(11)
  HUSH_UNUSED_SLOT(12)
  HUSH_UNUSED_SLOT(13)
  HUSH_UNUSED_SLOT(14)
  HUSH_UNUSED_SLOT(15)
  HUSH_UNUSED_SLOT(16)
  HUSH_UNUSED_SLOT(17)
  // 18: shows the splash; 0 returns once it has gone, anything else at once.
  virtual HRESULT STDMETHODCALLTYPE Show(LONG returnAtOnce) = 0;
  HUSH_UNUSED_SLOT(19)
  HUSH_UNUSED_SLOT(20)
  HUSH_UNUSED_SLOT(21)
  HUSH_UNUSED_SLOT(22)
  HUSH_UNUSED_SLOT(23)
  HUSH_UNUSED_SLOT(24)
  // 25: non-zero lets a click close the splash early.
  virtual HRESULT STDMETHODCALLTYPE SetClickToClose(LONG enabled) = 0;
  HUSH_UNUSED_SLOT(26)
  HUSH_UNUSED_SLOT(27)
  HUSH_UNUSED_SLOT(28)
  // 29: reads the splash file (picture and display time).
  virtual HRESULT STDMETHODCALLTYPE LoadSplashFile(const wchar_t* path) = 0;
};

#undef HUSH_UNUSED_SLOT

}  // namespace hush::skin
