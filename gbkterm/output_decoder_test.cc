#include "gbkterm/output_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_name.h"

namespace {

struct DecodeCase {
  const char* what;
  std::vector<std::string> reads;  // GBK, as the command's writes arrive
  std::string shown;               // UTF-8 on the terminal, after the last read
};

const std::string kReplacement = "\xef\xbf\xbd";

const DecodeCase kDecodeCases[] = {
    {"ASCII and controls pass through", {"a\r\n\x1b[0m\t~"}, "a\r\n\x1b[0m\t~"},
    {"GBK characters", {"\xb1\xb1\xbe\xa9: 1\n"}, "北京: 1\n"},
    {"full-width space and enumeration comma", {"\xa1\xa1\xa1\xa2"}, "\xe3\x80\x80、"},
    {"character split across two reads", {"\xb1", "\xb1\xbe", "\xa9"}, "北京"},
    {"lead byte then ASCII keeps the ASCII", {"\xb1\n"}, kReplacement + "\n"},
    {"lead byte then lead byte pairs them", {"\x81\x81"}, "\xe4\xba\x96"},
    {"euro sign is the one single high byte", {"a\x80z"}, "a\xe2\x82\xacz"},
    {"byte that starts nothing", {"a\xffz"}, "a" + kReplacement + "z"},
    {"pair with no character behind it", {"\xd7\xfa"}, kReplacement},
};

class OutputDecoderTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(OutputDecoderTest, ShowsUtf8AsTheBytesArrive) {
  OutputDecoder decoder;
  std::string shown;
  for (const std::string& read : GetParam().reads) shown += decoder.decode(read);
  shown += decoder.finish();
  EXPECT_EQ(shown, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, OutputDecoderTest, testing::ValuesIn(kDecodeCases),
                         [](const testing::TestParamInfo<DecodeCase>& info) {
                           return testName(info.param.what);
                         });

TEST(OutputDecoderTest, HoldsOnlyTheSplitCharacter) {
  OutputDecoder decoder;
  EXPECT_EQ(decoder.decode("ok\xb1"), "ok");  // shown at once, no waiting for a line end
  EXPECT_EQ(decoder.decode("\xb1"), "北");
  EXPECT_EQ(decoder.decode("\xce"), "");
  EXPECT_EQ(decoder.finish(), kReplacement);  // a lead byte the command never completed
  EXPECT_EQ(decoder.finish(), "");
}

}  // namespace
