// Converts one whole character at a time between GBK and UTF-8 with iconv(3).
#ifndef GBKTERM_CHAR_CONVERTER_H_
#define GBKTERM_CHAR_CONVERTER_H_

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

class CharConverter {
 public:
  CharConverter(const char* to, const char* from);
  ~CharConverter();
  CharConverter(const CharConverter&) = delete;
  CharConverter& operator=(const CharConverter&) = delete;

  // The character in the target encoding, or nothing when it has no form
  // there or is not a valid character of the source encoding.
  std::optional<std::string> convert(std::string_view character);

 private:
  iconv_t handle_;
};

#endif  // GBKTERM_CHAR_CONVERTER_H_
