// A small robot for black-box tests: finds top-level windows by title (or by
// class, written "class:NAME"), reads their controls, presses buttons and
// keys and posts messages, each with a time limit, so a test can drive the
// real program as a user would. A TITLE "child:ID" names the top-level
// window that holds a control of that id (windows without a title).
//
//   robot wait TITLE [SECONDS]         a window with this title exists
//   robot gone TITLE [SECONDS]         no window with this title exists
//   robot texts TITLE [SECONDS]        prints the texts of its controls
//   robot click TITLE BUTTON [SECONDS] presses the button labelled BUTTON
//   robot check TITLE BOX [SECONDS]    ticks the check box labelled BOX
//   robot post TITLE MESSAGE [WPARAM [LPARAM]]
//                                      posts MESSAGE (a number, or the name
//                                      of a registered message; within 10 s)
//   robot show TITLE SECONDS           shows a window with this title for
//                                      SECONDS, then prints its title
//   robot hang TITLE SECONDS           the same, answering no message
//   robot state TITLE ID               prints "checked enabled visible" (0/1)
//                                      and the text of control ID
//   robot text TITLE ID                prints the text control ID holds (an
//                                      edit box's, which "state" cannot see)
//   robot toggle TITLE ID              clicks control ID (a box changes);
//                                      fails when it is disabled
//   robot key TITLE KEY                presses virtual key KEY (a number)
//                                      where the window's thread has focus
//   robot tab TITLE INDEX              brings property-sheet tab INDEX up
//   robot ticks TITLE ID               prints each entry of list view ID
//                                      with its tick, "NAME:1" or "NAME:0"
//   robot tickclick TITLE ID NAME      clicks the tick box of entry NAME
//   robot tickkey TITLE ID NAME        moves to entry NAME, presses space
//   robot choose TITLE ID TEXT         picks entry TEXT of combo box ID
//   robot settext TITLE ID[/ID] TEXT   types TEXT into the first control found
//   robot answering TITLE SECONDS      the window answers within SECONDS
//   robot move TITLE X Y               moves the window (for pictures)
//   robot broadcast MESSAGE            sends a registered message to every
//                                      top-level window, as the shell does
//   robot tray count                   prints how many tray icons there are
//   robot tray remove TITLE            removes the tray icon of that window
// Exit status 0 on success, 1 when the time ran out, 2 on bad arguments.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// Every top-level window with this title (or class, or a control of this
// id: "child:ID"), hidden ones too: a message box may share its caption
// with the program's main window.
std::vector<HWND> WindowsTitled(const std::string& title) {
  struct Search {
    std::string className, title;
    int childId = 0;
    std::vector<HWND> found;
  } search;
  const std::string classPrefix = "class:", childPrefix = "child:";
  if (title.rfind(classPrefix, 0) == 0)
    search.className = title.substr(classPrefix.size());
  else if (title.rfind(childPrefix, 0) == 0)
    search.childId = std::atoi(title.substr(childPrefix.size()).c_str());
  else
    search.title = title;
  ::EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* search = reinterpret_cast<Search*>(context);
        char text[1024] = {};
        if (search->childId != 0) {
          if (::GetDlgItem(window, search->childId) != nullptr) search->found.push_back(window);
        } else if (search->className.empty()) {
          ::GetWindowTextA(window, text, sizeof text);
          if (search->title == text) search->found.push_back(window);
        } else {
          ::GetClassNameA(window, text, sizeof text);
          if (search->className == text) search->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  // A window under a modal box is disabled: the box comes first.
  std::stable_partition(search.found.begin(), search.found.end(),
                        [](HWND window) { return ::IsWindowEnabled(window) != FALSE; });
  return search.found;
}

HWND FindByTitle(const std::string& title) {
  const std::vector<HWND> windows = WindowsTitled(title);
  return windows.empty() ? nullptr : windows.front();
}

// Polls `found` every 50 ms until it holds or `seconds` pass.
template <typename Condition>
bool Within(double seconds, Condition found) {
  const DWORD limit = ::GetTickCount() + static_cast<DWORD>(seconds * 1000);
  for (;;) {
    if (found()) return true;
    if (static_cast<LONG>(::GetTickCount() - limit) > 0) return false;
    ::Sleep(50);
  }
}

std::string TextOf(HWND window) {
  char text[4096] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  ::EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

// Button labels may carry an accelerator ampersand.
bool SameLabel(std::string label, const std::string& wanted) {
  std::string plain;
  for (char c : label)
    if (c != '&') plain += c;
  return plain == wanted || label == wanted;
}

int Usage() {
  std::fprintf(stderr,
               "usage: robot wait|gone|texts|click|check|post|show|hang|state|toggle|key|tab|"
               "answering TITLE [...] | broadcast MESSAGE | tray count | tray remove TITLE\n");
  return 2;
}

// A message number, or the name of a registered message.
UINT MessageNumber(const std::string& text) {
  char* end = nullptr;
  const unsigned long number = std::strtoul(text.c_str(), &end, 10);
  if (end != text.c_str() && *end == '\0') return static_cast<UINT>(number);
  return ::RegisterWindowMessageA(text.c_str());
}

// Memory in a control's process: messages whose argument points at memory
// are not carried across processes, so what they point at is written there
// and read back after.
class RemoteMemory {
 public:
  RemoteMemory(HWND control, size_t size) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(control, &processId);
    process_ =
        ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_ != nullptr)
      address_ =
          static_cast<char*>(::VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
  }
  ~RemoteMemory() {
    if (address_ != nullptr) ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_ != nullptr) ::CloseHandle(process_);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  char* address() const { return address_; }
  bool Write(size_t offset, const void* data, size_t size) const {
    return address_ != nullptr &&
           ::WriteProcessMemory(process_, address_ + offset, data, size, nullptr);
  }
  bool Read(size_t offset, void* data, size_t size) const {
    return address_ != nullptr &&
           ::ReadProcessMemory(process_, address_ + offset, data, size, nullptr);
  }

 private:
  HANDLE process_ = nullptr;
  char* address_ = nullptr;
};

template <typename T>
bool SendWithStruct(HWND control, UINT message, WPARAM wParam, T& data) {
  RemoteMemory remote(control, sizeof data);
  if (!remote.Write(0, &data, sizeof data)) return false;
  ::SendMessageA(control, message, wParam, reinterpret_cast<LPARAM>(remote.address()));
  return remote.Read(0, &data, sizeof data);
}

std::string ListItemText(HWND list, int index);

// The entry of a list view that reads NAME, or -1.
int ListItemNamed(HWND list, const std::string& name) {
  const auto count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int index = 0; index < count; ++index)
    if (ListItemText(list, index) == name) return index;
  return -1;
}

