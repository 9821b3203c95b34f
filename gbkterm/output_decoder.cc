#include "gbkterm/output_decoder.h"

#include <array>

#include "common/gbk.h"

namespace {

constexpr std::string_view kReplacement = "\xef\xbf\xbd";  // U+FFFD

bool isTrailByte(unsigned char c) {
  return c >= 0x40 && c <= 0xFE && c != 0x7F;
}

}  // namespace

OutputDecoder::OutputDecoder() : converter_("UTF-8", "GBK") {}

std::string OutputDecoder::decode(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() * 2);
  for (const char byte : gbk) {
    const auto c = static_cast<unsigned char>(byte);
    if (heldLead_ >= 0) {
      const auto lead = static_cast<unsigned char>(heldLead_);
      heldLead_ = -1;
      if (isTrailByte(c)) {
        decodePair(lead, c, out);
        continue;
      }
      // A lead byte without its trail: mark it, and read this byte afresh.
      out += kReplacement;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (isGbkLeadByte(c)) {
      heldLead_ = c;
    } else {
      decodeCharacter(std::string_view(&byte, 1), out);  // 0x80 is the euro sign
    }
  }
  return out;
}

std::string OutputDecoder::finish() {
  if (heldLead_ < 0) return {};
  heldLead_ = -1;
  return std::string(kReplacement);
}

void OutputDecoder::decodePair(unsigned char lead, unsigned char trail, std::string& out) {
  const std::array<char, 2> pair = {static_cast<char>(lead), static_cast<char>(trail)};
  decodeCharacter(std::string_view(pair.data(), pair.size()), out);
}

void OutputDecoder::decodeCharacter(std::string_view gbk, std::string& out) {
  const std::optional<std::string> utf8 = converter_.convert(gbk);
  out += utf8 ? *utf8 : kReplacement;
}
