// The proxy's diagnostic sink. Texts exist for tracing only: debug builds send
// them to the debugger, release builds drop them, and nothing reaches the user.
#pragma once

#include <functional>
#include <string>

namespace hush {

void ReportDiagnostic(const std::string& text);

// printf-style formatting for diagnostic texts (the wsprintfA conversions).
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// True when a diagnostic would go anywhere, so callers can skip formatting.
bool DiagnosticsWanted();

// Lets tests see every diagnostic; pass an empty function to stop.
void SetDiagnosticObserver(std::function<void(const std::string&)> observer);

}  // namespace hush
