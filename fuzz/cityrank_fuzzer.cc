#include "cityrank/cityrank.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/output_shape.h"

// NOLINTNEXTLINE(readability-identifier-naming): libFuzzer's entry point
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzzProgram(data, size, runCityrank, checkCityrankShape);
}
