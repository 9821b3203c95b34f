#include "tests/input_file.h"

FilePtr openInput(std::string_view bytes) {
  FilePtr file(std::tmpfile());
  if (file) {
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    std::rewind(file.get());
  }
  return file;
}

std::string readRest(std::FILE* file) {
  std::string rest;
  for (int c = std::getc(file); c != EOF; c = std::getc(file)) rest.push_back(static_cast<char>(c));
  return rest;
}
