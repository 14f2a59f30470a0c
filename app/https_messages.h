// What the user is told after switching HTTPS filtering, or after
// start-up could not bring it on: one box for what stopped the change, one
// for the profiles Hushwall left alone, one for files it could not delete.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/https_authority.h"

namespace hush {

struct HttpsBox {
  std::string text;
  UINT type = MB_OK;
};

// The boxes for a change (none when it went through cleanly).
// `atStartUp`: start-up wanted filtering on and it stays off for this run.
std::vector<HttpsBox> HttpsChangeBoxes(const HttpsChange& change, bool switchingOn,
                                       const std::string& dataFolder, bool atStartUp = false);

void ShowHttpsChange(HWND owner, const std::vector<HttpsBox>& boxes);

}  // namespace hush
