// The blocker script that goes in front of every filtered page: read from
// "HushBlk.js" in the program's folder, with the alert-sound statement put
// into its "%s" slot, and handed to connection threads as an immutable
// snapshot.
#pragma once

#include <memory>
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
// Re-reads the script file and fills in the alert statement. A file that
// cannot be read leaves the prepared script as it was.
void PrepareBlockerScript();

// The prepared script (empty until the first successful preparation).
std::shared_ptr<const std::string> PreparedBlockerScript();
void SetPreparedBlockerScript(std::string script);

// The script with its first "%s" replaced by `statement` and every "%%"
// turned into "%", as printf would format it; nothing else is interpreted.
std::string FillScriptSlot(const std::string& script, const std::string& statement);

}  // namespace hush
