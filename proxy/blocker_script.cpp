#include "proxy/blocker_script.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "common/diagnostic.h"
#include "common/ini_file.h"
#include "common/program_file.h"
#include "proxy/proxy_settings.h"
#include "proxy/published.h"

namespace hush {
namespace {

constexpr char kScriptFileName[] = "HushBlk.js";
ProgramFile scriptFile(kScriptFileName);
constexpr char kAlertSoundFileName[] = "PopUp.wav";

Published<std::string> prepared;

bool ReadWholeFile(const std::string& path, std::string& content) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}

std::string FolderOf(const std::string& path) {
  return path.substr(0, path.find_last_of("\\/") + 1);
}

std::string AlertStatement(const std::string& soundPath) {
  std::string statement = "if( QX_beep ) QX_beep.src=\"" + soundPath + "\";";
  std::replace(statement.begin(), statement.end(), '\\', '/');
  return statement;
}

}  // namespace

std::string BlockerScriptPath() { return scriptFile.Path(); }

void OverrideBlockerScriptPath(std::string path) { scriptFile.Override(std::move(path)); }

void LocateBlockerScript() {
  const std::string path = BlockerScriptPath();
  if (!std::ifstream(path, std::ios::binary))
    ReportDiagnostic(FormatText("Warning: The %s file does not exist.\n\nFile name: '%s'", "Popup",
                                path.c_str()));
}

std::string FillScriptSlot(const std::string& script, const std::string& statement) {
  std::string filled;
  filled.reserve(script.size() + statement.size());
  bool slotFilled = false;
  for (size_t i = 0; i < script.size(); ++i) {
    if (script[i] == '%' && i + 1 < script.size()) {
      if (script[i + 1] == '%') {
        filled += '%';
        ++i;
        continue;
      }
      if (script[i + 1] == 's' && !slotFilled) {
        filled += statement;
        slotFilled = true;
        ++i;
        continue;
      }
    }
    filled += script[i];
  }
  return filled;
}

namespace {

void PrepareFromFile(const std::string& path) {
  std::string script;
  if (!ReadWholeFile(path, script)) return;  // keeps what was prepared before
  const size_t slot = script.find("%s");
  if (slot != std::string::npos) {
    if (Settings().playWave.load() != 0) {
      // The file is never used as a format: only its slot and "%%" count.
      script = FillScriptSlot(script, AlertStatement(FolderOf(path) + kAlertSoundFileName));
    } else {
      script.replace(slot, 2, "  ");
    }
  }
  SetPreparedBlockerScript(std::move(script));
}

}  // namespace

void PrepareBlockerScript() {
  // Called on the user-interface thread: running out of memory here keeps
  // the script that was prepared before instead of ending the program.
  try {
    PrepareFromFile(BlockerScriptPath());
  } catch (const std::bad_alloc&) {
  }
}

std::shared_ptr<const std::string> PreparedBlockerScript() { return prepared.Load(); }

void SetPreparedBlockerScript(std::string script) {
  prepared.Store(std::make_shared<const std::string>(std::move(script)));
}

}  // namespace hush
