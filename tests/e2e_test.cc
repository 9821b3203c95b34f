// Runs the built programs on input files and checks every byte they print.
// Inputs and expected outputs are kept in UTF-8 so they read as text; the
// test converts both to GBK, the programs' encoding, with the platform's own
// converter, so a wrong byte in any of the programs' texts is caught.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/gbk.h"
#include "tests/run_program.h"
#include "tests/test_name.h"

namespace {

struct EndToEndCase {
  const char* program;   // CITYRANK or AGESTAT
  const char* input;     // relative to the source tree
  const char* expected;  // relative to the source tree
};

std::string readSource(const std::string& relativePath) {
  std::ifstream file(std::string(SOURCE_DIR) + "/" + relativePath, std::ios::binary);
  EXPECT_TRUE(file) << "missing " << relativePath;
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Windows text mode ends each line with CR LF; nothing else may differ.
std::string withPlatformLineEnds(const std::string& text) {
#ifdef _WIN32
  std::string crlf;
  for (const char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
#else
  return text;
#endif
}

const EndToEndCase kCases[] = {
    {CITYRANK, "samples/cities.txt", "tests/cases/cityrank/example.out"},
    {CITYRANK, "tests/cases/cityrank/one_line.in", "tests/cases/cityrank/example.out"},
    {CITYRANK, "tests/cases/cityrank/whitespace.in", "tests/cases/cityrank/whitespace.out"},
    {CITYRANK, "tests/cases/cityrank/negatives.in", "tests/cases/cityrank/negatives.out"},
    {CITYRANK, "tests/cases/cityrank/identical.in", "tests/cases/cityrank/identical.out"},
    {CITYRANK, "tests/cases/cityrank/no_input.in", "tests/cases/cityrank/no_input.out"},
    {CITYRANK, "tests/cases/cityrank/early_end.in", "tests/cases/cityrank/early_end.out"},
    {CITYRANK, "tests/cases/cityrank/word_for_number.in",
     "tests/cases/cityrank/word_for_number.out"},
    {CITYRANK, "tests/cases/cityrank/sign_without_digits.in",
     "tests/cases/cityrank/sign_without_digits.out"},
    {CITYRANK, "tests/cases/cityrank/long_names.in", "tests/cases/cityrank/long_names.out"},
    {CITYRANK, "tests/cases/cityrank/out_of_range.in", "tests/cases/cityrank/out_of_range.out"},
    {AGESTAT, "samples/students.txt", "tests/cases/agestat/example.out"},
    {AGESTAT, "tests/cases/agestat/spread_over_lines.in", "tests/cases/agestat/example.out"},
    {AGESTAT, "tests/cases/agestat/all_equal.in", "tests/cases/agestat/all_equal.out"},
    {AGESTAT, "tests/cases/agestat/negative_ages.in", "tests/cases/agestat/negative_ages.out"},
    {AGESTAT, "tests/cases/agestat/leading_zeros.in", "tests/cases/agestat/leading_zeros.out"},
    {AGESTAT, "tests/cases/agestat/youngest_tie.in", "tests/cases/agestat/youngest_tie.out"},
    {AGESTAT, "tests/cases/agestat/largest_ages.in", "tests/cases/agestat/largest_ages.out"},
    {AGESTAT, "tests/cases/agestat/smallest_ages.in", "tests/cases/agestat/smallest_ages.out"},
    {AGESTAT, "tests/cases/agestat/no_input.in", "tests/cases/agestat/no_input.out"},
    {AGESTAT, "tests/cases/agestat/early_end.in", "tests/cases/agestat/early_end.out"},
    {AGESTAT, "tests/cases/agestat/word_for_number.in", "tests/cases/agestat/word_for_number.out"},
    {AGESTAT, "tests/cases/agestat/long_name.in", "tests/cases/agestat/long_name.out"},
    {AGESTAT, "tests/cases/agestat/out_of_range.in", "tests/cases/agestat/out_of_range.out"},
};

class EndToEndTest : public testing::TestWithParam<EndToEndCase> {};

TEST_P(EndToEndTest, PrintsExactlyTheExpectedBytes) {
  const EndToEndCase& c = GetParam();
  const std::string input = toGbk(readSource(c.input));
  const std::string expected = withPlatformLineEnds(toGbk(readSource(c.expected)));
  const std::string scratch = testing::UnitTest::GetInstance()->current_test_info()->name();

  const ProgramRun run = runProgram(c.program, input, testName(scratch));

  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitStatus, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEndTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<EndToEndCase>& info) {
                           // "tests/cases/cityrank/one_line.in" names "CityrankOneLine".
                           std::string input = info.param.input;
                           input.erase(input.rfind('.'));
                           if (input.starts_with("tests/cases/")) input.erase(0, 12);
                           return testName(input);
                         });

}  // namespace
