// hushproxy: the proxy engine as a native command-line program, for
// benchmarks and debugging.
//
//   hushproxy [--ini FILE] [--port N] [--script FILE]
//
// Settings come from FILE (section "Hushwall", the same keys as the
// program's HushINI.ini; missing keys take their defaults); --port overrides
// PopupPort; --script names the blocker script put in front of pages (none
// by default). Runs until SIGINT or SIGTERM.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/blocker_preparation.h"
#include "app/engine_publication.h"
#include "proxy/blocker_script.h"
#include "proxy/proxy_listener.h"
#include "proxy/settings_store.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: hushproxy [--ini FILE] [--port N] [--script FILE]\n");
  return 2;
}

bool ParsePort(const char* text, std::int32_t& port) {
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (*text == '\0' || *end != '\0' || value < 0 || value > 65535) return false;
  port = static_cast<std::int32_t>(value);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string iniPath = "/nonexistent/HushINI.ini";
  std::int32_t port = -1;
  std::string scriptPath = "/nonexistent/HushBlk.js";
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--ini") == 0 && i + 1 < argc) {
      iniPath = argv[++i];
    } else if (std::strcmp(argv[i], "--script") == 0 && i + 1 < argc) {
      scriptPath = argv[++i];
    } else if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc) {
      if (!ParsePort(argv[++i], port)) return Usage();
    } else {
      return Usage();
    }
  }
  hush::OverrideSettingsFilePath(iniPath);
  hush::LoadSettings();
  if (port >= 0) hush::Settings().popupPort.store(port);
  hush::OverrideBlockerScriptPath(scriptPath);
  hush::PrepareBlockerScript();

  // Block the stop signals before any thread starts, then wait for one.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  hush::ProxyListener listener;
  hush::PublishEngineSettings(listener);
  if (!listener.StartListening()) {
    std::fprintf(stderr, "hushproxy: cannot listen on 127.0.0.1:%d\n",
                 static_cast<int>(hush::Settings().popupPort.load()));
    return 1;
  }
  std::printf("hushproxy listening on 127.0.0.1:%u\n",
              static_cast<unsigned>(listener.ListeningPort()));
  std::fflush(stdout);
  int received = 0;
  sigwait(&stopSignals, &received);
  return 0;
}
