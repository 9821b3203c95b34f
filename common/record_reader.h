// Reads the records both programs take from their input: a name and two
// signed integers, separated by any whitespace, as "%s %d %d" reads them,
// but safe on every input (see record_reader.cc for the rules).
#ifndef COMMON_RECORD_READER_H_
#define COMMON_RECORD_READER_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Bytes of the name field, terminator included: at most 51 bytes of text.
inline constexpr std::size_t kNameSize = 52;

// Reads one whitespace-delimited name into `name`, zero-terminated. A name
// longer than the field keeps its longest prefix that fits without splitting
// a GBK double-byte character; the rest of it is consumed and dropped.
// Returns false, leaving `name` untouched, when input ends first.
bool readName(std::FILE* in, char (&name)[kNameSize]);

// Reads one decimal integer as %d does, clamping values outside the 32-bit
// range. Returns false, leaving `value` untouched, when no digit is found.
bool readInteger(std::FILE* in, std::int32_t& value);

// Reads a name and two integers, stopping at the first field that cannot be
// read. Fields that no read filled are left empty or zero. Returns the number
// of fields read, 0 to 3.
int readRecord(std::FILE* in, char (&name)[kNameSize], std::int32_t& first, std::int32_t& second);

#endif  // COMMON_RECORD_READER_H_
