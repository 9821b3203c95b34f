#include "gbkterm/char_converter.h"

#include <array>
#include <cstdio>
#include <cstdlib>

CharConverter::CharConverter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
  if (handle_ == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr)
    (void)std::fprintf(stderr, "gbkterm: this system cannot convert %s to %s\n", from, to);
    std::exit(127);
  }
}

CharConverter::~CharConverter() {
  iconv_close(handle_);
}

std::optional<std::string> CharConverter::convert(std::string_view character) {
  std::string source(character);
  std::array<char, 16> target{};
  char* in = source.data();
  std::size_t inLeft = source.size();
  char* out = target.data();
  std::size_t outLeft = target.size();
  iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // a fresh state for each character
  if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) {
    return std::nullopt;
  }
  return std::string(target.data(), target.size() - outLeft);
}
