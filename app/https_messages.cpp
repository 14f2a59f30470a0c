#include "app/https_messages.h"

#include "browsers/authority_trust.h"
#include "common/language.h"
#include "common/text_ids.h"

namespace hush {
namespace {

int ProblemMessage(HttpsProblem problem) {
  switch (problem) {
    case HttpsProblem::kNone:
      return 0;
    case HttpsProblem::kNoDataFolder:
      return kHttpsNoDataFolderMessage;
    case HttpsProblem::kNotMade:
      return kHttpsNotMadeMessage;
    case HttpsProblem::kNotSaved:
      return kHttpsNotSavedMessage;
    case HttpsProblem::kTrustRefused:
      return kHttpsTrustRefusedMessage;
    case HttpsProblem::kNotTrusted:
      return kHttpsNotTrustedMessage;
    case HttpsProblem::kUntrustRefused:
      return kHttpsUntrustRefusedMessage;
    case HttpsProblem::kNotUntrusted:
      return kHttpsNotUntrustedMessage;
  }
  return 0;
}

std::string WithName(int message, const std::string& name) {
  std::string text = GetMessageText(message);
  if (const std::size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, name);
  return text;
}

}  // namespace

std::vector<HttpsBox> HttpsChangeBoxes(const HttpsChange& change, bool switchingOn,
                                       const std::string& dataFolder, bool atStartUp) {
  std::vector<HttpsBox> boxes;
  if (const int message = ProblemMessage(change.problem)) {
    std::string text = WithName(message, dataFolder);
    if (atStartUp) text = GetMessageText(kHttpsOffThisRunMessage) + text;
    boxes.push_back({text, MB_OK | MB_ICONWARNING});
  }
  if (!change.profilesLeftAlone.empty())
    boxes.push_back(
        {WithName(switchingOn ? kHttpsProfilesNotTrustingMessage : kHttpsProfilesNotClearedMessage,
                  browsers::JoinedNames(change.profilesLeftAlone)),
         MB_OK | MB_ICONINFORMATION});
  if (change.filesLeft)
    boxes.push_back({WithName(kHttpsFilesLeftMessage, dataFolder), MB_OK | MB_ICONWARNING});
  return boxes;
}

void ShowHttpsChange(HWND owner, const std::vector<HttpsBox>& boxes) {
  const std::string caption = GetMessageText(kProductCaptionMessage);
  for (const HttpsBox& box : boxes)
    ::MessageBoxA(owner, box.text.c_str(), caption.c_str(), box.type);
}

}  // namespace hush
