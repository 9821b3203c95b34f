// Turns what the user types (UTF-8) into GBK for the command, keeping the
// terminal's line editing whole: one backspace over a Chinese character
// erases both of its GBK bytes in the line the command will read.
#ifndef GBKTERM_INPUT_ENCODER_H_
#define GBKTERM_INPUT_ENCODER_H_

#include <string>
#include <string_view>
#include <vector>

#include "gbkterm/char_converter.h"

// The command's terminal settings that line editing depends on; a control
// character of 0 is switched off.
struct LineSettings {
  bool canonical = true;
  unsigned char erase = 0x7F;      // Backspace
  unsigned char wordErase = 0x17;  // Ctrl-W
  unsigned char kill = 0x15;       // Ctrl-U
  unsigned char endOfFile = 0x04;  // Ctrl-D
  unsigned char interrupt = 0x03;  // Ctrl-C
  unsigned char quit = 0x1C;       // Ctrl-\ .
  unsigned char suspend = 0x1A;    // Ctrl-Z
};

struct EncodedInput {
  std::string toCommand;   // GBK bytes and control bytes for the command
  std::string toTerminal;  // a bell for each character refused
};

class InputEncoder {
 public:
  InputEncoder();

  // Keystrokes in UTF-8; a character split across two reads is held until it
  // is whole. A character that is not valid UTF-8 or has no GBK form is
  // refused with the bell and never reaches the command.
  EncodedInput encode(std::string_view utf8, const LineSettings& settings);

  // What tells the command that input has ended: the end-of-file key, twice
  // when a partly typed line must be handed over first.
  EncodedInput endOfInput(const LineSettings& settings);

 private:
  void encodeCharacter(std::string_view character, const LineSettings& settings, EncodedInput& out);
  void encodeControl(char c, const LineSettings& settings, EncodedInput& out);

  CharConverter converter_;
  std::string pending_;            // the start of a UTF-8 sequence
  std::vector<std::string> line_;  // the GBK characters of the line being typed
};

#endif  // GBKTERM_INPUT_ENCODER_H_
