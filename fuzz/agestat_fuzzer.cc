#include "agestat/agestat.h"
#include "fuzz/output_shape.h"
#include "fuzz/program_fuzzer.h"

// NOLINTNEXTLINE(readability-identifier-naming): libFuzzer's entry point
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzzProgram(data, size, runAgestat, checkAgestatShape);
}
