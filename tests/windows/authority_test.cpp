// The user's HTTPS authority: its sealed key file, its trust in the Root
// store and in Firefox profiles, and its removal, on the real registry,
// stores and files of the test prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <wincrypt.h>

#include <algorithm>
#include <filesystem>

#include "app/https_authority.h"
#include "browsers/authority_files.h"
#include "browsers/authority_trust.h"
#include "browsers/enterprise_roots_pref.h"
#include "browsers/root_store.h"
#include "common/protected_data.h"
#include "common/registry_key.h"
#include "common/user_data_folder.h"
#include "uninstall/uninstaller.h"
#include "windows/browser_fixture.h"

namespace hush {
namespace {

using namespace browsers;
using Bytes = std::vector<unsigned char>;

bool Contains(const Bytes& haystack, const Bytes& needle) {
  return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
         haystack.end();
}

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Whether a chain engine made now (so it reads the stores as they are) takes
// the certificate as a root the current user trusts.
bool ChainEngineTrusts(const Bytes& der) {
  PCCERT_CONTEXT certificate =
      ::CertCreateCertificateContext(X509_ASN_ENCODING, der.data(), static_cast<DWORD>(der.size()));
  CERT_CHAIN_ENGINE_CONFIG configuration{};
  configuration.cbSize = sizeof configuration;
  HCERTCHAINENGINE engine = nullptr;
  if (certificate == nullptr || !::CertCreateCertificateChainEngine(&configuration, &engine))
    return false;
  CERT_CHAIN_PARA parameters{};
  parameters.cbSize = sizeof parameters;
  PCCERT_CHAIN_CONTEXT chain = nullptr;
  DWORD status = CERT_TRUST_IS_UNTRUSTED_ROOT;
  if (::CertGetCertificateChain(engine, certificate, nullptr, nullptr, &parameters, 0, nullptr,
                                &chain)) {
    status = chain->TrustStatus.dwErrorStatus;
    ::CertFreeCertificateChain(chain);
  }
  ::CertFreeCertificateChainEngine(engine);
  ::CertFreeCertificateContext(certificate);
  return !(status & CERT_TRUST_IS_UNTRUSTED_ROOT);
}

TEST(ProtectedDataTest, OpensOnlyForItsPurposeAndUnaltered) {
  Bytes secret;
  for (int value = 0; value < 64; ++value) secret.push_back(static_cast<unsigned char>(value * 7));
  const std::optional<ProtectedBytes> blob = ProtectForCurrentUser(secret, "purpose A");
  ASSERT_TRUE(blob);
  EXPECT_FALSE(Contains(*blob, secret));
  EXPECT_EQ(UnprotectForCurrentUser(*blob, "purpose A"), secret);
  EXPECT_FALSE(UnprotectForCurrentUser(*blob, "purpose B"));
  ProtectedBytes altered = *blob;
  altered[altered.size() / 2] ^= 1;
  EXPECT_FALSE(UnprotectForCurrentUser(altered, "purpose A"));
}

// Firefox's preference line: added only where no line sets it, and taking
// ours out gives back the user's file byte for byte.
TEST(EnterpriseRootsTest, OnlyOurLineComesAndGoes) {
  const std::string ours = std::string(kEnterpriseRootsLine) + "\r\n";
  const std::string usersOn = "user_pref(\"security.enterprise_roots.enabled\", true);\n";
  const std::string usersOff =
      "user_pref(\"mine\", 1);\nuser_pref(\"security.enterprise_roots.enabled\", false); // no\n";
  const std::string commented = "// user_pref(\"security.enterprise_roots.enabled\", false);\n";
  const struct {
    std::string userJs, added;
    EnterpriseRoots state;
  } cases[] = {
      {"", ours, EnterpriseRoots::kOurs},
      {"user_pref(\"mine\", 1);\n",
       "user_pref(\"mine\", 1);\n" + std::string(kEnterpriseRootsLine) + "\n",
       EnterpriseRoots::kOurs},
      {commented, commented + kEnterpriseRootsLine + "\n", EnterpriseRoots::kOurs},
      {usersOn, usersOn, EnterpriseRoots::kUsersOn},
      {usersOff, usersOff, EnterpriseRoots::kUsersOff},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.userJs);
    const std::string added = WithEnterpriseRoots(c.userJs);
    EXPECT_EQ(added, c.added);
    EXPECT_EQ(EnterpriseRootsOf(added), c.state);
    EXPECT_EQ(WithEnterpriseRoots(added), added);
    EXPECT_EQ(WithoutOurEnterpriseRoots(added), c.userJs);
  }
}

class AuthorityTest : public test::BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    folder_ = At("data");
    std::filesystem::create_directories(folder_);
    RemoveAuthoritiesFromUserRootStore();
  }
  void TearDown() override {
    RemoveAuthoritiesFromUserRootStore();
    BrowserFixture::TearDown();
  }
  void LayOutFirefoxProfile(const std::string& userJs) {
    profile_ = At("appdata\\Mozilla\\Firefox\\Profiles\\q1.default-release\\");
    Write(profile_ + "prefs.js", "user_pref(\"browser.x\", 1);\n");
    Write(profile_ + "user.js", userJs);
    Write(At("appdata\\Mozilla\\Firefox\\profiles.ini"),
          "[Profile0]\nName=default-release\nIsRelative=1\nPath=Profiles/q1.default-release\n");
    SetText("Software\\Mozilla\\Mozilla Firefox", "CurrentVersion", "140.0");
  }
  Bytes FileBytes(const char* name) const { return BytesOf(Read(FileIn(folder_, name))); }

  std::string folder_, profile_;
};

