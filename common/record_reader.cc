#include "common/record_reader.h"

#include <algorithm>
#include <limits>

#include "common/gbk.h"

namespace {

// The C locale's whitespace, spelled out so no locale can change it. A GBK
// full-width space (A1 A1) is not among it: it belongs to the name.
bool isSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(int c) {
  return c >= '0' && c <= '9';
}

// Skips whitespace and returns the first other byte, or EOF.
int skipSpace(std::FILE* in) {
  int c = std::getc(in);
  while (isSpace(c)) c = std::getc(in);
  return c;
}

// Gives back the byte that ended a field, so the next read starts at it.
void giveBack(std::FILE* in, int c) {
  if (c != EOF) (void)std::ungetc(c, in);  // one byte back always fits
}

}  // namespace

bool readName(std::FILE* in, char (&name)[kNameSize]) {
  int c = skipSpace(in);
  if (c == EOF) return false;
  constexpr std::size_t kMaxLength = kNameSize - 1;
  std::size_t length = 0;
  std::size_t whole = 0;  // length up to the end of the last whole character
  bool inCharacter = false;
  for (; c != EOF && !isSpace(c); c = std::getc(in)) {
    if (length == kMaxLength) {
      // Too long: drop a half character at the cut and the rest of the run.
      length = whole;
      do c = std::getc(in);
      while (c != EOF && !isSpace(c));
      break;
    }
    name[length++] = static_cast<char>(c);
    inCharacter = !inCharacter && isGbkLeadByte(c);
    if (!inCharacter) whole = length;
  }
  name[length] = '\0';
  giveBack(in, c);
  return true;
}

bool readInteger(std::FILE* in, std::int32_t& value) {
  int c = skipSpace(in);
  const bool negative = c == '-';
  if (c == '+' || c == '-') c = std::getc(in);
  if (!isDigit(c)) {
    giveBack(in, c);
    return false;
  }
  // The magnitude saturates just past the range, so any digit count is safe.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; isDigit(c); c = std::getc(in)) {
    if (magnitude < kLimit) magnitude = magnitude * 10 + (c - '0');
  }
  giveBack(in, c);
  if (magnitude > kLimit) magnitude = kLimit;
  value = static_cast<std::int32_t>(negative ? -magnitude : std::min(magnitude, kLimit - 1));
  return true;
}

int readRecord(std::FILE* in, char (&name)[kNameSize], std::int32_t& first, std::int32_t& second) {
  name[0] = '\0';
  first = 0;
  second = 0;
  if (!readName(in, name)) return 0;
  if (!readInteger(in, first)) return 1;
  if (!readInteger(in, second)) return 2;
  return 3;
}
