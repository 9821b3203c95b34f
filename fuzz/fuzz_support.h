// What the fuzz targets share: input held in memory as a FILE*, a check that
// stops the fuzzer, and a program's whole run with its output's shape checked.
#ifndef FUZZ_FUZZ_SUPPORT_H_
#define FUZZ_FUZZ_SUPPORT_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

// The fuzzer's bytes as a stream to read from; never null.
std::FILE* openInput(const std::uint8_t* data, std::size_t size);

// Stops the fuzzer, saying what broke, unless `condition` holds.
void require(bool condition, const char* what);

using ProgramFlow = void (*)(std::FILE* in, std::FILE* out);
using ShapeCheck = const char* (*)(std::string_view output);

// Runs `flow` over the bytes and stops the fuzzer when its output loses its shape.
int fuzzProgram(const std::uint8_t* data, std::size_t size, ProgramFlow flow, ShapeCheck check);

#endif  // FUZZ_FUZZ_SUPPORT_H_
