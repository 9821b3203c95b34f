// Feeds arbitrary bytes to gbkterm's converters, in one piece and byte by
// byte: how the bytes are split across reads must never change the result,
// the terminal must only ever get valid UTF-8, and a refused key only a bell.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "gbkterm/input_encoder.h"
#include "gbkterm/output_decoder.h"

namespace {

// Bytes in the UTF-8 sequence that `lead` starts, or 0 if it starts none.
std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead < 0xC2 || lead > 0xF4) return 0;
  return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
}

bool isValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = sequenceLength(static_cast<unsigned char>(text[i]));
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

std::string decodeInPieces(std::string_view gbk, std::size_t piece) {
  OutputDecoder decoder;
  std::string shown;
  for (std::size_t i = 0; i < gbk.size(); i += piece) shown += decoder.decode(gbk.substr(i, piece));
  return shown + decoder.finish();
}

EncodedInput encodeInPieces(std::string_view keys, std::size_t piece) {
  InputEncoder encoder;
  const LineSettings canonical;
  EncodedInput all;
  for (std::size_t i = 0; i < keys.size(); i += piece) {
    const EncodedInput encoded = encoder.encode(keys.substr(i, piece), canonical);
    all.toCommand += encoded.toCommand;
    all.toTerminal += encoded.toTerminal;
  }
  const EncodedInput last = encoder.endOfInput(canonical);
  all.toCommand += last.toCommand;
  all.toTerminal += last.toTerminal;
  return all;
}

}  // namespace

// NOLINTNEXTLINE(readability-identifier-naming): libFuzzer's entry point
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::string shown = decodeInPieces(bytes, bytes.size() + 1);
  require(isValidUtf8(shown), "the terminal gets valid UTF-8");
  require(shown == decodeInPieces(bytes, 1), "output independent of how reads split it");

  const EncodedInput whole = encodeInPieces(bytes, bytes.size() + 1);
  const EncodedInput split = encodeInPieces(bytes, 1);
  require(whole.toCommand == split.toCommand, "input independent of how reads split it");
  require(whole.toTerminal == split.toTerminal, "bells independent of how reads split it");
  require(whole.toTerminal.find_first_not_of('\a') == std::string::npos, "only bells echo back");
  return 0;
}
