#include "tests/gbk.h"

#include <gtest/gtest.h>

#include <optional>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace {

#ifdef _WIN32
constexpr unsigned kGbkCodePage = 936;

std::optional<std::string> convert(std::string_view utf8) {
  if (utf8.empty()) return std::string();
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  const int wideLength =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), size);
  if (wideLength <= 0) return std::nullopt;
  std::string gbk(static_cast<std::size_t>(wideLength) * 2, '\0');
  BOOL lossy = FALSE;
  const int gbkLength = WideCharToMultiByte(kGbkCodePage, 0, wide.data(), wideLength, gbk.data(),
                                            static_cast<int>(gbk.size()), nullptr, &lossy);
  if (gbkLength <= 0 || lossy) return std::nullopt;
  gbk.resize(static_cast<std::size_t>(gbkLength));
  return gbk;
}
#else
std::optional<std::string> convert(std::string_view utf8) {
  iconv_t converter = iconv_open("GBK", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string source(utf8);
  std::string gbk(source.size() * 2, '\0');
  char* in = source.data();
  std::size_t inLeft = source.size();
  char* out = gbk.data();
  std::size_t outLeft = gbk.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1)) return std::nullopt;
  gbk.resize(gbk.size() - outLeft);
  return gbk;
}
#endif

}  // namespace

std::string toGbk(std::string_view utf8) {
  std::optional<std::string> gbk = convert(utf8);
  if (!gbk) {
    ADD_FAILURE() << "cannot convert to GBK: " << utf8;
    return {};
  }
  return *gbk;
}
