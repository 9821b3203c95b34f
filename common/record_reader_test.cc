#include "common/record_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/input_file.h"
#include "tests/test_name.h"

namespace {

struct ReadCase {
  const char* what;
  std::string input;
  int fieldsRead;
  std::string name;
  std::int32_t first;
  std::int32_t second;
  std::string rest;  // what the next read starts from
};

const std::string kFiftyOneA(51, 'A');
// 北 in GBK: a lead byte and its trail byte.
const std::string kBei = "\xb1\xb1";
std::string repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

const ReadCase kReadCases[] = {
    {"one record", "abc 12 34\n", 3, "abc", 12, 34, "\n"},
    {"every C whitespace before and between fields", " \t\n\v\f\rabc\v\f12\r\n\t34", 3, "abc", 12,
     34, ""},
    {"record spread over lines", "abc\n\n12\n34", 3, "abc", 12, 34, ""},
    {"records sharing a line: the next stays", "a 1 2 b 3 4", 3, "a", 1, 2, " b 3 4"},
    {"GBK name stored as typed", kBei + "\xbe\xa9 210 5", 3, kBei + "\xbe\xa9", 210, 5, ""},
    {"full-width space is part of the name", "\xa1\xa1x\xa1\xa1 1 2", 3, "\xa1\xa1x\xa1\xa1", 1, 2,
     ""},
    {"lone lead byte in a short name kept", "a\x81 1 2", 3, "a\x81", 1, 2, ""},
    {"name of exactly 51 bytes kept whole", kFiftyOneA + " 1 2", 3, kFiftyOneA, 1, 2, ""},
    {"long ASCII name cut to 51, the rest dropped", kFiftyOneA + "BCDEFG 1 2", 3, kFiftyOneA, 1, 2,
     ""},
    {"cut after a whole character at byte 51", "a" + repeat(kBei, 26) + " 1 2", 3,
     "a" + repeat(kBei, 25), 1, 2, ""},
    {"cut never splits a character", repeat(kBei, 26) + " 1 2", 3, repeat(kBei, 25), 1, 2, ""},
    {"long name running into end of input", kFiftyOneA + "xyz", 1, kFiftyOneA, 0, 0, ""},
    {"plus sign and leading zeros", "a +7 007", 3, "a", 7, 7, ""},
    {"negative numbers and minus zero", "a -5 -0", 3, "a", -5, 0, ""},
    {"largest and smallest 32-bit values", "a 2147483647 -2147483648", 3, "a", 2147483647,
     INT32_MIN, ""},
    {"just outside the range is clamped", "a 2147483648 -2147483649", 3, "a", 2147483647, INT32_MIN,
     ""},
    {"every digit of a huge number consumed", "a 99999999999999999999999 -000000000000000000001 x",
     3, "a", 2147483647, -1, " x"},
    {"number ends at the first non-digit", "a 12abc 5", 2, "a", 12, 0, "abc 5"},
    {"word where a number is due", "a b 5 6", 1, "a", 0, 0, "b 5 6"},
    {"sign without digit: sign consumed", "a 1 - 5", 2, "a", 1, 0, " 5"},
    {"sign followed by a letter", "a -x 5", 1, "a", 0, 0, "x 5"},
    {"no input at all", "", 0, "", 0, 0, ""},
    {"only whitespace", " \n\t\r\n", 0, "", 0, 0, ""},
    {"input ends after the name", "abc", 1, "abc", 0, 0, ""},
    {"input ends after the first number", "abc 1\n", 2, "abc", 1, 0, ""},
    {"input ends after a sign", "abc 1 -", 2, "abc", 1, 0, ""},
};

class ReadRecordTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadRecordTest, ReadsFieldsAndLeavesTheRest) {
  const ReadCase& c = GetParam();
  FilePtr in = openInput(c.input);
  ASSERT_TRUE(in);
  // Leftovers from an earlier record must not survive a failed read.
  char name[kNameSize] = "stale";
  std::int32_t first = 99;
  std::int32_t second = 99;

  EXPECT_EQ(readRecord(in.get(), name, first, second), c.fieldsRead);
  EXPECT_EQ(std::string(name), c.name);
  EXPECT_EQ(first, c.first);
  EXPECT_EQ(second, c.second);
  EXPECT_EQ(readRest(in.get()), c.rest);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadRecordTest, testing::ValuesIn(kReadCases),
                         [](const testing::TestParamInfo<ReadCase>& info) {
                           return testName(info.param.what);
                         });

TEST(ReadRecordTest, EveryReadFailsAtOnceAfterEndOfInput) {
  FilePtr in = openInput("a 1 2");
  ASSERT_TRUE(in);
  char name[kNameSize];
  std::int32_t first = 0;
  std::int32_t second = 0;
  EXPECT_EQ(readRecord(in.get(), name, first, second), 3);
  for (int round = 0; round < 4; ++round) {
    EXPECT_EQ(readRecord(in.get(), name, first, second), 0);
    EXPECT_STREQ(name, "");
  }
}

TEST(ReadNameTest, NeverWritesPastTheField) {
  // The field sits between guards; a long run of lead bytes must stop inside it.
  struct {
    char name[kNameSize];
    char guard[8];
  } record{};
  FilePtr in = openInput(std::string(200, '\xfe'));
  ASSERT_TRUE(in);
  ASSERT_TRUE(readName(in.get(), record.name));
  EXPECT_EQ(std::string(record.name), std::string(50, '\xfe'));
  EXPECT_EQ(std::string(record.guard, sizeof record.guard), std::string(8, '\0'));
}

}  // namespace
