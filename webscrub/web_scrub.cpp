#define WEBSCRUB_BUILDING
#include "webscrub/web_scrub.h"

#include <string>
#include <vector>

#include "webscrub/cache_files.h"
#include "webscrub/cache_folders.h"
#include "webscrub/url_cache.h"

namespace {

// No scan holds more than this many names in memory.
constexpr std::size_t kScanLimit = 200000;

class Lock {
 public:
  explicit Lock(CRITICAL_SECTION& section) : section_(section) {
    ::EnterCriticalSection(&section_);
  }
  ~Lock() { ::LeaveCriticalSection(&section_); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

 private:
  CRITICAL_SECTION& section_;
};

}  // namespace

struct CInternetCleanerModule::Findings {
  int browserKind = 0;
  std::vector<std::string> urls;
  std::vector<std::string> folders;
  std::vector<std::string> files;
  bool removeEmptyFolders = false;
};

CInternetCleanerParamters::CInternetCleanerParamters()
    : m_nBrowserKind(0), m_bCachedFiles(0), m_bUrlCacheEntries(0), m_bEmptyFolders(0) {}

CInternetCleanerModule::CInternetCleanerModule()
    : m_pParamters(nullptr), m_pFindings(new Findings) {
  ::InitializeCriticalSection(&m_lock);
}

CInternetCleanerModule::~CInternetCleanerModule() {
  delete m_pFindings;
  ::DeleteCriticalSection(&m_lock);
}

void CInternetCleanerModule::Scan() {
  Lock lock(m_lock);
  Findings found;
  if (m_pParamters != nullptr) {
    const CInternetCleanerParamters parameters = *m_pParamters;
    found.browserKind = parameters.m_nBrowserKind;
    found.removeEmptyFolders = parameters.m_bEmptyFolders != 0;
    if (found.browserKind == kWebScrubInternetExplorer && parameters.m_bUrlCacheEntries)
      found.urls = webscrub::UrlCacheEntries(kScanLimit);
    if (found.browserKind != kWebScrubInternetExplorer && parameters.m_bCachedFiles) {
      found.folders = webscrub::CacheFoldersOf(found.browserKind);
      for (const std::string& folder : found.folders) {
        std::vector<std::string> files =
            webscrub::FilesBelow(folder, kScanLimit - found.files.size());
        found.files.insert(found.files.end(), files.begin(), files.end());
      }
    }
  }
  *m_pFindings = std::move(found);
}

void CInternetCleanerModule::DeleteReduandantEntries() {
  Lock lock(m_lock);
  if (m_pFindings->browserKind == kWebScrubOpera) return;
  webscrub::DeleteUrlCacheEntries(m_pFindings->urls);
  webscrub::DeleteCacheFiles(m_pFindings->files, m_pFindings->folders,
                             m_pFindings->removeEmptyFolders);
  *m_pFindings = Findings{};
}

void CInternetCleanerModule::DeleteOperaRedundantEntries() {
  Lock lock(m_lock);
  if (m_pFindings->browserKind != kWebScrubOpera) return;
  webscrub::DeleteCacheFiles(m_pFindings->files, m_pFindings->folders,
                             m_pFindings->removeEmptyFolders);
  *m_pFindings = Findings{};
}
