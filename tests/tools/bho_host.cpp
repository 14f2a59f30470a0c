// Stands in for a browser process in the helper library's tests: copied
// under the browser's (or another) file name, it loads the library as the
// browser would, holds it until the test sets the named event, then unloads
// it. Exit code 1: loaded, 2: the library refused. Started without
// arguments (as the library starts the main program) it leaves a
// "started" file beside itself.
#include <windows.h>

#include <fstream>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\') + 1);
    std::ofstream(folder + "started") << "started";
    return 0;
  }
  HMODULE library = ::LoadLibraryA(argv[1]);
  if (library == nullptr) return 2;
  if (argc > 2) {
    HANDLE release = ::OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
    if (release != nullptr) {
      ::WaitForSingleObject(release, 20000);
      ::CloseHandle(release);
    }
  }
  ::FreeLibrary(library);
  return 1;
}
