// INI file access and the program's own folder. On Windows
// these are the system's private-profile functions; the native build has a
// small compatible implementation of its own.
#pragma once

#include <cstdint>
#include <string>

namespace hush::ini {

// The folder of the running executable, with its trailing separator.
std::string ExecutableFolder();

// A missing key or an empty value gives `defaultValue`; otherwise the
// leading decimal number, with an optional sign, wrapped to 32 bits
// ("-1" and "4294967295" both give 0xFFFFFFFF); no digits give 0.
std::uint32_t ReadNumber(const std::string& section, const std::string& key,
                         std::uint32_t defaultValue, const std::string& path);

// At most `capacity` - 1 characters of the value, like a fixed buffer.
std::string ReadText(const std::string& section, const std::string& key,
                     const std::string& defaultValue, const std::string& path,
                     std::size_t capacity);

bool WriteText(const std::string& section, const std::string& key, const std::string& value,
               const std::string& path);

// Puts what was written on disk now: a system may hold the writes back,
// and a process killed later would lose them.
void Flush(const std::string& path);

}  // namespace hush::ini
