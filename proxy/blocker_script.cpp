#include "proxy/blocker_script.h"

#include <fstream>
#include <iterator>

#include "common/diagnostic.h"
#include "common/program_file.h"

namespace hush {
namespace {

constexpr char kScriptFileName[] = "HushBlk.js";
ProgramFile scriptFile(kScriptFileName);

bool ReadWholeFile(const std::string& path, std::string& content) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
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

bool ReadBlockerScript(const std::string& path, std::string& script) {
  return ReadWholeFile(path, script);
}

}  // namespace hush
