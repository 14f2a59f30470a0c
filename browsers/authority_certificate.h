// Telling Hushwall's own authority certificates apart from any other.
#pragma once

#include <windows.h>

#include <wincrypt.h>

#include <vector>

#include "common/unique_handle.h"

namespace hush::browsers {

// A certificate given as DER; empty when it does not parse.
UniqueCertificate ParseCertificate(const std::vector<unsigned char>& der);

// A self-issued certificate whose subject's common name is Hushwall's
// authority name (any key: older authorities count too).
bool IsHushwallAuthority(PCCERT_CONTEXT certificate);
bool IsHushwallAuthorityDer(const std::vector<unsigned char>& der);

// SHA-1 of the certificate, as the stores name it; empty on failure.
std::vector<unsigned char> ThumbprintOf(PCCERT_CONTEXT certificate);

}  // namespace hush::browsers
