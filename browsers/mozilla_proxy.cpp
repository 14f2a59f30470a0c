// Pointing Mozilla and Firefox profiles at the proxy and taking them off.
#include <windows.h>

#include "app/language.h"

#include "browsers/mozilla_prefs.h"
#include "browsers/mozilla_profiles.h"
#include "browsers/profile_paths.h"
#include "browsers/replaced_store.h"

namespace hush::browsers {
namespace {

constexpr int kSetMissingMessage = 2242;
constexpr int kResetMissingMessage = 2243;
constexpr char kRecordKind[] = "Mozilla profile";
constexpr const char* kUserFields[kProxyPrefCount] = {"user.js http", "user.js http_port",
                                                      "user.js type"};
constexpr const char* kPrefsFields[kProxyPrefCount] = {"prefs.js http", "prefs.js http_port",
                                                       "prefs.js type"};
constexpr char kRemovedField[] = "prefs.js removed";

struct ProfileTexts {
  std::string prefs, user;
};

FileResult ReadTexts(const ProfileSet& set, ProfileTexts& texts) {
  FileResult result = ReadWholeFile(set.prefsJsPath, texts.prefs);
  if (result != FileResult::kDone) return result;
  result = ReadWholeFile(set.userJsPath, texts.user);
  return result == FileResult::kMissing ? FileResult::kDone : result;
}

// Writes a file only when its bytes change.
FileResult WriteIfChanged(const std::string& path, const std::string& before,
                          const std::string& after, bool existed) {
  if (existed && before == after) return FileResult::kDone;
  return ReplaceWholeFile(path, after);
}

std::string RecordId(const ProfileSet& set) {
  return FileRecordId(kRecordKind, FolderOf(set.prefsJsPath));
}

void Remember(const ProfileSet& set, const ProfileTexts& texts, const std::string& removed,
              const BrowserContext& context) {
  ReplacedSettings::Fields fields;
  const ProxyPrefLines user = FindProxyPrefLines(texts.user);
  const ProxyPrefLines prefs = FindProxyPrefLines(texts.prefs);
  for (int pref = 0; pref < kProxyPrefCount; ++pref) {
    if (user[pref]) fields[kUserFields[pref]] = *user[pref];
    if (prefs[pref]) fields[kPrefsFields[pref]] = *prefs[pref];
  }
  if (!removed.empty()) fields[kRemovedField] = removed;
  ReplacedStore(context).Remember(RecordId(set), std::move(fields));
  AdoptUpstreamProxy(ManualHttpProxy(EffectivePrefLines(texts.prefs, texts.user)));
}

// The lines a reset writes: what the profile had in effect before the set
// (its own "user.js" line, else its "prefs.js" line), else "no proxy".
WantedPrefLines RestoredLines(const ReplacedSettings::Fields* remembered) {
  WantedPrefLines lines = ResetPrefLines();
  if (remembered == nullptr) return lines;
  for (int pref = 0; pref < kProxyPrefCount; ++pref) {
    for (const char* field : {kUserFields[pref], kPrefsFields[pref]}) {
      const auto found = remembered->find(field);
      if (found == remembered->end()) continue;
      lines[pref] = found->second;
      break;
    }
  }
  return lines;
}

FileResult Report(const FileResult result, const std::string& what) {
  if (result != FileResult::kDone) Trace(what + ": " + Describe(result));
  return result;
}

}  // namespace

FileResult SetProfileProxy(ProfileSet& set, ConfigurationState& state, const std::string& host,
                           const std::string& port, const ProfileRecord& profile,
                           const BrowserContext& context) {
  if (!GetProfileFiles(set, profile)) {
    context.ShowMessage(kSetMissingMessage, MB_OK | MB_ICONERROR, profile.name, set.prefsJsPath);
    return FileResult::kMissing;
  }
  ProfileTexts texts;
  const bool userExisted = FileExists(set.userJsPath);
  if (FileResult read = ReadTexts(set, texts); read != FileResult::kDone)
    return Report(read, set.prefsJsPath);
  // A profile set before keeps its "prefs.js" and what was remembered then:
  // a second set would take out one more of the user's own lines.
  std::string prefs = texts.prefs;
  if (!ProfileTextsUseProxy(texts.prefs, texts.user)) {
    std::string removed;
    prefs = WithoutFirstProxyHttpLine(texts.prefs, &removed);
    Remember(set, texts, removed, context);
  }
  const std::string user = WithProxyPrefLines(texts.user, SetPrefLines(host, port));
  FileResult result = WriteIfChanged(set.userJsPath, texts.user, user, userExisted);
  if (result == FileResult::kDone)
    result = WriteIfChanged(set.prefsJsPath, texts.prefs, prefs, true);
  if (result != FileResult::kDone) return Report(result, set.userJsPath);
  if (ProfileUsesProxy(set, profile)) state.SetConfigured(ConfiguredFlag::kNetscape, true);
  set.processed = true;
  return FileResult::kDone;
}

FileResult ResetProfileProxy(ProfileSet& set, ConfigurationState& state,
                             const ProfileRecord& profile, const BrowserContext& context) {
  if (!GetProfileFiles(set, profile)) {
    context.ShowMessage(kResetMissingMessage, MB_OK | MB_ICONERROR, profile.name, set.prefsJsPath);
    return FileResult::kMissing;
  }
  ProfileTexts texts;
  const bool userExisted = FileExists(set.userJsPath);
  if (FileResult read = ReadTexts(set, texts); read != FileResult::kDone)
    return Report(read, set.prefsJsPath);
  const ReplacedStore store(context);
  const auto remembered = store.Recall(RecordId(set));
  const ReplacedSettings::Fields* fields = remembered ? &*remembered : nullptr;
  const std::string user = WithProxyPrefLines(texts.user, RestoredLines(fields));
  std::string prefs = texts.prefs;
  if (fields != nullptr)
    if (auto removed = fields->find(kRemovedField); removed != fields->end())
      prefs = WithRestoredPrefLine(prefs, removed->second);
  FileResult result = WriteIfChanged(set.userJsPath, texts.user, user, userExisted);
  if (result == FileResult::kDone)
    result = WriteIfChanged(set.prefsJsPath, texts.prefs, prefs, true);
  if (result != FileResult::kDone) return Report(result, set.userJsPath);
  store.Forget(RecordId(set));
  if (context.policy.countDownNetscapeFlag && set.stillUsingProxy-- == 1)
    state.SetConfigured(ConfiguredFlag::kNetscape, false);
  set.processed = true;
  return FileResult::kDone;
}

void SetNetscapeProxy(ProfileSet& set, ConfigurationState& state, const std::string& host,
                      const std::string& port, const BrowserContext& context) {
  for (const ProfileRecord& profile : set.records)
    if (profile.selected) SetProfileProxy(set, state, host, port, profile, context);
}

void ResetNetscapeProxy(ProfileSet& set, ConfigurationState& state, const BrowserContext& context) {
  for (const ProfileRecord& profile : set.records)
    if (profile.selected) ResetProfileProxy(set, state, profile, context);
}

}  // namespace hush::browsers

namespace hush::browsers {

void ShowNetscapeOutcome(const ProfileSet& set, const ConfigurationState& state,
                         const BrowserContext& context) {
  if (!set.processed) return;
  if (state.netscapeConfigured)
    context.ShowBox(GetMessageText(2240), GetMessageText(2239), MB_OK | MB_ICONINFORMATION);
  else
    context.ShowBox(GetMessageText(2257), GetMessageText(2258), MB_OK);
}

}  // namespace hush::browsers
