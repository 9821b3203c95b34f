// Hands test input to code that reads a FILE*.
#ifndef TESTS_INPUT_FILE_H_
#define TESTS_INPUT_FILE_H_

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// A temporary binary file holding `bytes`, positioned at its start.
FilePtr openInput(std::string_view bytes);

// Everything left in `file` from its current position.
std::string readRest(std::FILE* file);

#endif  // TESTS_INPUT_FILE_H_
