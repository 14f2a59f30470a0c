// Internet Explorer's proxy settings as they were when Hushwall was
// installed: the setup program saves them in "Browser.ini" beside the
// library, removal puts them back once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hush::bho {

// 1 when the saved settings are back (now or before), 0 when there is
// nothing to restore or Internet Explorer's settings key cannot be opened.
int RestoreInternetExplorer();

// The bytes of a saved ProxyEnable text: hexadecimal numbers, each followed
// by one separator character ("1,0,0,0"); a character that starts no number
// reads as 0.
std::vector<std::uint8_t> ParseSavedBytes(const std::string& text);

}  // namespace hush::bho
