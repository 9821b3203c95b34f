// Runs one program's whole flow over a fuzzer's input held in memory and
// stops the fuzzer when the output loses its shape.
#ifndef FUZZ_PROGRAM_FUZZER_H_
#define FUZZ_PROGRAM_FUZZER_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

using ProgramFlow = void (*)(std::FILE* in, std::FILE* out);
using ShapeCheck = const char* (*)(std::string_view output);

int fuzzProgram(const std::uint8_t* data, std::size_t size, ProgramFlow flow, ShapeCheck check);

#endif  // FUZZ_PROGRAM_FUZZER_H_
