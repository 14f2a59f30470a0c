// Where Hushwall is installed. The setup program records the folder once
// for the whole machine; installations made before that kept it among the
// user's own values, which are still read when the machine has none.
#pragma once

#include <string>

namespace hush {

inline constexpr char kInstallationKey[] = "Software\\Hushwall";
inline constexpr char kInstallationValue[] = "Path";

// The folder without a trailing backslash; empty when neither
// HKEY_LOCAL_MACHINE nor HKEY_CURRENT_USER names one.
std::string InstallationFolder();

}  // namespace hush
