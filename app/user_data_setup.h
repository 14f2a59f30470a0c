// Making the user's data folder ready at start-up, before the program reads
// anything from it.
#pragma once

#include <string>

namespace hush {

// Set under the user's "Software\Hushwall" once the files an older version
// kept in the installation folder have been carried over: a copy still
// lying there later is stale and must not come back.
inline constexpr char kCarriedOverValue[] = "Data Carried Over";

// Creates `dataFolder` when missing, carries the older version's files over
// once (never over a file the user already has) and gives the user the
// installed default settings when they have none. False when the folder
// cannot be created; a file that could not be copied is tried again at the
// next start.
bool PrepareUserData(const std::string& dataFolder, const std::string& installationFolder);

}  // namespace hush
