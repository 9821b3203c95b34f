#include "fuzz/program_fuzzer.h"

#include <cstdlib>
#include <cstring>

int fuzzProgram(const std::uint8_t* data, std::size_t size, ProgramFlow flow, ShapeCheck check) {
  // fmemopen cannot open an empty buffer; an empty file reads the same.
  std::FILE* in =
      size == 0 ? std::tmpfile() : fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  char* output = nullptr;
  std::size_t outputSize = 0;
  std::FILE* out = open_memstream(&output, &outputSize);
  if (in == nullptr || out == nullptr) std::abort();
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
