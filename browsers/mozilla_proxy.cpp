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
  bool userExisted = false;
};

// Reads the profile's two files ("user.js" may be missing); a profile
// without "prefs.js" is reported with `missingMessage`.
FileResult OpenProfile(ProfileSet& set, const ProfileRecord& profile, int missingMessage,
                       const BrowserContext& context, ProfileTexts& texts) {
  if (!GetProfileFiles(set, profile)) {
    context.ShowMessage(missingMessage, MB_OK | MB_ICONERROR, profile.name, set.prefsJsPath);
    return FileResult::kMissing;
  }
  texts.userExisted = FileExists(set.userJsPath);
  FileResult result = ReadWholeFile(set.prefsJsPath, texts.prefs);
  if (result == FileResult::kDone) result = ReadWholeFile(set.userJsPath, texts.user);
  if (result == FileResult::kMissing && !texts.userExisted) result = FileResult::kDone;
  if (result != FileResult::kDone) Trace(set.prefsJsPath + ": " + Describe(result));
  return result;
}

// Writes the files whose bytes change, "user.js" first.
FileResult WriteTexts(const ProfileSet& set, const ProfileTexts& before, const std::string& user,
                      const std::string& prefs) {
  FileResult result = FileResult::kDone;
  if (!before.userExisted || user != before.user) result = ReplaceWholeFile(set.userJsPath, user);
  if (result == FileResult::kDone && prefs != before.prefs)
    result = ReplaceWholeFile(set.prefsJsPath, prefs);
  if (result != FileResult::kDone) Trace(set.userJsPath + ": " + Describe(result));
  return result;
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

}  // namespace

FileResult SetProfileProxy(ProfileSet& set, ConfigurationState& state, const std::string& host,
                           const std::string& port, const ProfileRecord& profile,
                           const BrowserContext& context) {
  ProfileTexts texts;
  if (FileResult read = OpenProfile(set, profile, kSetMissingMessage, context, texts);
      read != FileResult::kDone)
    return read;
  // A profile set before keeps its "prefs.js" and what was remembered then:
  // a second set would take out one more of the user's own lines.
  std::string prefs = texts.prefs;
  if (!ProfileTextsUseProxy(texts.prefs, texts.user)) {
    std::string removed;
    prefs = WithoutFirstProxyHttpLine(texts.prefs, &removed);
    Remember(set, texts, removed, context);
  }
  const std::string user = WithProxyPrefLines(texts.user, SetPrefLines(host, port));
  if (FileResult written = WriteTexts(set, texts, user, prefs); written != FileResult::kDone)
    return written;
  if (ProfileUsesProxy(set, profile)) state.SetConfigured(ConfiguredFlag::kNetscape, true);
  set.processed = true;
  return FileResult::kDone;
}

FileResult ResetProfileProxy(ProfileSet& set, ConfigurationState& state,
                             const ProfileRecord& profile, const BrowserContext& context) {
  ProfileTexts texts;
  if (FileResult read = OpenProfile(set, profile, kResetMissingMessage, context, texts);
      read != FileResult::kDone)
    return read;
  const ReplacedStore store(context);
  const auto remembered = store.Recall(RecordId(set));
  const ReplacedSettings::Fields* fields = remembered ? &*remembered : nullptr;
  const std::string user = WithProxyPrefLines(texts.user, RestoredLines(fields));
  std::string prefs = texts.prefs;
  if (fields != nullptr)
    if (auto removed = fields->find(kRemovedField); removed != fields->end())
      prefs = WithRestoredPrefLine(prefs, removed->second);
  if (FileResult written = WriteTexts(set, texts, user, prefs); written != FileResult::kDone)
    return written;
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
