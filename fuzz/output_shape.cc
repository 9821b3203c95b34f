#include "fuzz/output_shape.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>

namespace {

// "输入第%d个城市的名称、人口和文化程度:\n"
constexpr char kCityPrompt[] =
    "\xca\xe4\xc8\xeb\xb5\xda%d\xb8\xf6\xb3\xc7\xca\xd0\xb5\xc4\xc3\xfb\xb3\xc6\xa1\xa2\xc8\xcb"
    "\xbf\xda\xba\xcd\xce\xc4\xbb\xaf\xb3\xcc\xb6\xc8:\n";
// "\n排序方式 %d 的结果:\n"
constexpr char kHeading[] = "\n\xc5\xc5\xd0\xf2\xb7\xbd\xca\xbd %d \xb5\xc4\xbd\xe1\xb9\xfb:\n";
constexpr std::string_view kCity = "\xb3\xc7\xca\xd0: ";                       // "城市: "
constexpr std::string_view kPopulation = ", \xc8\xcb\xbf\xda: ";               // ", 人口: "
constexpr std::string_view kCulture = ", \xce\xc4\xbb\xaf\xb3\xcc\xb6\xc8: ";  // ", 文化程度: "
// "输入学生%d的姓名、学号和年龄:\n"
constexpr char kStudentPrompt[] =
    "\xca\xe4\xc8\xeb\xd1\xa7\xc9\xfa%d\xb5\xc4\xd0\xd5\xc3\xfb\xa1\xa2\xd1\xa7\xba\xc5\xba\xcd"
    "\xc4\xea\xc1\xe4:\n";
constexpr std::string_view kMean = "\n\xc6\xbd\xbe\xf9\xc4\xea\xc1\xe4: ";  // "\n平均年龄: "
// "年龄最小的学生信息: 姓名: "
constexpr std::string_view kYoungest =
    "\xc4\xea\xc1\xe4\xd7\xee\xd0\xa1\xb5\xc4\xd1\xa7\xc9\xfa\xd0\xc5\xcf\xa2: \xd0\xd5\xc3\xfb: ";
constexpr std::string_view kStudentId = ", \xd1\xa7\xba\xc5: ";  // ", 学号: "
constexpr std::string_view kAge = ", \xc4\xea\xc1\xe4: ";        // ", 年龄: "
constexpr std::size_t kMaxNameLength = 51;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads the output from the front, one expected piece at a time.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : rest_(text) {}

  bool atEnd() const { return rest_.empty(); }

  bool literal(std::string_view text) {
    if (!rest_.starts_with(text)) return false;
    rest_.remove_prefix(text.size());
    return true;
  }

  bool formatted(const char* format, int value) {
    std::array<char, 128> text{};
    (void)std::snprintf(text.data(), text.size(), format, value);
    return literal(text.data());
  }

  // A name as printed: up to `separator`, short enough, with no whitespace.
  bool name(std::string_view separator, std::string& out) {
    const std::size_t end = rest_.find(separator);
    if (end == std::string_view::npos || end > kMaxNameLength) return false;
    out = std::string(rest_.substr(0, end));
    if (out.find_first_of(std::string_view(" \t\n\v\f\r\0", 7)) != std::string::npos) return false;
    rest_.remove_prefix(end);
    return true;
  }

  // A %d value: an optional minus and digits, with no leading zero.
  bool integer(std::int64_t& out) {
    std::size_t length = rest_.starts_with('-') ? 1 : 0;
    const std::size_t firstDigit = length;
    while (length < rest_.size() && isDigit(rest_[length])) ++length;
    const std::size_t digits = length - firstDigit;
    if (digits == 0 || digits > 10 || (digits > 1 && rest_[firstDigit] == '0')) return false;
    out = std::strtoll(std::string(rest_.substr(0, length)).c_str(), nullptr, 10);
    rest_.remove_prefix(length);
    return out >= INT32_MIN && out <= INT32_MAX;
  }

  // A %.2f value within the 32-bit range, returned in hundredths.
  bool fixedTwoDecimals(std::int64_t& hundredths) {
    std::int64_t whole = 0;
    const bool negative = rest_.starts_with('-');
    if (!integer(whole) || !literal(".") || rest_.size() < 2 || !isDigit(rest_[0]) ||
        !isDigit(rest_[1])) {
      return false;
    }
    const std::int64_t fraction = (rest_[0] - '0') * 10 + (rest_[1] - '0');
    rest_.remove_prefix(2);
    hundredths = whole * 100 + (negative ? -fraction : fraction);
    return true;
  }

 private:
  std::string_view rest_;
};

using CityLine = std::tuple<std::string, std::int64_t, std::int64_t>;
using CityBlock = std::array<CityLine, 5>;

bool isRanked(const CityBlock& block, int mode) {
  for (std::size_t i = 0; i + 1 < block.size(); ++i) {
    const CityLine& a = block[i];
    const CityLine& b = block[i + 1];
    const bool inOrder = mode == 1   ? std::get<0>(a) <= std::get<0>(b)
                         : mode == 2 ? std::get<1>(a) >= std::get<1>(b)
                                     : std::get<2>(a) >= std::get<2>(b);
    if (!inOrder) return false;
  }
  return true;
}

bool sameCities(CityBlock a, CityBlock b) {
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  return a == b;
}

// One heading and its five listing lines.
const char* readRanking(Cursor& cursor, int mode, CityBlock& block) {
  if (!cursor.formatted(kHeading, mode)) return "heading";
  for (CityLine& line : block) {
    auto& [name, population, culture] = line;
    if (!cursor.literal(kCity) || !cursor.name(kPopulation, name)) return "city name";
    if (!cursor.literal(kPopulation) || !cursor.integer(population)) return "population";
    if (!cursor.literal(kCulture) || !cursor.integer(culture)) return "culture level";
    if (!cursor.literal("\n")) return "line end";
  }
  return "";
}

}  // namespace

const char* checkCityrankShape(std::string_view output) {
  Cursor cursor(output);
  for (int k = 1; k <= 5; ++k) {
    if (!cursor.formatted(kCityPrompt, k)) return "prompt";
  }
  CityBlock first;
  for (int mode = 1; mode <= 3; ++mode) {
    CityBlock block;
    if (const char* problem = readRanking(cursor, mode, block); *problem != '\0') return problem;
    if (!isRanked(block, mode)) return "ranking order";
    if (mode == 1) first = block;
    if (!sameCities(first, block)) return "cities changed between rankings";
  }
  return cursor.atEnd() ? "" : "text after the last ranking";
}

const char* checkAgestatShape(std::string_view output) {
  Cursor cursor(output);
  for (int k = 1; k <= 5; ++k) {
    if (!cursor.formatted(kStudentPrompt, k)) return "prompt";
  }
  std::int64_t meanHundredths = 0;
  if (!cursor.literal(kMean) || !cursor.fixedTwoDecimals(meanHundredths) || !cursor.literal("\n")) {
    return "mean age";
  }
  std::string name;
  std::int64_t studentId = 0;
  std::int64_t age = 0;
  if (!cursor.literal(kYoungest) || !cursor.name(kStudentId, name)) return "youngest name";
  if (!cursor.literal(kStudentId) || !cursor.integer(studentId)) return "student number";
  if (!cursor.literal(kAge) || !cursor.integer(age) || !cursor.literal("\n")) return "age";
  // Nobody is older than the mean and still the youngest.
  if (age * 100 > meanHundredths) return "youngest older than the mean";
  return cursor.atEnd() ? "" : "text after the youngest student";
}
