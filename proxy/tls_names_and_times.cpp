// Times as certificates hold them, and IPv4 literals as names: plain
// arithmetic, the same on every platform and safe on every thread (no
// gmtime, no inet_addr, which takes "1" or "0x7f.1" for addresses).
#include <chrono>
#include <cstdio>

#include "proxy/tls_internal.h"

namespace hush::tls {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

struct CivilDate {
  std::int64_t year;
  unsigned month, day;
};

CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
  const unsigned day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  const unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  return {static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2), month, day};
}

}  // namespace

std::int64_t NowSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::int64_t SecondsOf(const mbedtls_x509_time& time) {
  return DaysFromCivil(time.year, static_cast<unsigned>(time.mon),
                       static_cast<unsigned>(time.day)) *
             kSecondsPerDay +
         time.hour * 3600 + time.min * 60 + time.sec;
}

std::string CertificateTimeText(std::int64_t seconds) {
  std::int64_t days = seconds / kSecondsPerDay, rest = seconds % kSecondsPerDay;
  if (rest < 0) rest += kSecondsPerDay, --days;
  const CivilDate date = CivilFromDays(days);
  // Certificates cannot say years outside 0000-9999.
  const long long year = date.year < 0 ? 0 : date.year > 9999 ? 9999 : date.year;
  char text[32];
  std::snprintf(text, sizeof text, "%04lld%02u%02u%02u%02u%02u", year, date.month, date.day,
                static_cast<unsigned>(rest / 3600), static_cast<unsigned>(rest % 3600 / 60),
                static_cast<unsigned>(rest % 60));
  return text;
}

std::optional<std::array<unsigned char, 4>> IPv4Literal(const std::string& text) {
  std::array<unsigned char, 4> bytes{};
  std::size_t part = 0, digits = 0;
  unsigned value = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      value = value * 10 + static_cast<unsigned>(c - '0');
      if (++digits > 3 || value > 255) return std::nullopt;
    } else if (c == '.' && digits > 0 && part < 3) {
      bytes[part++] = static_cast<unsigned char>(value);
      value = 0, digits = 0;
    } else {
      return std::nullopt;
    }
  }
  if (part != 3 || digits == 0) return std::nullopt;
  bytes[3] = static_cast<unsigned char>(value);
  return bytes;
}

}  // namespace hush::tls