std::string ListItemText(HWND list, int index) {
  constexpr size_t kTextSize = 256;
  RemoteMemory remote(list, sizeof(LVITEMA) + kTextSize);
  LVITEMA item{};
  item.pszText = remote.address() + sizeof item;
  item.cchTextMax = kTextSize;
  char text[kTextSize] = {};
  if (!remote.Write(0, &item, sizeof item)) return {};
  ::SendMessageA(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(remote.address()));
  remote.Read(sizeof item, text, kTextSize - 1);
  return text;
}

// A control anywhere below the window (pages of a sheet included); a
// visible one first, as pages of a sheet reuse their controls' ids.
HWND ControlById(const std::string& title, int id) {
  HWND control = nullptr;
  Within(10, [&] {
    HWND hidden = nullptr;
    for (HWND found : WindowsTitled(title))
      for (HWND child : Children(found)) {
        if (::GetDlgCtrlID(child) != id) continue;
        if (::IsWindowVisible(child)) {
          control = child;
          return true;
        }
        if (hidden == nullptr) hidden = child;
      }
    control = hidden;
    return control != nullptr;
  });
  return control;
}

// Shows a window with `title` for `seconds`; `answering` pumps its messages.
int ShowWindowFor(const std::string& title, double seconds, bool answering) {
  HWND window = ::CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                  0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  if (window == nullptr) return 1;
  if (answering) {
    // Answers messages meanwhile: other programs read and set its title.
    Within(seconds, [] {
      MSG message;
      while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
      return false;
    });
  } else {
    ::Sleep(static_cast<DWORD>(seconds * 1000));
  }
  std::printf("%s\n", TextOf(window).c_str());
  ::DestroyWindow(window);
  return 0;
}

