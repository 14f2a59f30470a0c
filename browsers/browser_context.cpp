#include "browsers/browser_context.h"

namespace hush::browsers {

std::string BrowserContext::InstalledFile(const std::string& name) const {
  if (installationDirectory.empty()) return {};
  return installationDirectory + "\\" + name;
}

std::string BrowserContext::DataFile(const std::string& name) const {
  if (dataDirectory.empty()) return InstalledFile(name);
  return dataDirectory + "\\" + name;
}

}  // namespace hush::browsers
