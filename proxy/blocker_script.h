// The blocker script file, "HushBlk.js" in the program's folder, and the
// title marker its script puts on windows. What the script becomes before it
// goes in front of pages is the program's to decide.
#pragma once

#include <string>

#include "product_names.h"

namespace hush {

// What the script puts at the start of the browser window's title for every
// pop-up it stops.
inline constexpr char kPopupTitleMarker[] = HUSH_WEB_SITE " Catch Another Popup";

std::string BlockerScriptPath();
// Reads the script from another file (the native tool and tests); an empty
// path goes back to the program's folder.
void OverrideBlockerScriptPath(std::string path);

// Reports to the diagnostic sink when the script file cannot be read.
void LocateBlockerScript();
// The script file's bytes as they are; false when it cannot be read.
bool ReadBlockerScript(const std::string& path, std::string& script);

// The script with its first "%s" replaced by `statement` and every "%%"
// turned into "%", as printf would format it; nothing else is interpreted.
std::string FillScriptSlot(const std::string& script, const std::string& statement);

}  // namespace hush
