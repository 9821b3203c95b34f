// The one rule of GBK that the project's byte handling needs.
#ifndef COMMON_GBK_H_
#define COMMON_GBK_H_

// A GBK lead byte: it and the byte after it form one double-byte character.
constexpr bool isGbkLeadByte(int c) {
  return c >= 0x81 && c <= 0xFE;
}

#endif  // COMMON_GBK_H_
