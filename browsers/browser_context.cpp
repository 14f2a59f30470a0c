#include "browsers/browser_context.h"

#include <windows.h>

#include "common/language.h"

namespace hush::browsers {
namespace {

void ReplaceAll(std::string& text, const std::string& token, const std::string& value) {
  for (std::size_t at = text.find(token); at != std::string::npos;
       at = text.find(token, at + value.size()))
    text.replace(at, token.size(), value);
}

}  // namespace

int BrowserContext::ShowBox(const std::string& text, const std::string& caption,
                            unsigned type) const {
  if (showBox) return showBox(text, caption, type);
  return ::MessageBoxA(nullptr, text.c_str(), caption.c_str(), type);
}

int BrowserContext::ShowMessage(int key, unsigned type, const std::string& first,
                                const std::string& second) const {
  std::string text = GetMessageText(key);
  ReplaceAll(text, "%s1", first);
  ReplaceAll(text, "%s2", second);
  ReplaceAll(text, "%s", first);
  return ShowBox(text, GetMessageText(captionMessage), type);
}

std::string BrowserContext::InstalledFile(const std::string& name) const {
  if (installationDirectory.empty()) return {};
  return installationDirectory + "\\" + name;
}

std::string BrowserContext::DataFile(const std::string& name) const {
  if (dataDirectory.empty()) return InstalledFile(name);
  return dataDirectory + "\\" + name;
}

}  // namespace hush::browsers
