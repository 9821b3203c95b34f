// Checks that a whole run's output keeps the programs' fixed shape, whatever
// the input was. The texts are spelled out here on their own, in GBK, so a
// program that drifts from them is caught.
#ifndef FUZZ_OUTPUT_SHAPE_H_
#define FUZZ_OUTPUT_SHAPE_H_

#include <string_view>

// Each returns an empty string when the output has its shape, or else what is
// wrong with it.
const char* checkCityrankShape(std::string_view output);
const char* checkAgestatShape(std::string_view output);

#endif  // FUZZ_OUTPUT_SHAPE_H_
