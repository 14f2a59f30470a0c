// A small robot for black-box tests: finds top-level windows by title (or by
// class, written "class:NAME"), reads their controls, presses buttons and
// posts messages, each with a time limit, so a test can drive the real
// program as a user would.
//
//   robot wait TITLE [SECONDS]         a window with this title exists
//   robot gone TITLE [SECONDS]         no window with this title exists
//   robot texts TITLE [SECONDS]        prints the texts of its controls
//   robot click TITLE BUTTON [SECONDS] presses the button labelled BUTTON
//   robot check TITLE BOX [SECONDS]    ticks the check box labelled BOX
//   robot post TITLE MESSAGE [WPARAM]  posts MESSAGE (numbers; within 10 s)
//   robot show TITLE SECONDS           shows a window with this title for
//                                      SECONDS, then prints its title
// Exit status 0 on success, 1 when the time ran out, 2 on bad arguments.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Every top-level window with this title (or class), hidden ones too: a
// message box may share its caption with the program's main window.
std::vector<HWND> WindowsTitled(const std::string& title) {
  struct Search {
    std::string className, title;
    std::vector<HWND> found;
  } search;
  const std::string classPrefix = "class:";
  if (title.rfind(classPrefix, 0) == 0)
    search.className = title.substr(classPrefix.size());
  else
    search.title = title;
  ::EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* search = reinterpret_cast<Search*>(context);
        char text[1024] = {};
        if (search->className.empty()) {
          ::GetWindowTextA(window, text, sizeof text);
          if (search->title == text) search->found.push_back(window);
        } else {
          ::GetClassNameA(window, text, sizeof text);
          if (search->className == text) search->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
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
  std::fprintf(stderr, "usage: robot wait|gone|texts|click|check|post TITLE [...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1], title = argv[2];
  auto secondsAt = [&](int index) { return argc > index ? std::atof(argv[index]) : 10.0; };
  HWND window = nullptr;
  if (command == "wait")
    return Within(secondsAt(3), [&] { return FindByTitle(title) != nullptr; }) ? 0 : 1;
  if (command == "gone")
    return Within(secondsAt(3), [&] { return FindByTitle(title) == nullptr; }) ? 0 : 1;
  if (command == "texts") {
    std::vector<HWND> windows;
    if (!Within(secondsAt(3), [&] { return !(windows = WindowsTitled(title)).empty(); })) return 1;
    for (HWND found : windows)
      for (HWND child : Children(found)) std::printf("%s\n", TextOf(child).c_str());
    return 0;
  }
  if ((command == "click" || command == "check") && argc >= 4) {
    const std::string label = argv[3];
    HWND button = nullptr;
    if (!Within(secondsAt(4), [&] {
          for (HWND found : WindowsTitled(title))
            for (HWND child : Children(found))
              if (SameLabel(TextOf(child), label)) {
                window = found;
                button = child;
              }
          return button != nullptr;
        }))
      return 1;
    if (command == "check") ::SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
    return 0;
  }
  if (command == "show" && argc >= 4) {
    window = ::CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               200, 100, nullptr, nullptr, nullptr, nullptr);
    if (window == nullptr) return 1;
    // Answers messages meanwhile: other programs read and set its title.
    Within(secondsAt(3), [] {
      MSG message;
      while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
      return false;
    });
    std::printf("%s\n", TextOf(window).c_str());
    ::DestroyWindow(window);
    return 0;
  }
  if (command == "post" && argc >= 4) {
    if (!Within(10, [&] { return (window = FindByTitle(title)) != nullptr; })) return 1;
    const auto message = static_cast<UINT>(std::strtoul(argv[3], nullptr, 10));
    const WPARAM wParam = argc >= 5 ? std::strtoull(argv[4], nullptr, 10) : 0;
    return ::PostMessageA(window, message, wParam, 0) ? 0 : 1;
  }
  return Usage();
}