TEST_F(AuthorityTest, TheKeyFileHoldsNoPrivateKeyBytesAndLoadsBack) {
  const auto authority = tls::Authority::Create(kAuthorityName);
  ASSERT_TRUE(authority);
  ASSERT_TRUE(SaveAuthority(folder_, *authority));
  const Bytes key = FileBytes(kAuthorityKeyFileName);
  const Bytes secret = authority->PrivateKey().bytes();
  // No stretch of the key's encoding that is not also public (in the
  // certificate) shows in the file.
  constexpr std::size_t kWindow = 8;
  for (std::size_t at = 0; at + kWindow <= secret.size(); ++at) {
    const Bytes piece(secret.begin() + at, secret.begin() + at + kWindow);
    if (Contains(authority->Certificate(), piece)) continue;
    ASSERT_FALSE(Contains(key, piece)) << at;
  }
  EXPECT_EQ(FileBytes(kAuthorityCertificateFileName), authority->Certificate());
  const auto loaded = LoadStoredAuthority(folder_);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->Thumbprint(), authority->Thumbprint());
  EXPECT_EQ(loaded->PrivateKey().bytes(), secret);

  const auto other = tls::Authority::Create(kAuthorityName);
  ASSERT_TRUE(other);
  EXPECT_NE(other->PrivateKey().bytes(), secret);
  EXPECT_NE(other->Certificate(), authority->Certificate());
}

TEST_F(AuthorityTest, TheRootStoreTrustsItUntilRemovedForGood) {
  const auto authority = tls::Authority::Create(kAuthorityName);
  ASSERT_TRUE(authority);
  EXPECT_FALSE(ChainEngineTrusts(authority->Certificate()));
  EXPECT_EQ(AddToUserRootStore(authority->Certificate()), RootStoreChange::kDone);
  EXPECT_TRUE(UserRootStoreHolds(authority->Thumbprint()));
  EXPECT_TRUE(ChainEngineTrusts(authority->Certificate()));
  EXPECT_EQ(RemoveAuthoritiesFromUserRootStore(), RootStoreChange::kDone);
  EXPECT_FALSE(UserRootStoreHolds(authority->Thumbprint()));
  EXPECT_FALSE(ChainEngineTrusts(authority->Certificate()));
}

