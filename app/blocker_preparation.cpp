#include "app/blocker_preparation.h"

#include <algorithm>
#include <new>

#include "proxy/blocker_script.h"
#include "proxy/published.h"
#include "proxy/settings_store.h"

namespace hush {
namespace {

constexpr char kAlertSoundFileName[] = "PopUp.wav";

Published<std::string> prepared;

std::string FolderOf(const std::string& path) {
  return path.substr(0, path.find_last_of("\\/") + 1);
}

std::string AlertStatement(const std::string& soundPath) {
  std::string statement = "if( QX_beep ) QX_beep.src=\"" + soundPath + "\";";
  std::replace(statement.begin(), statement.end(), '\\', '/');
  return statement;
}

void PrepareFromFile(const std::string& path) {
  std::string script;
  if (!ReadBlockerScript(path, script)) return;  // keeps what was prepared before
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
