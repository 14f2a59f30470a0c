// WebScrub: empties the browsers' caches, and nothing else. A program sets
// the browser kind and the options in a parameter object, points the module
// at it, and calls Scan, then DeleteReduandantEntries (or, for Opera,
// DeleteOperaRedundantEntries). Cookies, history, saved passwords and form
// data are never touched; files are deleted only inside folders recognised
// as caches, and links or junctions out of them are never followed. Every
// call may run on any thread, also while another call runs.
#pragma once

#include <windows.h>

#ifdef WEBSCRUB_BUILDING
#define WEBSCRUB_API __declspec(dllexport)
#else
#define WEBSCRUB_API __declspec(dllimport)
#endif

// Browser kinds.
enum {
  kWebScrubInternetExplorer = 1,  // WinINet's URL cache (temporary Internet files)
  kWebScrubMozilla = 2,           // Mozilla's profile caches
  kWebScrubNetscape = 3,          // Netscape's profile caches
  kWebScrubOpera = 4,             // Opera's cache folders
  kWebScrubFirefox = 5,           // today's Firefox profile caches
};

class WEBSCRUB_API CInternetCleanerParamters {
 public:
  CInternetCleanerParamters();

  int m_nBrowserKind;
  // Delete the cached files of disk caches.
  unsigned char m_bCachedFiles;
  // Delete the entries of WinINet's URL cache (never its cookies or history).
  unsigned char m_bUrlCacheEntries;
  // Remove the folders a cache is left with once its files are gone.
  unsigned char m_bEmptyFolders;
};

class WEBSCRUB_API CInternetCleanerModule {
 public:
  CInternetCleanerModule();
  ~CInternetCleanerModule();
  CInternetCleanerModule(const CInternetCleanerModule&) = delete;
  CInternetCleanerModule& operator=(const CInternetCleanerModule&) = delete;

  // What the next calls work with; the caller keeps it alive meanwhile.
  CInternetCleanerParamters* m_pParamters;

  // Finds what the browser kind's caches hold now.
  void Scan();
  // Deletes what the last Scan found (Internet Explorer, Mozilla, Netscape,
  // Firefox).
  void DeleteReduandantEntries();
  // Deletes what the last Scan found in Opera's caches.
  void DeleteOperaRedundantEntries();

 private:
  struct Findings;
  Findings* m_pFindings;
  CRITICAL_SECTION m_lock;
};
