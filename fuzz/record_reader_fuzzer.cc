// Reads records from arbitrary bytes until input ends and checks what the
// reader promises: a terminated name of at most 51 bytes with no whitespace,
// unread fields empty or zero, and progress on every record read.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "common/record_reader.h"
#include "fuzz/fuzz_support.h"

// NOLINTNEXTLINE(readability-identifier-naming): libFuzzer's entry point
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* in = openInput(data, size);
  // Each record read takes at least one byte, so there are at most size + 1.
  for (std::size_t round = 0; round <= size + 1; ++round) {
    struct {
      char name[kNameSize];
      char guard[4];
    } field{};
    std::memset(field.name, 'x', sizeof field.name);
    std::int32_t first = 7;
    std::int32_t second = 7;
    const int fieldsRead = readRecord(in, field.name, first, second);
    require(fieldsRead >= 0 && fieldsRead <= 3, "field count");
    require(std::memchr(field.name, '\0', kNameSize) != nullptr, "name terminated");
    require(field.guard[0] == 0, "nothing past the name field");
    require(std::strpbrk(field.name, " \t\n\v\f\r") == nullptr, "no whitespace in a name");
    require(fieldsRead >= 2 || first == 0, "unread first number is zero");
    require(fieldsRead >= 3 || second == 0, "unread second number is zero");
    if (fieldsRead == 0) {
      require(field.name[0] == '\0', "unread name is empty");
      require(std::feof(in) != 0, "fails only at the end of input");
      (void)std::fclose(in);
      return 0;
    }
  }
  require(false, "a record read made no progress");
  return 0;
}
