// hushproxy: the proxy engine as a native command-line program, for
// benchmarks and debugging.
//
//   hushproxy [--ini FILE] [--port N] [--script FILE]
//             [--https [--ca-out FILE]] [--trust FILE]
//
// Settings come from FILE (section "Hushwall", the same keys as the
// program's HushINI.ini; missing keys take their defaults); --port overrides
// PopupPort; --script names the blocker script put in front of pages (none
// by default). --https switches HTTPS filtering on with a fresh authority
// kept in memory, whose certificate --ca-out writes (PEM) for clients to
// trust; --trust FILE trusts the PEM certificates in FILE as well as the
// system's when servers are verified (test origins). Runs until SIGINT or
// SIGTERM.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "app/blocker_preparation.h"
#include "app/engine_publication.h"
#include "proxy/blocker_script.h"
#include "proxy/proxy_listener.h"
#include "proxy/settings_store.h"
#include "proxy/tls.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: hushproxy [--ini FILE] [--port N] [--script FILE]\n"
               "                 [--https [--ca-out FILE]] [--trust FILE]\n");
  return 2;
}

bool ParsePort(const char* text, std::int32_t& port) {
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (*text == '\0' || *end != '\0' || value < 0 || value > 65535) return false;
  port = static_cast<std::int32_t>(value);
  return true;
}

std::string Base64(const hush::tls::Der& bytes) {
  static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t left = bytes.size() - i;
    const unsigned value =
        bytes[i] << 16 | (left > 1 ? bytes[i + 1] << 8 : 0) | (left > 2 ? bytes[i + 2] : 0);
    for (std::size_t digit = 0; digit < 4; ++digit)
      text += digit <= left ? kDigits[value >> (18 - 6 * digit) & 63] : '=';
  }
  return text;
}

bool WritePem(const std::string& path, const hush::tls::Der& certificate) {
  const std::string body = Base64(certificate);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << "-----BEGIN CERTIFICATE-----\n";
  for (std::size_t at = 0; at < body.size(); at += 64) file << body.substr(at, 64) << '\n';
  file << "-----END CERTIFICATE-----\n";
  return static_cast<bool>(file.flush());
}

// A fresh authority in memory and its minter; null (said why) on failure.
std::shared_ptr<hush::tls::LeafMinter> StartHttpsFiltering(const std::string& caOutPath) {
  auto authority = hush::tls::Authority::Create("Hushwall hushproxy authority");
  if (!authority) {
    std::fprintf(stderr, "hushproxy: cannot make an authority\n");
    return nullptr;
  }
  if (!caOutPath.empty() && !WritePem(caOutPath, authority->Certificate())) {
    std::fprintf(stderr, "hushproxy: cannot write %s\n", caOutPath.c_str());
    return nullptr;
  }
  return hush::tls::LeafMinter::Create(authority);
}

}  // namespace

int main(int argc, char** argv) {
  std::string iniPath = "/nonexistent/HushINI.ini";
  std::int32_t port = -1;
  std::string scriptPath = "/nonexistent/HushBlk.js";
  bool https = false;
  std::string caOutPath, trustPath;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--ini") == 0 && i + 1 < argc) {
      iniPath = argv[++i];
    } else if (std::strcmp(argv[i], "--script") == 0 && i + 1 < argc) {
      scriptPath = argv[++i];
    } else if (std::strcmp(argv[i], "--https") == 0) {
      https = true;
    } else if (std::strcmp(argv[i], "--ca-out") == 0 && i + 1 < argc) {
      caOutPath = argv[++i];
    } else if (std::strcmp(argv[i], "--trust") == 0 && i + 1 < argc) {
      trustPath = argv[++i];
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
  if (!caOutPath.empty() && !https) return Usage();
  if (!trustPath.empty()) hush::tls::TrustAlsoForTesting(trustPath);
  hush::EngineSettings engineSettings = hush::CurrentEngineSettings();
  if (https) {
    engineSettings.minter = StartHttpsFiltering(caOutPath);
    if (!engineSettings.minter) return 1;
    engineSettings.httpsFiltering = true;
  }

  // Block the stop signals before any thread starts, then wait for one.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  hush::ProxyListener listener;
  listener.Publish(std::move(engineSettings));
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
