#include "gbkterm/input_encoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_name.h"

namespace {

struct EncodeCase {
  const char* what;
  std::vector<std::string> reads;  // UTF-8 keystrokes, as the terminal delivers them
  std::string toCommand;           // what the command's terminal receives
  int bells;
};

const EncodeCase kEncodeCases[] = {
    {"ASCII passes through", {"abc 12\r"}, "abc 12\r", 0},
    {"Chinese becomes GBK", {"北京 210 5\r"}, "\xb1\xb1\xbe\xa9 210 5\r", 0},
    {"full-width space is GBK A1A1", {"\xe3\x80\x80"}, "\xa1\xa1", 0},
    {"character split across reads is held", {"\xe5\x8c", "\x97", "x"}, "\xb1\xb1x", 0},
    {"four-byte split character", {"\xf0\x9f", "\x98", "\x80!"}, "!", 1},
    {"character with no GBK form is refused",
     {"a\xf0\x9f\x98\x80"
      "b"},
     "ab",
     1},
    {"Hangul has no GBK form", {"\xed\x95\x9c"}, "", 1},
    {"euro sign is GBK 80", {"\xe2\x82\xac"}, "\x80", 0},
    {"stray continuation byte refused", {"\x80x"}, "x", 1},
    {"invalid lead byte refused",
     {"\xc0\xff"
      "y"},
     "y",
     2},
    {"cut-short sequence refused, next key kept",
     {"\xe5\x8c"
      "a"},
     "a",
     1},
    {"backspace over Chinese erases both bytes", {"北京\x7f"}, "\xb1\xb1\xbe\xa9\x7f\x7f", 0},
    {"backspace over ASCII erases one byte", {"ab\x7f"}, "ab\x7f", 0},
    {"backspaces walk back over mixed text", {"a北\x7f\x7f\x7f"}, "a\xb1\xb1\x7f\x7f\x7f\x7f", 0},
    {"new line starts a fresh line", {"北\r\x7f"}, "\xb1\xb1\r\x7f", 0},
    {"kill line forgets the line", {"北\x15\x7f"}, "\xb1\xb1\x15\x7f", 0},
    {"word erase forgets the last word", {"a 北京\x17\x7f"}, "a \xb1\xb1\xbe\xa9\x17\x7f", 0},
    {"ctrl-D and ctrl-C pass through", {"\x04\x03"}, "\x04\x03", 0},
};

class InputEncoderTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(InputEncoderTest, SendsGbkAndRingsForRefusedKeys) {
  InputEncoder encoder;
  const LineSettings canonical;
  std::string toCommand;
  std::string toTerminal;
  for (const std::string& read : GetParam().reads) {
    const EncodedInput encoded = encoder.encode(read, canonical);
    toCommand += encoded.toCommand;
    toTerminal += encoded.toTerminal;
  }
  EXPECT_EQ(toCommand, GetParam().toCommand);
  EXPECT_EQ(toTerminal, std::string(GetParam().bells, '\a'));
}

INSTANTIATE_TEST_SUITE_P(Cases, InputEncoderTest, testing::ValuesIn(kEncodeCases),
                         [](const testing::TestParamInfo<EncodeCase>& info) {
                           return testName(info.param.what);
                         });

TEST(InputEncoderTest, RawModeSendsEveryKeyAsItIs) {
  InputEncoder encoder;
  LineSettings raw;
  raw.canonical = false;
  EXPECT_EQ(encoder.encode("北\x7f\x15", raw).toCommand, "\xb1\xb1\x7f\x15");
}

TEST(InputEncoderTest, EndOfInputHandsOverAPartLineFirst) {
  InputEncoder encoder;
  const LineSettings canonical;
  EXPECT_EQ(encoder.endOfInput(canonical).toCommand, "\x04");
  (void)encoder.encode("北", canonical);
  EXPECT_EQ(encoder.endOfInput(canonical).toCommand, "\x04\x04");
  (void)encoder.encode("\xe5", canonical);
  EXPECT_EQ(encoder.endOfInput(canonical).toTerminal, "\a");
}

}  // namespace