// Wine shows tray icons as windows of its own tray window.
int TrayIconCount() {
  int count = 0;
  HWND tray = ::FindWindowA("__winex11_standalone_tray", nullptr);
  if (tray == nullptr) tray = ::FindWindowA("Shell_TrayWnd", nullptr);
  for (HWND child : Children(tray)) {
    char name[64] = {};
    ::GetClassNameA(child, name, sizeof name);
    if (std::string(name) == "__winex11_tray_icon" && ::IsWindowVisible(child)) ++count;
  }
  return count;
}

using Arguments = std::vector<std::string>;
using Command = std::function<int(const Arguments&)>;

double SecondsAt(const Arguments& args, size_t index) {
  return args.size() > index ? std::atof(args[index].c_str()) : 10.0;
}

std::map<std::string, std::pair<size_t, Command>> Commands() {
  std::map<std::string, std::pair<size_t, Command>> commands;
  commands["wait"] = {
      1, [](const Arguments& a) {
        return Within(SecondsAt(a, 1), [&] { return FindByTitle(a[0]) != nullptr; }) ? 0 : 1;
      }};
  commands["gone"] = {
      1, [](const Arguments& a) {
        return Within(SecondsAt(a, 1), [&] { return FindByTitle(a[0]) == nullptr; }) ? 0 : 1;
      }};
  commands["texts"] = {
      1, [](const Arguments& a) {
        std::vector<HWND> windows;
        if (!Within(SecondsAt(a, 1), [&] { return !(windows = WindowsTitled(a[0])).empty(); }))
          return 1;
        for (HWND found : windows)
          for (HWND child : Children(found)) std::printf("%s\n", TextOf(child).c_str());
        return 0;
      }};
  auto press = [](bool tick) {
    return [tick](const Arguments& a) {
      HWND window = nullptr, button = nullptr;
      if (!Within(SecondsAt(a, 2), [&] {
            for (HWND found : WindowsTitled(a[0]))
              for (HWND child : Children(found))
                if (button == nullptr && SameLabel(TextOf(child), a[1])) {
                  window = ::GetParent(child);
                  button = child;
                }
            return button != nullptr;
          }))
        return 1;
      if (tick) ::SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
      ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
      return 0;
    };
  };
  commands["click"] = {2, press(false)};
  commands["check"] = {2, press(true)};
  commands["show"] = {
      2, [](const Arguments& a) { return ShowWindowFor(a[0], SecondsAt(a, 1), true); }};
  commands["hang"] = {
      2, [](const Arguments& a) { return ShowWindowFor(a[0], SecondsAt(a, 1), false); }};
  commands["post"] = {
      2, [](const Arguments& a) {
        HWND window = nullptr;
        if (!Within(10, [&] { return (window = FindByTitle(a[0])) != nullptr; })) return 1;
        const WPARAM wParam = a.size() > 2 ? std::strtoull(a[2].c_str(), nullptr, 10) : 0;
        const LPARAM lParam = a.size() > 3 ? std::strtoll(a[3].c_str(), nullptr, 10) : 0;
        return ::PostMessageA(window, MessageNumber(a[1]), wParam, lParam) ? 0 : 1;
      }};
  commands["state"] = {2, [](const Arguments& a) {
                         HWND control = ControlById(a[0], std::atoi(a[1].c_str()));
                         if (control == nullptr) return 1;
                         std::printf(
                             "%d %d %d %s\n",
                             ::SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0,
                             ::IsWindowEnabled(control) ? 1 : 0, ::IsWindowVisible(control) ? 1 : 0,
                             TextOf(control).c_str());
                         return 0;
                       }};
  // Asked of the control itself: across processes GetWindowText reads only
  // the window's title, which an edit box does not keep up to date.
  commands["text"] = {
      2, [](const Arguments& a) {
        HWND control = ControlById(a[0], std::atoi(a[1].c_str()));
        char text[4096] = {};
        DWORD_PTR copied = 0;
        if (control == nullptr ||
            !::SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                                   SMTO_ABORTIFHUNG, 10000, &copied))
          return 1;
        std::printf("%s\n", text);
        return 0;
      }};
  commands["toggle"] = {2, [](const Arguments& a) {
                          // A user cannot click a disabled control; BM_CLICK could.
                          HWND control = ControlById(a[0], std::atoi(a[1].c_str()));
                          return control != nullptr && ::IsWindowEnabled(control) &&
                                         ::PostMessageA(control, BM_CLICK, 0, 0)
                                     ? 0
                                     : 1;
                        }};
  commands["key"] = {2, [](const Arguments& a) {
                       HWND window = FindByTitle(a[0]);
                       if (window == nullptr) return 1;
                       GUITHREADINFO info{};
                       info.cbSize = sizeof info;
                       ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
                       HWND target = info.hwndFocus != nullptr ? info.hwndFocus : window;
                       const WPARAM key = std::strtoul(a[1].c_str(), nullptr, 10);
                       ::PostMessageA(target, WM_KEYDOWN, key, 1);
                       ::PostMessageA(target, WM_KEYUP, key, 0xC0000001);
                       return 0;
                     }};
  commands["tab"] = {2, [](const Arguments& a) {
                       HWND window = FindByTitle(a[0]);
                       return window != nullptr && ::PostMessageA(window, PSM_SETCURSEL,
                                                                  std::atoi(a[1].c_str()), 0)
                                  ? 0
                                  : 1;
                     }};
  commands["ticks"] = {2, [](const Arguments& a) {
                         HWND list = ControlById(a[0], std::atoi(a[1].c_str()));
                         if (list == nullptr) return 1;
                         const auto count = ::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
                         std::string ticks;
                         for (LRESULT item = 0; item < count; ++item) {
                           const auto state =
                               ::SendMessageA(list, LVM_GETITEMSTATE, item, LVIS_STATEIMAGEMASK);
                           ticks += ListItemText(list, static_cast<int>(item)) +
                                    (((state & LVIS_STATEIMAGEMASK) >> 12) == 2 ? ":1 " : ":0 ");
                         }
                         std::printf("%s\n", ticks.c_str());
                         return 0;
                       }};
  // A mouse click on the tick box of the list entry named, where the list
  // itself finds it (its hit test), as a user's click would land.
  commands["tickclick"] = {3, [](const Arguments& a) {
                             HWND list = ControlById(a[0], std::atoi(a[1].c_str()));
                             const int item = list ? ListItemNamed(list, a[2]) : -1;
                             RECT bounds{};
                             bounds.left = LVIR_BOUNDS;
                             if (item < 0 || !SendWithStruct(list, LVM_GETITEMRECT, item, bounds))
                               return 1;
                             for (int x = bounds.left; x < bounds.right; ++x) {
                               LVHITTESTINFO hit{};
                               hit.pt = {x, (bounds.top + bounds.bottom) / 2};
                               SendWithStruct(list, LVM_HITTEST, 0, hit);
                               if (hit.iItem != item || !(hit.flags & LVHT_ONITEMSTATEICON))
                                 continue;
                               const LPARAM at = MAKELPARAM(hit.pt.x, hit.pt.y);
                               ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
                               ::SendMessageA(list, WM_LBUTTONUP, 0, at);
                               return 0;
                             }
                             return 1;
                           }};
  // The space bar on the list entry named, once the user has moved to it.
  commands["tickkey"] = {3, [](const Arguments& a) {
                           HWND list = ControlById(a[0], std::atoi(a[1].c_str()));
                           const int item = list ? ListItemNamed(list, a[2]) : -1;
                           if (item < 0) return 1;
                           LVITEMA state{};
                           state.stateMask = state.state = LVIS_FOCUSED | LVIS_SELECTED;
                           SendWithStruct(list, LVM_SETITEMSTATE, item, state);
                           ::PostMessageA(list, WM_KEYDOWN, VK_SPACE, 1);
                           ::PostMessageA(list, WM_KEYUP, VK_SPACE, 0xC0000001);
                           return 0;
                         }};
  // Picks the entry reading TEXT in combo box ID, as a user's choice would
  // (the owner hears of the change).
  commands["choose"] = {
      3, [](const Arguments& a) {
        HWND box = ControlById(a[0], std::atoi(a[1].c_str()));
        if (box == nullptr) return 1;
        // Wine carries the text across processes itself, for
        // plain and extended combo boxes alike.
        const auto index = ::SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(a[2].c_str()));
        if (index == CB_ERR) return 1;
        ::SendMessageA(box, CB_SETCURSEL, index, 0);
        ::PostMessageA(::GetParent(box), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(box), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(box));
        return 0;
      }};
  // Types TEXT into control ID (the first of several ids given as A/B that
  // the window has).
  commands["settext"] = {
      3, [](const Arguments& a) {
        HWND control = nullptr;
        for (std::size_t at = 0; control == nullptr && at < a[1].size();) {
          const std::size_t slash = a[1].find('/', at);
          control = ControlById(a[0], std::atoi(a[1].substr(at, slash - at).c_str()));
          at = slash == std::string::npos ? a[1].size() : slash + 1;
        }
        return control != nullptr && ::SendMessageA(control, WM_SETTEXT, 0,
                                                    reinterpret_cast<LPARAM>(a[2].c_str()))
                   ? 0
                   : 1;
      }};
  commands["answering"] = {2, [](const Arguments& a) {
                             HWND window = FindByTitle(a[0]);
                             DWORD_PTR result = 0;
                             const UINT limit = static_cast<UINT>(SecondsAt(a, 1) * 1000);
                             return window != nullptr &&
                                            ::SendMessageTimeoutA(window, WM_NULL, 0, 0,
                                                                  SMTO_ABORTIFHUNG, limit, &result)
                                        ? 0
                                        : 1;
                           }};
  commands["move"] = {3, [](const Arguments& a) {
                        HWND window = FindByTitle(a[0]);
                        return window != nullptr &&
                                       ::SetWindowPos(window, nullptr, std::atoi(a[1].c_str()),
                                                      std::atoi(a[2].c_str()), 0, 0,
                                                      SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
                                   ? 0
                                   : 1;
                      }};
  commands["broadcast"] = {1, [](const Arguments& a) {
                             DWORD_PTR result = 0;
                             ::SendMessageTimeoutA(HWND_BROADCAST, MessageNumber(a[0]), 0, 0,
                                                   SMTO_ABORTIFHUNG, 5000, &result);
                             return 0;
                           }};
  commands["tray"] = {1, [](const Arguments& a) {
                        if (a[0] == "count") {
                          std::printf("%d\n", TrayIconCount());
                          return 0;
                        }
                        HWND window = a.size() > 1 ? FindByTitle(a[1]) : nullptr;
                        if (a[0] != "remove" || window == nullptr) return Usage();
                        NOTIFYICONDATAA icon{};
                        icon.cbSize = sizeof icon;
                        icon.hWnd = window;
                        icon.uID = 1;
                        return ::Shell_NotifyIconA(NIM_DELETE, &icon) ? 0 : 1;
                      }};
  return commands;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const auto commands = Commands();
  const auto command = commands.find(argv[1]);
  const Arguments args(argv + 2, argv + argc);
  if (command == commands.end() || args.size() < command->second.first) return Usage();
  return command->second.second(args);
}
