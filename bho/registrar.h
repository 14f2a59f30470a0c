// Applies a registration script of the usual in-process server syntax: root
// keys (HKCR, HKLM, HKCU) holding nested keys, each with an optional default
// value ("= s 'text'"), named values ("val Name = s 'text'"), and the
// modifiers NoRemove (kept on unregistration) and ForceRemove (deleted whole
// before it is written again).
#pragma once

#include <string>

namespace hush::bho {

enum class RegistrarAction { kRegister, kUnregister };

// The script with every %NAME% replaced by `value`, written as the script's
// quoted texts want it (an apostrophe doubled): a substituted value always
// stands inside quotes.
std::wstring SubstituteInScript(std::wstring script, const std::wstring& name,
                                const std::wstring& value);

// False when the script cannot be parsed or a key cannot be written; keys
// already written stay (a later unregistration removes them).
bool RunRegistrationScript(const std::wstring& script, RegistrarAction action);

}  // namespace hush::bho
