// The ClientHello reader on hellos as openssl s_client sent them, whole,
// cut short, spread over records, and with lengths that lie.
#include "proxy/client_hello.h"

#include <gtest/gtest.h>

#include <string>

namespace hush {
namespace {

using Status = ClientHello::Status;

std::string FromHex(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
  return bytes;
}

// `openssl s_client -servername Example.COM -alpn h2,http/1.1 -tls1_2`
const std::string kWithName = FromHex(
    "16030100dd010000d90303c505c761f0b71b38bb9bb811f8b9147240d7c91e5e1cbc986ebf699ce6c460e20000"
    "38c02cc030009fcca9cca8ccaac02bc02f009ec024c028006bc023c0270067c00ac0140039c009c0130033009d"
    "009c003d003c0035002f00ff0100007800000010000e00000b4578616d706c652e434f4d000b00040300010200"
    "0a000c000a001d0017001e00190018002300000010000e000c02683208687474702f312e310016000000170000"
    "000d002a0028040305030603080708080809080a080b080408050806040105010601030303010302040205020602");

// The same hello's handshake message in records of at most `size` bytes.
std::string InRecordsOf(const std::string& hello, std::size_t size) {
  const std::string message = hello.substr(5);
  std::string records;
  for (std::size_t at = 0; at < message.size(); at += size) {
    const std::string fragment = message.substr(at, size);
    records += std::string("\x16\x03\x01", 3) + static_cast<char>(fragment.size() >> 8) +
               static_cast<char>(fragment.size() & 0xff) + fragment;
  }
  return records;
}

// The hello with its byte at `offset` (from the start of the record) set.
std::string WithByte(std::string hello, std::size_t offset, char value) {
  hello[offset] = value;
  return hello;
}

// Where the server name's length starts in kWithName.
const std::size_t kNameLengthOffset = 113;

TEST(ClientHelloTest, ReadsTheNameAndProtocolsOrRefuses) {
  // `openssl s_client -noservername -tls1_2`
  const std::string noName = FromHex(
      "16030100b7010000b3030343e99e3753f66ae49599a22cc633de8c9bee8e5dc9c0ce63d880841f4339323d00"
      "0038c02cc030009fcca9cca8ccaac02bc02f009ec024c028006bc023c0270067c00ac0140039c009c0130033"
      "009d009c003d003c0035002f00ff01000052000b000403000102000a000c000a001d0017001e001900180023"
      "00000016000000170000000d002a0028040305030603080708080809080a080b080408050806040105010601"
      "030303010302040205020602");
  struct Case {
    const char* what;
    std::string bytes;
    Status status;
    std::string name;
    bool h2;
  } cases[] = {
      {"whole, with trailing bytes", kWithName + "GET", Status::kComplete, "example.com", true},
      {"one byte short", kWithName.substr(0, kWithName.size() - 1), Status::kIncomplete, "", false},
      {"record header only", kWithName.substr(0, 5), Status::kIncomplete, "", false},
      {"over three records", InRecordsOf(kWithName, 100), Status::kComplete, "example.com", true},
      {"a record per byte", InRecordsOf(kWithName, 1), Status::kComplete, "example.com", true},
      {"no server name", noName, Status::kComplete, "", false},
      {"name length past its extension", WithByte(kWithName, kNameLengthOffset, 0x40),
       Status::kNotTls, "", false},
      {"record claims more than the limit", WithByte(kWithName, 3, 0x7f), Status::kNotTls, "",
       false},
      {"message claims 16 MiB", WithByte(kWithName, 6, 0x7f), Status::kNotTls, "", false},
      {"not a ClientHello", WithByte(kWithName, 5, 2), Status::kNotTls, "", false},
      {"application data record", WithByte(kWithName, 0, 23), Status::kNotTls, "", false},
      {"SSLv2 shape", FromHex("8046010301002d0000001000"), Status::kNotTls, "", false},
      {"plain HTTP", "GET / HTTP/1.1\r\n", Status::kNotTls, "", false},
      {"first byte alone", "\x16", Status::kIncomplete, "", false},
  };
  for (const Case& c : cases) {
    const ClientHello hello = ReadClientHello(c.bytes);
    EXPECT_EQ(hello.status, c.status) << c.what;
    EXPECT_EQ(hello.serverName, c.name) << c.what;
    EXPECT_EQ(hello.offersH2, c.h2) << c.what;
    if (hello.status == Status::kComplete) {
      EXPECT_EQ(hello.length, c.bytes.size() - (c.bytes.ends_with("GET") ? 3 : 0)) << c.what;
      EXPECT_EQ(hello.offersHttp11, c.h2) << c.what;
    }
  }
}

TEST(ClientHelloTest, TellsHostNamesFromOtherNames) {
  for (const char* name : {"a", "www.example.com", "x_y.example", "xn--bcher-kva.example", "a1.b2"})
    EXPECT_TRUE(IsDnsHostName(name)) << name;
  for (const char* name : {"", "127.0.0.1", "-a.example", "a-.example", "a..b", "a.b.", "a b",
                           "a/b", "[::1]", "example.com:443"})
    EXPECT_FALSE(IsDnsHostName(name)) << name;
  EXPECT_FALSE(IsDnsHostName(std::string(64, 'a') + ".example"));
  EXPECT_TRUE(IsDnsHostName(std::string(63, 'a') + ".example"));
}

}  // namespace
}  // namespace hush