// Another user's key file does not open: a new authority takes its place
// everywhere, and the old one is no longer trusted.
TEST_F(AuthorityTest, AKeyThatNoLongerOpensIsReplacedAndUntrusted) {
  LayOutFirefoxProfile("user_pref(\"mine\", 1);\n");
  HttpsAuthority https;
  ASSERT_EQ(https.Enable(folder_).problem, HttpsProblem::kNone);
  const auto first = LoadStoredAuthority(folder_);
  ASSERT_TRUE(first && https.minter());
  const auto minter = https.minter();
  ASSERT_EQ(https.Enable(folder_).problem, HttpsProblem::kNone);
  EXPECT_EQ(https.minter(), minter) << "a minter per authority, not per switch";

  Write(FileIn(folder_, kAuthorityKeyFileName),
        Read(FileIn(folder_, kAuthorityKeyFileName)).substr(0, 40) + "foreign");
  HttpsAuthority restarted;
  ASSERT_EQ(restarted.Enable(folder_).problem, HttpsProblem::kNone);
  const auto second = LoadStoredAuthority(folder_);
  ASSERT_TRUE(second);
  EXPECT_NE(second->Thumbprint(), first->Thumbprint());
  EXPECT_FALSE(UserRootStoreHolds(first->Thumbprint()));
  EXPECT_TRUE(UserRootStoreHolds(second->Thumbprint()));
  EXPECT_EQ(EnterpriseRootsOf(Read(profile_ + "user.js")), EnterpriseRoots::kOurs);

  EXPECT_EQ(restarted.Disable(folder_).problem, HttpsProblem::kNone);
  EXPECT_FALSE(UserRootStoreHolds(second->Thumbprint()));
  EXPECT_EQ(Read(profile_ + "user.js"), "user_pref(\"mine\", 1);\n");
  EXPECT_FALSE(FileExists(FileIn(folder_, kAuthorityKeyFileName)));
  EXPECT_FALSE(FileExists(FileIn(folder_, kAuthorityCertificateFileName)));
  EXPECT_FALSE(restarted.minter());
}

// Deleting checks each file is still ours: anything else in their place stays.
TEST_F(AuthorityTest, DeletionLeavesFilesThatAreNotOurs) {
  const std::string key = FileIn(folder_, kAuthorityKeyFileName);
  const std::string certificate = FileIn(folder_, kAuthorityCertificateFileName);
  Write(key, "the user's own notes");
  Write(certificate, "not a certificate");
  EXPECT_FALSE(DeleteAuthorityFiles(folder_));
  EXPECT_EQ(Read(key), "the user's own notes");
  EXPECT_EQ(Read(certificate), "not a certificate");
  std::filesystem::remove(key);
  std::filesystem::remove(certificate);
  std::filesystem::create_directories(key);
  EXPECT_FALSE(DeleteAuthorityFiles(folder_));
  EXPECT_TRUE(FolderExists(key));
  std::filesystem::remove(key);
  EXPECT_TRUE(DeleteAuthorityFiles(folder_)) << "nothing there is nothing left";
}

TEST_F(AuthorityTest, RemovalTakesTheAuthorityOutOfEveryStoreProfileAndFolder) {
  const std::string userJs = "user_pref(\"security.enterprise_roots.enabled\", true);\r\n";
  LayOutFirefoxProfile(userJs);
  const std::string data = UserDataFolder();
  std::filesystem::create_directories(data);
  HttpsAuthority https;
  ASSERT_EQ(https.Enable(data).problem, HttpsProblem::kNone);
  const auto authority = LoadStoredAuthority(data);
  ASSERT_TRUE(authority);
  // Another Hushwall authority, from a key file long gone, is found by name.
  const auto stale = tls::Authority::Create(kAuthorityName);
  ASSERT_TRUE(stale);
  ASSERT_EQ(AddToUserRootStore(stale->Certificate()), RootStoreChange::kDone);

  RegistryKey product = RegistryKey::Create(HKEY_CURRENT_USER, "Software\\Hushwall");
  std::string savedPath;
  const bool hadPath = product.ReadText("Path", savedPath);
  product.WriteText("Path", At("install"));
  uninstall::RunUninstall(showBox_);
  if (hadPath) product.WriteText("Path", savedPath);

  EXPECT_FALSE(UserRootStoreHolds(authority->Thumbprint()));
  EXPECT_FALSE(UserRootStoreHolds(stale->Thumbprint()));
  EXPECT_FALSE(FileExists(FileIn(data, kAuthorityKeyFileName)));
  EXPECT_FALSE(FileExists(FileIn(data, kAuthorityCertificateFileName)));
  EXPECT_EQ(Read(profile_ + "user.js"), userJs) << "the user's own line stays";
}

}  // namespace
}  // namespace hush
