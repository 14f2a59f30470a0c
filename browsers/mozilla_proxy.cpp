// Pointing Mozilla and Firefox profiles at the proxy and taking them off.
#include <windows.h>

#include "browsers/mozilla_prefs.h"
#include "browsers/mozilla_profiles.h"
#include "browsers/profile_paths.h"
#include "browsers/replaced_store.h"
#include "common/diagnostic.h"
#include "common/text_ids.h"

namespace hush::browsers {
namespace {

constexpr char kRecordKind[] = "Mozilla profile";
constexpr const char* kUserFields[kProxyPrefCount] = {"user.js http", "user.js http_port",
                                                      "user.js type"};
constexpr const char* kPrefsFields[kProxyPrefCount] = {"prefs.js http", "prefs.js http_port",
                                                       "prefs.js type"};
constexpr char kRemovedField[] = "prefs.js removed";
constexpr char kUserJsExistedField[] = "user.js existed";

struct ProfileTexts {
  std::string prefs, user;
  bool userExisted = false;
};

// Reads the profile's two files ("user.js" may be missing); a profile
// without "prefs.js" is reported as `missing`.
FileResult OpenProfile(ProfileSet& set, const ProfileRecord& profile, BrowserNotice missing,
                       BrowserOutcome& outcome, ProfileTexts& texts) {
  if (!GetProfileFiles(set, profile)) {
    outcome.Report(missing, profile.name, set.prefsJsPath);
    return FileResult::kMissing;
  }
  texts.userExisted = FileExists(set.userJsPath);
  FileResult result = ReadWholeFile(set.prefsJsPath, texts.prefs);
  if (result == FileResult::kDone) result = ReadWholeFile(set.userJsPath, texts.user);
  if (result == FileResult::kMissing && !texts.userExisted) result = FileResult::kDone;
  if (result != FileResult::kDone) ReportDiagnostic(set.prefsJsPath + ": " + Describe(result));
  return result;
}

// Writes the files whose bytes change, "user.js" first.
FileResult WriteTexts(const ProfileSet& set, const ProfileTexts& before, const std::string& user,
                      const std::string& prefs) {
  FileResult result = FileResult::kDone;
  if (!before.userExisted || user != before.user) result = ReplaceWholeFile(set.userJsPath, user);
  if (result == FileResult::kDone && prefs != before.prefs)
    result = ReplaceWholeFile(set.prefsJsPath, prefs);
  if (result != FileResult::kDone) ReportDiagnostic(set.userJsPath + ": " + Describe(result));
  return result;
}

std::string RecordId(const ProfileSet& set) {
  return FileRecordId(kRecordKind, FolderOf(set.prefsJsPath));
}

// False when what the set replaces could not be remembered.
bool Remember(const ProfileSet& set, const ProfileTexts& texts, const std::string& removed,
              const BrowserContext& context, BrowserOutcome& outcome) {
  ReplacedSettings::Fields fields;
  const ProxyPrefLines user = FindProxyPrefLines(texts.user);
  const ProxyPrefLines prefs = FindProxyPrefLines(texts.prefs);
  for (int pref = 0; pref < kProxyPrefCount; ++pref) {
    if (user[pref]) fields[kUserFields[pref]] = *user[pref];
    if (prefs[pref]) fields[kPrefsFields[pref]] = *prefs[pref];
  }
  if (!removed.empty()) fields[kRemovedField] = removed;
  fields[kUserJsExistedField] = texts.userExisted ? "1" : "0";
  if (!ReplacedStore(context).Remember(RecordId(set), std::move(fields))) return false;
  outcome.NoteReplacedProxy(ManualHttpProxy(EffectivePrefLines(texts.prefs, texts.user)));
  return true;
}

// The lines a reset leaves in "user.js": the profile's own lines there
// before the set; a preference it did not set there goes again. Without a
// record, the lines that switch the proxy off.
WantedPrefLines RestoredUserLines(const ReplacedSettings::Fields* remembered) {
  if (remembered == nullptr) return ResetPrefLines();
  WantedPrefLines lines;
  for (int pref = 0; pref < kProxyPrefCount; ++pref)
    if (const auto found = remembered->find(kUserFields[pref]); found != remembered->end())
      lines[pref] = found->second;
  return lines;
}

// "prefs.js" as the reset leaves it: the profile's own proxy lines back in
// place of the values the browser copied in from "user.js" meanwhile, and
// those copies gone where the profile had no line of its own.
std::string RestoredPrefs(std::string prefs, const ReplacedSettings::Fields& remembered) {
  for (int pref = 0; pref < kProxyPrefCount; ++pref) {
    const auto own = remembered.find(kPrefsFields[pref]);
    prefs = own != remembered.end() ? WithRestoredPrefLine(prefs, own->second)
                                    : WithoutProxyValueLines(prefs, pref);
  }
  // The line the set took out, where it was not one of those.
  if (auto removed = remembered.find(kRemovedField); removed != remembered.end()) {
    const int pref = ProxyPrefOfLine(removed->second);
    if (pref < 0 || !remembered.count(kPrefsFields[pref]))
      prefs = WithRestoredPrefLine(prefs, removed->second);
  }
  return prefs;
}

}  // namespace

FileResult SetProfileProxy(ProfileSet& set, ConfigurationState& state, const std::string& host,
                           const std::string& port, const ProfileRecord& profile,
                           const BrowserContext& context, BrowserOutcome& outcome) {
  ProfileTexts texts;
  if (FileResult read = OpenProfile(set, profile, BrowserNotice::kProfileNotSet, outcome, texts);
      read != FileResult::kDone)
    return read;
  // A profile set before keeps its "prefs.js" and what was remembered then:
  // a second set would take out one more of the user's own lines.
  std::string prefs = texts.prefs;
  if (!ProfileTextsUseProxy(texts.prefs, texts.user)) {
    std::string removed;
    prefs = WithoutFirstProxyHttpLine(texts.prefs, &removed);
    if (!Remember(set, texts, removed, context, outcome)) return FileResult::kNotRemembered;
  }
  const std::string user = WithProxyPrefLines(texts.user, SetPrefLines(host, port));
  if (FileResult written = WriteTexts(set, texts, user, prefs); written != FileResult::kDone)
    return written;
  if (ProfileUsesProxy(set, profile)) state.SetConfigured(ConfiguredFlag::kNetscape, true);
  set.processed = true;
  return FileResult::kDone;
}

FileResult ResetProfileProxy(ProfileSet& set, ConfigurationState& state,
                             const ProfileRecord& profile, const BrowserContext& context,
                             BrowserOutcome& outcome) {
  ProfileTexts texts;
  if (FileResult read = OpenProfile(set, profile, BrowserNotice::kProfileNotReset, outcome, texts);
      read != FileResult::kDone)
    return read;
  const ReplacedStore store(context);
  const auto remembered = store.Recall(RecordId(set));
  const ReplacedSettings::Fields* fields = remembered ? &*remembered : nullptr;
  const std::string user = WithProxyPrefLines(texts.user, RestoredUserLines(fields));
  const std::string prefs = fields ? RestoredPrefs(texts.prefs, *fields) : texts.prefs;
  if (FileResult written = WriteTexts(set, texts, user, prefs); written != FileResult::kDone)
    return written;
  // A "user.js" that only the set had made goes with the reset.
  if (fields != nullptr && user.empty() && fields->count(kUserJsExistedField) &&
      fields->at(kUserJsExistedField) == "0")
    ::DeleteFileA(set.userJsPath.c_str());
  store.Forget(RecordId(set));
  if (context.policy.countDownNetscapeFlag && set.stillUsingProxy-- == 1)
    state.SetConfigured(ConfiguredFlag::kNetscape, false);
  set.processed = true;
  return FileResult::kDone;
}

BrowserOutcome SetNetscapeProxy(ProfileSet& set, ConfigurationState& state, const std::string& host,
                                const std::string& port, const BrowserContext& context) {
  BrowserOutcome outcome;
  for (const ProfileRecord& profile : set.records)
    if (profile.selected && SetProfileProxy(set, state, host, port, profile, context, outcome) ==
                                FileResult::kNotRemembered)
      outcome.leftAlone.push_back(profile.name);
  outcome.ReportLeftAlone(BrowserNotice::kProfilesLeftAlone, ReplacedStore(context).path());
  return outcome;
}

BrowserOutcome ResetNetscapeProxy(ProfileSet& set, ConfigurationState& state,
                                  const BrowserContext& context) {
  BrowserOutcome outcome;
  for (const ProfileRecord& profile : set.records)
    if (profile.selected) ResetProfileProxy(set, state, profile, context, outcome);
  return outcome;
}

std::optional<BrowserNotice> NetscapeRestartNotice(const ProfileSet& set, WizardMode mode) {
  if (!set.processed) return std::nullopt;
  // By what was done, not by the flag: a reset that leaves another profile
  // configured did not "set successfully".
  return mode == WizardMode::kSet ? BrowserNotice::kProfilesSet : BrowserNotice::kProfilesReset;
}

}  // namespace hush::browsers
