#pragma once

#include <string>

namespace hush {

// Puts the text for the calling thread's last socket error into `buffer`;
// with no error the buffer keeps what it holds.
void WinsockErrorText(std::string& buffer);

}  // namespace hush
