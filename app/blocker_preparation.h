// The blocker script as the program hands it to the engine: the script file
// with the alert-sound statement in its "%s" slot when the user wants the
// sound, and the element that statement plays through.
#pragma once

#include <memory>
#include <string>

namespace hush {

// Goes right behind a page's head tag when the alert sound is on.
inline constexpr char kAlertElement[] = "<BGSOUND ID='QX_beep'>";

// Re-reads the script file and fills in its slot as the PlayWave setting
// says. A file that cannot be read leaves the prepared script as it was.
void PrepareBlockerScript();

// The prepared script (empty until the first successful preparation).
std::shared_ptr<const std::string> PreparedBlockerScript();
void SetPreparedBlockerScript(std::string script);

}  // namespace hush
