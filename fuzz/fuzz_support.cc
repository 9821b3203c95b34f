#include "fuzz/fuzz_support.h"

#include <cstdlib>

std::FILE* openInput(const std::uint8_t* data, std::size_t size) {
  // fmemopen cannot open an empty buffer; an empty file reads the same.
  std::FILE* in =
      size == 0 ? std::tmpfile() : fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  require(in != nullptr, "input opened");
  return in;
}

void require(bool condition, const char* what) {
  if (!condition) {
    (void)std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
  }
}

int fuzzProgram(const std::uint8_t* data, std::size_t size, ProgramFlow flow, ShapeCheck check) {
  std::FILE* in = openInput(data, size);
  char* output = nullptr;
  std::size_t outputSize = 0;
  std::FILE* out = open_memstream(&output, &outputSize);
  require(out != nullptr, "output opened");
  flow(in, out);
  (void)std::fclose(in);
  (void)std::fclose(out);
  const char* problem = check(std::string_view(output, outputSize));
  if (*problem != '\0') {
    (void)std::fprintf(stderr, "output lost its shape: %s\n%.*s\n", problem,
                       static_cast<int>(outputSize), output);
    std::abort();
  }
  std::free(output);
  return 0;
}
