#include "ui/tray_icon.h"

#include <algorithm>
#include <cstring>

#include "ui/resource_ids.h"

namespace hush {
namespace {

constexpr UINT kIconId = 1;

HICON CatchingIcon(bool catching) {
  return static_cast<HICON>(::LoadImageA(
      ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(catching ? IDI_CATCHING_ON : IDI_CATCHING_OFF),
      IMAGE_ICON, 16, 16, LR_SHARED));
}

}  // namespace

NOTIFYICONDATAA TrayIcon::Record(HWND owner, const std::string& tip) {
  NOTIFYICONDATAA record{};
  record.cbSize = sizeof record;
  record.hWnd = owner;
  record.uID = kIconId;
  const std::size_t length = std::min(tip.size(), sizeof record.szTip - 1);
  std::memcpy(record.szTip, tip.data(), length);
  record.szTip[length] = '\0';
  return record;
}

bool TrayIcon::Add(HWND owner, UINT callbackMessage, bool catching) {
  owner_ = owner;
  NOTIFYICONDATAA record = Record(owner);
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = callbackMessage;
  record.hIcon = CatchingIcon(catching);
  added_ = ::Shell_NotifyIconA(NIM_ADD, &record) != FALSE;
  // The picture just given is the one shown: a later change compares with it.
  shownCatching_ = catching;
  return added_;
}

void TrayIcon::ShowCatching(bool catching) {
  if (!added_ || catching == shownCatching_) return;
  NOTIFYICONDATAA record = Record(owner_);
  record.uFlags = NIF_ICON;
  record.hIcon = CatchingIcon(catching);
  if (::Shell_NotifyIconA(NIM_MODIFY, &record)) shownCatching_ = catching;
}

void TrayIcon::SetTip(const std::string& tip) {
  if (!added_) return;
  NOTIFYICONDATAA record = Record(owner_, tip);
  record.uFlags = NIF_TIP;
  ::Shell_NotifyIconA(NIM_MODIFY, &record);
}

void TrayIcon::Remove() {
  if (!added_) return;
  NOTIFYICONDATAA record = Record(owner_);
  ::Shell_NotifyIconA(NIM_DELETE, &record);
  added_ = false;
}

}  // namespace hush
