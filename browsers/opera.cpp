#include "browsers/opera.h"

#include <windows.h>

#include "browsers/opera_ini.h"
#include "browsers/profile_paths.h"
#include "browsers/replaced_store.h"
#include "common/diagnostic.h"
#include "common/registry_key.h"
#include "common/text_ids.h"

namespace hush::browsers {
namespace {

constexpr char kRecordKind[] = "Opera file";
constexpr char kUseField[] = "Use HTTP";
constexpr char kServerField[] = "HTTP Server";

struct LocationNotices {
  BrowserNotice opera6, opera7, both;
};
constexpr LocationNotices kSetNotices{BrowserNotice::kOpera6NotSet, BrowserNotice::kOpera7NotSet,
                                      BrowserNotice::kOperaFilesNotSet};
constexpr LocationNotices kResetNotices{BrowserNotice::kOpera6NotReset,
                                        BrowserNotice::kOpera7NotReset,
                                        BrowserNotice::kOperaFilesNotReset};

std::string DefaultFileOf(const std::string& folder) { return folder + "\\OperaDef6.ini"; }

// "0": single-user; anything else multi-user; "2" also means "not set".
char MultiUserSetting(const std::string& defaultFile) {
  char value[2] = {};
  ::GetPrivateProfileStringA("System", "Multi User", "2", value, sizeof value, defaultFile.c_str());
  return value[0];
}

std::string Opera7SettingsFile(const std::string& folder, const std::string& defaultFile) {
  const std::string singleUser = folder + "\\profile\\opera6.ini";
  const char multiUser = MultiUserSetting(defaultFile);
  if (multiUser == '0') return singleUser;
  const std::string file = OperaMultiUserFile(CurrentSystem(), folder);
  if (!FileExists(file) && multiUser == '2' && FileExists(singleUser)) return singleUser;
  return file;
}

// True when something could not be located: it is reported.
bool ReportLocationFailure(OperaLocation where, const OperaSettings& opera,
                           const LocationNotices& notices, BrowserOutcome& outcome) {
  switch (where) {
    case kOperaFilesFound:
      return false;
    case kOpera6FileMissing:
      outcome.Report(notices.opera6, opera.opera6File);
      break;
    case kOpera7FileMissing:
      outcome.Report(notices.opera7, opera.opera7File);
      break;
    case kBothOperaFilesMissing:
      outcome.Report(notices.both, opera.opera6File, opera.opera7File);
      break;
    case kOperaKeyMissing:
      outcome.Report(BrowserNotice::kOperaNotFound);
      break;
  }
  return true;
}

FileResult ReadForEdit(const std::string& path, std::string& text) {
  const FileResult result = ReadWholeFile(path, text);
  if (result != FileResult::kDone) ReportDiagnostic(path + ": " + Describe(result));
  return result;
}

FileResult WriteEdited(const std::string& path, const std::string& before,
                       const std::string& after) {
  if (before == after) return FileResult::kDone;
  const FileResult result = ReplaceWholeFile(path, after);
  if (result != FileResult::kDone) ReportDiagnostic(path + ": " + Describe(result));
  return result;
}

}  // namespace

std::string Opera7Folder() {
  RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kOperaKey, KEY_READ);
  std::string value;
  if (key.ReadText("Last Directory2", value)) return WithoutTrailingBackslashes(value);
  if (key.ReadText("Last CommandLine v2", value)) return FolderOf(value);
  return {};
}

OperaLocation LocateOperaFiles(OperaSettings& opera) {
  RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kOperaKey, KEY_READ);
  if (!key) return kOperaKeyMissing;
  bool opera6Missing = false, opera7Missing = false;
  if (opera.opera7Wanted) {
    const std::string folder = Opera7Folder();
    if (folder.empty()) return kOperaKeyMissing;
    opera.opera7DefaultFile = DefaultFileOf(folder);
    opera.opera7File = Opera7SettingsFile(folder, opera.opera7DefaultFile);
    opera7Missing = !FileExists(opera.opera7File);
  }
  if (opera.opera6Wanted) {
    std::string commandLine;
    if (!key.ReadText("Last CommandLine", commandLine)) return kOperaKeyMissing;
    opera.opera6File = FolderOf(commandLine) + "\\opera6.ini";
    opera6Missing = !FileExists(opera.opera6File);
  }
  if (opera6Missing && opera7Missing) return kBothOperaFilesMissing;
  if (opera6Missing) return kOpera6FileMissing;
  return opera7Missing ? kOpera7FileMissing : kOperaFilesFound;
}

bool OperaFileUsesProxy(const std::string& path) {
  std::string text;
  return ReadWholeFile(path, text) == FileResult::kDone && OperaTextUsesProxy(text);
}

