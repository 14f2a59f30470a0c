// An INI file implementation for the native build, following the
// Windows rules the program relies on: case-insensitive section and key
// names, values trimmed of blanks and one pair of surrounding quotes, a
// rewritten key keeps its place, a new key goes to the end of its section.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <vector>

#include "common/ascii.h"
#include "common/ini_file.h"

namespace hush::ini {
namespace {

std::string Trim(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Paths are written the Windows way throughout the program.
std::string NativePath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream file(NativePath(path), std::ios::binary);
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool IsSectionHeader(const std::string& line, std::string* name) {
  std::string trimmed = Trim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[') return false;
  size_t close = trimmed.find(']');
  if (close == std::string::npos) return false;
  if (name != nullptr) *name = Trim(trimmed.substr(1, close - 1));
  return true;
}

bool KeyOfLine(const std::string& line, std::string& key, std::string& value) {
  size_t equals = line.find('=');
  if (equals == std::string::npos) return false;
  key = Trim(line.substr(0, equals));
  value = Trim(line.substr(equals + 1));
  return true;
}

// Index range [begin, end) of the section's body, or begin == npos.
void FindSection(const std::vector<std::string>& lines, const std::string& section, size_t& begin,
                 size_t& end) {
  begin = end = std::string::npos;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string name;
    if (!IsSectionHeader(lines[i], &name)) continue;
    if (begin != std::string::npos) {
      end = i;
      return;
    }
    if (EqualsIgnoringCase(name, section)) begin = i + 1;
  }
  if (begin != std::string::npos) end = lines.size();
}

bool FindValue(const std::string& section, const std::string& key, const std::string& path,
               std::string& value) {
  std::vector<std::string> lines = ReadLines(path);
  size_t begin = 0, end = 0;
  FindSection(lines, section, begin, end);
  if (begin == std::string::npos) return false;
  for (size_t i = begin; i < end; ++i) {
    std::string name;
    if (KeyOfLine(lines[i], name, value) && EqualsIgnoringCase(name, key)) {
      if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
          value.back() == value.front())
        value = value.substr(1, value.size() - 2);
      return true;
    }
  }
  return false;
}

}  // namespace

std::string ExecutableFolder() {
  std::vector<char> path(4096, '\0');
  ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
  std::string folder(path.data(), length > 0 ? static_cast<size_t>(length) : 0);
  return folder.substr(0, folder.find_last_of('/') + 1);
}

std::uint32_t ReadNumber(const std::string& section, const std::string& key,
                         std::uint32_t defaultValue, const std::string& path) {
  std::string value;
  if (!FindValue(section, key, path, value) || value.empty()) return defaultValue;
  size_t i = 0;
  bool negative = false;
  if (value[i] == '-' || value[i] == '+') negative = value[i++] == '-';
  std::uint32_t number = 0;
  for (; i < value.size() && std::isdigit(static_cast<unsigned char>(value[i])); ++i)
    number = number * 10u + static_cast<std::uint32_t>(value[i] - '0');
  return negative ? 0u - number : number;
}

std::string ReadText(const std::string& section, const std::string& key,
                     const std::string& defaultValue, const std::string& path,
                     std::size_t capacity) {
  std::string value;
  if (!FindValue(section, key, path, value)) value = defaultValue;
  return capacity == 0 ? std::string() : value.substr(0, capacity - 1);
}

bool WriteText(const std::string& section, const std::string& key, const std::string& value,
               const std::string& path) {
  std::vector<std::string> lines = ReadLines(path);
  size_t begin = 0, end = 0;
  FindSection(lines, section, begin, end);
  std::string entry = key + "=" + value;
  if (begin == std::string::npos) {
    lines.push_back("[" + section + "]");
    lines.push_back(entry);
  } else {
    size_t insertAt = begin;
    bool replaced = false;
    for (size_t i = begin; i < end && !replaced; ++i) {
      std::string name, old;
      if (!KeyOfLine(lines[i], name, old)) continue;
      insertAt = i + 1;
      if (EqualsIgnoringCase(name, key)) lines[i] = entry, replaced = true;
    }
    if (!replaced) lines.insert(lines.begin() + static_cast<long>(insertAt), entry);
  }
  std::ofstream file(NativePath(path), std::ios::binary | std::ios::trunc);
  for (const std::string& line : lines) file << line << "\r\n";
  return static_cast<bool>(file.flush());
}

// Every write goes to the file at once.
void Flush(const std::string&) {}

}  // namespace hush::ini
