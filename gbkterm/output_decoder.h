// Turns what the command writes (GBK) into UTF-8 for the terminal, as the
// bytes arrive: only a character split across two reads is held back.
#ifndef GBKTERM_OUTPUT_DECODER_H_
#define GBKTERM_OUTPUT_DECODER_H_

#include <string>
#include <string_view>

#include "gbkterm/char_converter.h"

class OutputDecoder {
 public:
  OutputDecoder();

  // The UTF-8 for `gbk`; a byte or pair that is not GBK shows as U+FFFD.
  std::string decode(std::string_view gbk);

  // What is still held when the command is done: a lone lead byte, shown as U+FFFD.
  std::string finish();

 private:
  void decodePair(unsigned char lead, unsigned char trail, std::string& out);
  void decodeCharacter(std::string_view gbk, std::string& out);

  CharConverter converter_;
  int heldLead_ = -1;
};

#endif  // GBKTERM_OUTPUT_DECODER_H_
