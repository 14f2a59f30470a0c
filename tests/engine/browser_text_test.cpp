// The edits made to browsers' settings files and the hosts file, on their
// text: only the lines meant change, every other byte (line ends included)
// comes back exactly, and what the checks accept is exactly the proxy.
#include <gtest/gtest.h>

#include <string>

#include "browsers/connection_value.h"
#include "browsers/hosts_text.h"
#include "browsers/http_proxy.h"
#include "browsers/mozilla_prefs.h"
#include "browsers/opera_ini.h"
#include "browsers/profile_paths.h"
#include "browsers/registry_dat.h"
#include "browsers/replaced_settings.h"

namespace hush::browsers {
namespace {

// The same text with bare line feeds or with CR LF.
std::string Ends(std::string text, const char* end) {
  std::string out;
  for (char c : text) c == '\n' ? out += end : out += c;
  return out;
}

constexpr const char* kLineEnds[] = {"\n", "\r\n"};

const std::string kSetLines =
    "user_pref(\"network.proxy.http\", \"Hushwall\");\n"
    "user_pref(\"network.proxy.http_port\", 8100);\n"
    "user_pref(\"network.proxy.type\", 1);";

TEST(UserJsEdit, OnlyTheThreeProxyLinesChangeInEitherLineEndStyle) {
  for (const char* end : kLineEnds) {
    SCOPED_TRACE(end[0] == '\r' ? "CR LF" : "LF");
    const std::string before = Ends(
        "// mine\nuser_pref(\"browser.startup.homepage\", \"x\");\n"
        "user_pref(\"network.proxy.type\", 0);\nuser_pref(\"network.proxy.http\", \"corp\");\n"
        "user_pref(\"network.proxy.http\", \"later\");\nuser_pref(\"a.b\", 1);",
        end);
    const std::string after = WithProxyPrefLines(before, SetPrefLines("Hushwall", "8100"));
    EXPECT_EQ(after, Ends("// mine\nuser_pref(\"browser.startup.homepage\", \"x\");\n"
                          "user_pref(\"network.proxy.type\", 1);\n"
                          "user_pref(\"network.proxy.http\", \"Hushwall\");\n"
                          "user_pref(\"a.b\", 1);\n"
                          "user_pref(\"network.proxy.http_port\", 8100);",
                          end));
    // Put back, the user's lines read as before (the later duplicate, which
    // could only undo ours, stays gone).
    const ProxyPrefLines previous = FindProxyPrefLines(before);
    EXPECT_EQ(WithProxyPrefLines(
                  after, {*previous[kProxyHttpHost], "user_pref(\"network.proxy.http_port\", 0);",
                          *previous[kProxyType]}),
              Ends("// mine\nuser_pref(\"browser.startup.homepage\", \"x\");\n"
                   "user_pref(\"network.proxy.type\", 0);\n"
                   "user_pref(\"network.proxy.http\", \"later\");\nuser_pref(\"a.b\", 1);\n"
                   "user_pref(\"network.proxy.http_port\", 0);",
                   end));
  }
  // A new file is exactly the three lines, the last without a line end.
  EXPECT_EQ(WithProxyPrefLines("", SetPrefLines("Hushwall", "8100")), Ends(kSetLines, "\r\n"));
}

TEST(ProfileCheck, UserJsWinsOverPrefsJs) {
  const std::string proxyPrefs = kSetLines + "\n";
  struct Case {
    std::string prefs, user;
    bool usesProxy;
  } cases[] = {
      {proxyPrefs, "", true},
      {"user_pref(\"network.proxy.type\", 1);\nuser_pref(\"network.proxy.http\", \"Hushwall\");\n",
       "", false},
      {"", kSetLines, true},  // set, browser not started since
      {proxyPrefs, WithProxyPrefLines("", ResetPrefLines()), false},
      {"user_pref(\"network.proxy.http\", \"hushwall\");\n" +
           proxyPrefs.substr(proxyPrefs.find('\n') + 1),
       "", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ProfileTextsUseProxy(c.prefs, c.user), c.usesProxy) << c.prefs << "|" << c.user;
}

TEST(PrefsJsEdit, TheFirstProxyLineGoesAndComesBack) {
  const std::string prefs =
      "user_pref(\"a\", 1);\r\nuser_pref(\"network.proxy.http_port\", 3128);\r\n"
      "user_pref(\"network.proxy.http\", \"corp\");\r\n";
  std::string removed;
  const std::string without = WithoutFirstProxyHttpLine(prefs, &removed);
  EXPECT_EQ(removed, "user_pref(\"network.proxy.http_port\", 3128);");
  EXPECT_EQ(without, "user_pref(\"a\", 1);\r\nuser_pref(\"network.proxy.http\", \"corp\");\r\n");
  // The browser may have written our port meanwhile: the user's line wins.
  EXPECT_EQ(
      WithRestoredPrefLine(without + "user_pref(\"network.proxy.http_port\", 8100);\r\n", removed),
      "user_pref(\"a\", 1);\r\nuser_pref(\"network.proxy.http\", \"corp\");\r\n" + removed +
          "\r\n");
  const auto proxy =
      ManualHttpProxy(EffectivePrefLines(prefs, "user_pref(\"network.proxy.type\", 1);"));
  ASSERT_TRUE(proxy);
  EXPECT_EQ(proxy->host + ":" + proxy->port, "corp:3128");
}

// The browser skips block, line and "#" comments: a proxy line inside one
// is not the user's setting, and the edits leave the comments whole.
TEST(PrefComments, CommentedProxyLinesAreNeitherReadNorReplaced) {
  const std::string user =
      "/* old office proxy\n"
      "user_pref(\"network.proxy.http\", \"old\");\n"
      "*/\n"
      "// user_pref(\"network.proxy.type\", 4);\n"
      "# user_pref(\"network.proxy.http_port\", 1);\n"
      "user_pref(\"network.proxy.http\", \"http://corp\"); // the one in use\n"
      "/* x */ user_pref(\"network.proxy.type\", 1);\n"
      "user_pref(\"network.proxy.http_port\", 3128); /* until\n"
      "user_pref(\"network.proxy.http_port\", 9);  */\n";
  const ProxyPrefLines found = FindProxyPrefLines(user);
  EXPECT_EQ(found[kProxyHttpHost], "user_pref(\"network.proxy.http\", \"http://corp\");");
  EXPECT_EQ(found[kProxyType], "user_pref(\"network.proxy.type\", 1);");
  EXPECT_EQ(found[kProxyHttpPort], "user_pref(\"network.proxy.http_port\", 3128);");
  EXPECT_FALSE(ProfileTextsUseProxy("", user));

  const std::string set = WithProxyPrefLines(user, SetPrefLines("Hushwall", "8100"));
  EXPECT_EQ(set,
            "/* old office proxy\n"
            "user_pref(\"network.proxy.http\", \"old\");\n"
            "*/\n"
            "// user_pref(\"network.proxy.type\", 4);\n"
            "# user_pref(\"network.proxy.http_port\", 1);\n"
            "user_pref(\"network.proxy.http\", \"Hushwall\"); // the one in use\n"
            "/* x */ user_pref(\"network.proxy.type\", 1);\n"
            "user_pref(\"network.proxy.http_port\", 8100); /* until\n"
            "user_pref(\"network.proxy.http_port\", 9);  */\n");
  EXPECT_TRUE(ProfileTextsUseProxy("", set));
  // Put back, the file is the user's again to the byte.
  EXPECT_EQ(WithProxyPrefLines(set, {found[0], found[1], found[2]}), user);

  // Only a live line is taken out of "prefs.js".
  std::string removed;
  EXPECT_EQ(WithoutFirstProxyHttpLine("/*\nuser_pref(\"network.proxy.http\", \"a\");\n*/\n"
                                      "user_pref(\"network.proxy.http\", \"b\"); // b\n",
                                      &removed),
            "/*\nuser_pref(\"network.proxy.http\", \"a\");\n*/\n // b\n");
  EXPECT_EQ(removed, "user_pref(\"network.proxy.http\", \"b\");");
}

// A proxy the browser cannot use is no upstream gateway (and must not throw).
TEST(PrefComments, OnlyAUsablePortMakesAManualProxy) {
  const auto proxyWithPort = [](const std::string& port) {
    std::string user =
        "user_pref(\"network.proxy.type\", 1);\n"
        "user_pref(\"network.proxy.http\", \"corp\");\n";
    if (port != "none") user += "user_pref(\"network.proxy.http_port\", " + port + ");\n";
    return ManualHttpProxy(FindProxyPrefLines(user));
  };
  for (const char* bad : {"none", "\"\"", "0", "\"abc\"", "65536", "99999999999", "-1"})
    EXPECT_FALSE(proxyWithPort(bad)) << bad;
  ASSERT_TRUE(proxyWithPort("65535"));
  EXPECT_EQ(proxyWithPort("65535")->port, "65535");
}

TEST(OperaEdit, SetWorksInsideTheProxySectionOnly) {
  struct Case {
    const char* before;
    const char* after;
  } cases[] = {
      {"[User]\nName=x\n", "[User]\nName=x\n\n[Proxy]\nUse HTTP=1\nHTTP Server=Hushwall:8100\n"},
      {"[User]\nName=x", "[User]\nName=x\n[Proxy]\nUse HTTP=1\nHTTP Server=Hushwall:8100\n"},
      {"[Proxy]\nUse HTTP=0\nHTTP Server=corp:3128\n\n[Other]\nUse HTTP=0\n",
       "[Proxy]\nUse HTTP=1\nHTTP Server=Hushwall:8100\n\n[Other]\nUse HTTP=0\n"},
      {"[Other]\nHTTP Server=elsewhere\n[Proxy]\nFTP Server=f\n\n[Last]\n",
       "[Other]\nHTTP Server=elsewhere\n[Proxy]\nFTP Server=f\nUse HTTP=1\n"
       "HTTP Server=Hushwall:8100\n\n[Last]\n"},
  };
  for (const char* end : kLineEnds) {
    for (const Case& c : cases) {
      const std::string after = WithOperaProxySet(Ends(c.before, end), "Hushwall", "8100");
      EXPECT_EQ(after, Ends(c.after, end)) << c.before;
      EXPECT_TRUE(OperaTextUsesProxy(after));
    }
  }
  // An empty file has no style of its own: Windows line ends.
  EXPECT_EQ(WithOperaProxySet("", "Hushwall", "8100"),
            "\r\n[Proxy]\r\nUse HTTP=1\r\nHTTP Server=Hushwall:8100\r\n");
}

TEST(OperaEdit, ResetPutsBackWhatWasThereOrSwitchesOff) {
  const std::string before = "[Proxy]\r\nHTTP Server=corp:3128\r\nUse HTTP=1\r\n";
  const OperaProxyLines previous = FindOperaProxyLines(before);
  const std::string set = WithOperaProxySet(before, "Hushwall", "8100");
  EXPECT_EQ(WithOperaProxyReset(set, &previous), before);
  EXPECT_EQ(WithOperaProxyReset(set, nullptr), "[Proxy]\r\nHTTP Server\r\nUse HTTP=0\r\n");
  EXPECT_EQ(OperaHttpProxy(previous)->host, "corp");
  EXPECT_FALSE(OperaTextUsesProxy("[Other]\nUse HTTP=1\nHTTP Server=Hushwall:8100\n"));
}

TEST(HostsText, OnlyALoopbackLineNamingTheHostExactlyIsTheEntry) {
  struct Case {
    std::string text;
    bool present;
  } cases[] = {
      {"127.0.0.1\tHushwall\n", true},
      {"127.0.0.1 localhost HUSHWALL", true},
      {"  ::1   hushwall # mine", true},
      {"127.0.0.1 myhushwallbox\n", false},
      {"10.1.2.3 Hushwall\n", false},
      {"# 127.0.0.1 Hushwall\n127.0.0.1 # Hushwall\n", false},
      {"127.0.0.1 " + std::string(2000, 'a') + " Hushwall\n", true},
  };
  for (const Case& c : cases) EXPECT_EQ(HostsTextHasLoopbackEntry(c.text, "Hushwall"), c.present);
  EXPECT_EQ(WithHostsEntry("a b", "127.0.0.1", "Hushwall"), "a b\r\n127.0.0.1\tHushwall");
  EXPECT_EQ(WithHostsEntry("a b\n", "127.0.0.1", "Hushwall"), "a b\n127.0.0.1\tHushwall\n");
}

// Adding the entry and taking it out again gives back the user's bytes,
// whatever ends the lines and with a UTF-8 byte-order mark in front.
TEST(HostsText, TheEntryComesOutAgainWhateverTheLineEnds) {
  const std::string files[] = {
      "",
      "a b",
      "a b\n",
      "a b\r\n",
      "x\r10.0.0.5 nas\r",
      "x\r10.0.0.5 nas",
      "\xEF\xBB\xBF"
      "127.0.0.1 localhost\r\n",
      "\xEF\xBB\xBF",
  };
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const std::string with = WithHostsEntry(file, "127.0.0.1", "Hushwall");
    EXPECT_TRUE(HostsTextHasLoopbackEntry(with, "Hushwall"));
    EXPECT_EQ(WithoutHushwallLines(with, "Hushwall"), file);
  }
  EXPECT_EQ(WithoutHushwallLines("x\r127.0.0.1\tHushwall\r10.0.0.5 nas\r", "Hushwall"),
            "x\r10.0.0.5 nas\r");
  EXPECT_TRUE(
      HostsTextHasLoopbackEntry("\xEF\xBB\xBF"
                                "127.0.0.1 Hushwall",
                                "Hushwall"));
}

TEST(HostsText, OnlyUtf16IsAnEncodingThatCannotBeEdited) {
  struct Case {
    std::string text;
    HostsEncoding encoding;
  } cases[] = {
      {"127.0.0.1 localhost\r\n", HostsEncoding::kSingleByte},
      {"10.0.0.5 caf\xE9\r\n", HostsEncoding::kSingleByte},
      {"\xEF\xBB\xBF# mine\r\n", HostsEncoding::kUtf8WithMark},
      {std::string("\xFF\xFE#\0\r\0\n\0", 8), HostsEncoding::kUtf16},
      {std::string("\xFE\xFF\0#", 4), HostsEncoding::kUtf16},
      {std::string("1\0002\0007\0", 6), HostsEncoding::kUtf16},  // no mark
  };
  for (const Case& c : cases) EXPECT_EQ(HostsTextEncoding(c.text), c.encoding) << c.text;
}

TEST(HostsText, BannerBlockingAddsAndRemovesOnlyItsOwnBlock) {
  const std::string defaults = "# default\r\n127.0.0.1 localhost\r\n127.0.0.1\tHushwall\r\n";
  const std::string blocking = defaults + "127.0.0.1 ads.example\r\n127.0.0.1 mine.example\r\n";
  const std::string user = "# mine\n127.0.0.1 localhost\n10.0.0.5 nas\n0.0.0.0 mine.example\n";
  const std::string on = WithBannerBlocking(user, blocking, defaults, true);
  EXPECT_EQ(on.substr(0, user.size()), user);
  EXPECT_TRUE(HostsTextHasLoopbackEntry(on, "Hushwall"));
  EXPECT_TRUE(HostsTextHasLoopbackEntry(on, "ads.example"));
  EXPECT_EQ(on.find("127.0.0.1 mine.example"), std::string::npos);  // the user maps it already
  EXPECT_EQ(WithBannerBlocking(on, blocking, defaults, true), on);
  EXPECT_TRUE(BannerBlockingIsOn(on, blocking, defaults));
  EXPECT_FALSE(BannerBlockingIsOn(user, blocking, defaults));
  const std::string off = WithBannerBlocking(on, blocking, defaults, false);
  EXPECT_FALSE(HostsTextHasLoopbackEntry(off, "ads.example"));
  EXPECT_TRUE(HostsTextHasLoopbackEntry(off, "Hushwall"));
  EXPECT_EQ(off.substr(0, user.size()), user);
  EXPECT_EQ(WithBannerBlocking(off, blocking, defaults, false), off);
  EXPECT_FALSE(BannerBlockingIsOn(off, blocking, defaults));
}

TEST(ConnectionValue, OnlyAWholeValueNamingTheProxyExactlyCounts) {
  auto value = [](std::uint8_t flags, std::string server, std::size_t claimed) {
    std::string bytes(16, '\0');
    bytes[0] = 0x46;
    bytes[8] = static_cast<char>(flags);
    for (int i = 0; i < 4; ++i) bytes[12 + i] = static_cast<char>((claimed >> (8 * i)) & 0xFF);
    return bytes + server + std::string(4, '\0') + std::string(4, '\0');
  };
  const std::string ours = kHushwallServerList;
  EXPECT_TRUE(ConnectionValueUsesProxy(value(3, ours, ours.size())));
  EXPECT_FALSE(ConnectionValueUsesProxy(value(11, ours, ours.size())));
  EXPECT_FALSE(ConnectionValueUsesProxy(value(3, "http=hushwall:8100", ours.size())));
  EXPECT_FALSE(ConnectionValueUsesProxy(value(3, ours, 200)));  // runs past the value
  EXPECT_FALSE(ConnectionValueUsesProxy(value(3, ours, ours.size()).substr(0, 20)));
  EXPECT_FALSE(ConnectionValueUsesProxy(value(3, ours, ours.size()) + std::string(300, '\0')));
  EXPECT_FALSE(ConnectionValueUsesProxy(""));
  const auto parsed = ParseConnectionValue(value(11, "corp:3128", 9));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->flags, 11u);
  EXPECT_EQ(parsed->server, "corp:3128");
}

TEST(HttpProxy, ServerListsNameTheirHttpProxy) {
  EXPECT_EQ(HttpProxyOfServerList("corp:3128")->host, "corp");
  EXPECT_EQ(HttpProxyOfServerList("ftp=f:21;http=web:8080")->port, "8080");
  EXPECT_FALSE(HttpProxyOfServerList("ftp=f:21"));
  EXPECT_FALSE(ParseHostPort("corp:99999"));
  EXPECT_TRUE(IsHushwallProxy(*HttpProxyOfServerList(kHushwallServerList)));
  EXPECT_TRUE(IsHushwallProxy({"127.0.0.1", "8100"}));
}

TEST(RegistryDat, ProfilesOutsideTheStandardFolderAreFound) {
  using namespace std::string_literals;
  const std::string bytes =
      "junk directory\0D:\\Moz\\Work\\ab12.slt\0x"s +
      "directory\0C:\\Std\\Profiles\\p\\cd.slt\0directory\0D:\\Moz\\no-salt\0"s;
  const auto folders = ProfileFoldersOfRegistryDat(bytes, "C:\\Std\\Profiles\\");
  ASSERT_EQ(folders.size(), 1u);
  EXPECT_EQ(folders[0], "D:\\Moz\\Work\\ab12.slt");
  EXPECT_EQ(ProfileNameOfFolder(folders[0]), "Work");
}

TEST(ProfilePaths, EveryWindowsVersionHasItsFolders) {
  struct Case {
    unsigned long platform, major, minor;
    const char* mozilla;
    const char* opera;
  } cases[] = {
      {1, 4, 0, "C:\\WIN\\Application Data\\Mozilla\\", "C:\\WIN\\Application Data\\Opera"},
      {1, 4, 90, "C:\\WIN\\Application Data\\Mozilla\\", "C:\\WIN\\Application Data\\Opera"},
      {2, 4, 0, "C:\\WIN\\Profiles\\ann\\Application Data\\Mozilla\\",
       "C:\\Documents and Settings\\ann\\Application Data\\Opera"},
      {2, 5, 1, "D:\\Documents and Settings\\ann\\Application Data\\Mozilla\\",
       "D:\\Documents and Settings\\ann\\Application Data\\Opera"},
      {2, 10, 0, "E:\\Users\\ann\\AppData\\Roaming\\Mozilla\\",
       "E:\\Users\\ann\\AppData\\Roaming\\Opera"},
      {2, 3, 51, "", ""},
  };
  for (const Case& c : cases) {
    SystemFacts facts;
    facts.windows = ClassifyWindows(c.platform, c.major, c.minor);
    facts.windowsDirectory = c.platform == 2 && c.major == 5 ? "D:\\WINDOWS" : "C:\\WIN";
    facts.userName = "ann";
    facts.applicationData = "E:\\Users\\ann\\AppData\\Roaming";
    EXPECT_EQ(MozillaFolder(facts), c.mozilla) << c.major << "." << c.minor;
    const std::string opera = OperaMultiUserFile(facts, "C:\\Program Files\\Opera7\\");
    EXPECT_EQ(opera, *c.opera ? std::string(c.opera) + "\\Opera7\\profile\\opera6.ini" : "");
  }
  SystemFacts nine;
  nine.windowsDirectory = "C:\\WINDOWS";
  EXPECT_EQ(HostsFilePath(nine), "C:\\WINDOWS\\hosts");
}

TEST(ReplacedSettings, AnyTextReadsBackExactly) {
  ReplacedSettings settings;
  const std::string awkward = " lead=%[x]\r\n;tail\t";
  settings.Put("Opera file|c:\\a]b", {{"Use HTTP", awkward}, {"empty", ""}});
  settings.Put("other", {{"k", "v"}});
  settings.Erase("other");
  const ReplacedSettings read = ReplacedSettings::Parse(settings.Text());
  ASSERT_NE(read.Find("Opera file|c:\\a]b"), nullptr);
  EXPECT_EQ(read.Find("Opera file|c:\\a]b")->at("Use HTTP"), awkward);
  EXPECT_EQ(read.Find("Opera file|c:\\a]b")->at("empty"), "");
  EXPECT_EQ(read.Find("other"), nullptr);
}

}  // namespace
}  // namespace hush::browsers