FileResult EditOperaFileSet(const std::string& path, const std::string& host,
                            const std::string& port, const BrowserContext& context,
                            BrowserOutcome& outcome) {
  std::string text;
  if (FileResult read = ReadForEdit(path, text); read != FileResult::kDone) return read;
  if (!OperaTextUsesProxy(text)) {
    const OperaProxyLines before = FindOperaProxyLines(text);
    ReplacedSettings::Fields fields;
    if (before.useHttp) fields[kUseField] = *before.useHttp;
    if (before.httpServer) fields[kServerField] = *before.httpServer;
    if (!ReplacedStore(context).Remember(FileRecordId(kRecordKind, path), std::move(fields)))
      return FileResult::kNotRemembered;
    outcome.NoteReplacedProxy(OperaHttpProxy(before));
  }
  return WriteEdited(path, text, WithOperaProxySet(text, host, port));
}

FileResult EditOperaFileReset(const std::string& path, const BrowserContext& context) {
  std::string text;
  if (FileResult read = ReadForEdit(path, text); read != FileResult::kDone) return read;
  // A proxy the user has set by hand since is theirs and stays.
  if (!OperaTextUsesProxy(text)) return FileResult::kDone;
  const ReplacedStore store(context);
  const auto remembered = store.Recall(FileRecordId(kRecordKind, path));
  OperaProxyLines before;
  if (remembered) {
    if (auto use = remembered->find(kUseField); use != remembered->end())
      before.useHttp = use->second;
    if (auto server = remembered->find(kServerField); server != remembered->end())
      before.httpServer = server->second;
  }
  const FileResult result =
      WriteEdited(path, text, WithOperaProxyReset(text, remembered ? &before : nullptr));
  if (result == FileResult::kDone) store.Forget(FileRecordId(kRecordKind, path));
  return result;
}

BrowserOutcome SetOperaProxy(OperaSettings& opera, ConfigurationState& state,
                             const std::string& host, const std::string& port,
                             const BrowserContext& context) {
  BrowserOutcome outcome;
  if (ReportLocationFailure(LocateOperaFiles(opera), opera, kSetNotices, outcome)) return outcome;
  const auto setOne = [&](const std::string& file, ConfiguredFlag flag) {
    const FileResult result = EditOperaFileSet(file, host, port, context, outcome);
    if (result == FileResult::kNotRemembered) outcome.leftAlone.push_back(file);
    // A version counts as configured only when its file says so afterwards.
    if (result == FileResult::kDone && OperaFileUsesProxy(file)) state.SetConfigured(flag, true);
  };
  if (opera.opera6Wanted) setOne(opera.opera6File, ConfiguredFlag::kOpera6);
  if (opera.opera7Wanted) setOne(opera.opera7File, ConfiguredFlag::kOpera7);
  outcome.ReportLeftAlone(BrowserNotice::kOperaFilesLeftAlone, ReplacedStore(context).path());
  return outcome;
}

BrowserOutcome ResetOperaProxy(OperaSettings& opera, ConfigurationState& state,
                               const BrowserContext& context) {
  BrowserOutcome outcome;
  if (ReportLocationFailure(LocateOperaFiles(opera), opera, kResetNotices, outcome)) return outcome;
  if (opera.opera6Wanted && EditOperaFileReset(opera.opera6File, context) == FileResult::kDone)
    state.SetConfigured(ConfiguredFlag::kOpera6, false);
  if (opera.opera7Wanted) {
    const FileResult result = EditOperaFileReset(opera.opera7File, context);
    // Opera's own defaults are touched only when they name the proxy.
    const std::string defaults = DefaultFileOf(Opera7Folder());
    if (context.policy.resetOpera7DefaultFile && OperaFileUsesProxy(defaults))
      EditOperaFileReset(defaults, context);
    if (result == FileResult::kDone) state.SetConfigured(ConfiguredFlag::kOpera7, false);
  }
  return outcome;
}

void UpdateOperaConfiguredFlags(ConfigurationState& state, bool opera6Wanted, bool opera7Wanted,
                                const BrowserContext& context) {
  OperaSettings opera;
  opera.opera6Wanted = opera6Wanted;
  opera.opera7Wanted = opera7Wanted;
  if (LocateOperaFiles(opera) != kOperaFilesFound) return;
  if (opera6Wanted) state.opera6Configured = OperaFileUsesProxy(opera.opera6File);
  if (opera7Wanted) {
    state.opera7Configured = OperaFileUsesProxy(opera.opera7File);
    if (!state.opera7Configured && context.policy.checkOpera7DefaultFile)
      state.opera7Configured = OperaFileUsesProxy(DefaultFileOf(Opera7Folder()));
  }
}

}  // namespace hush::browsers
