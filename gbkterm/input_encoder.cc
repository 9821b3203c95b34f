#include "gbkterm/input_encoder.h"

namespace {

constexpr char kBell = '\a';

// Bytes in a UTF-8 sequence that starts with `lead`; 0 when none can.
std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool isContinuation(unsigned char c) {
  return c >= 0x80 && c <= 0xBF;
}

bool isSpace(const std::string& character) {
  return character == " " || character == "\t";
}

bool is(char c, unsigned char control) {
  return control != 0 && static_cast<unsigned char>(c) == control;
}

// Keys after which the line being typed is handed over or thrown away.
bool endsLine(char c, const LineSettings& settings) {
  return c == '\n' || c == '\r' || is(c, settings.kill) || is(c, settings.endOfFile) ||
         is(c, settings.interrupt) || is(c, settings.quit) || is(c, settings.suspend);
}

}  // namespace

InputEncoder::InputEncoder() : converter_("GBK", "UTF-8") {}

EncodedInput InputEncoder::encode(std::string_view utf8, const LineSettings& settings) {
  EncodedInput out;
  if (!settings.canonical) line_.clear();
  for (const char byte : utf8) {
    const auto c = static_cast<unsigned char>(byte);
    if (!pending_.empty() && !isContinuation(c)) {
      out.toTerminal += kBell;  // a sequence cut short
      pending_.clear();
    }
    if (pending_.empty() && sequenceLength(c) == 0) {
      out.toTerminal += kBell;  // no character starts with this byte
      continue;
    }
    pending_ += byte;
    if (pending_.size() == sequenceLength(static_cast<unsigned char>(pending_[0]))) {
      encodeCharacter(pending_, settings, out);
      pending_.clear();
    }
  }
  return out;
}

void InputEncoder::encodeCharacter(std::string_view character, const LineSettings& settings,
                                   EncodedInput& out) {
  const auto first = static_cast<unsigned char>(character[0]);
  if (character.size() == 1 && (first < 0x20 || first == 0x7F)) {
    encodeControl(character[0], settings, out);
    return;
  }
  const std::optional<std::string> gbk = converter_.convert(character);
  if (!gbk) {
    out.toTerminal += kBell;
    return;
  }
  out.toCommand += *gbk;
  if (settings.canonical) line_.push_back(*gbk);
}

void InputEncoder::encodeControl(char c, const LineSettings& settings, EncodedInput& out) {
  if (!settings.canonical) {
    out.toCommand += c;
    return;
  }
  if (is(c, settings.erase)) {
    // The command's terminal erases one byte per erase key: send one per GBK byte.
    const std::size_t bytes = line_.empty() ? 1 : line_.back().size();
    if (!line_.empty()) line_.pop_back();
    out.toCommand.append(bytes, c);
    return;
  }
  out.toCommand += c;
  if (is(c, settings.wordErase)) {
    // As the terminal does: the blanks before the word, then the word.
    while (!line_.empty() && isSpace(line_.back())) line_.pop_back();
    while (!line_.empty() && !isSpace(line_.back())) line_.pop_back();
  } else if (endsLine(c, settings)) {
    line_.clear();
  } else {
    line_.emplace_back(1, c);
  }
}

EncodedInput InputEncoder::endOfInput(const LineSettings& settings) {
  EncodedInput out;
  if (!pending_.empty()) out.toTerminal += kBell;  // a character never finished
  pending_.clear();
  if (settings.canonical && settings.endOfFile != 0) {
    out.toCommand.append(line_.empty() ? 1 : 2, static_cast<char>(settings.endOfFile));
  }
  line_.clear();
  return out;
}
