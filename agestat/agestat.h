// The whole run of agestat over any input and output stream.
#ifndef AGESTAT_AGESTAT_H_
#define AGESTAT_AGESTAT_H_

#include <cstdint>
#include <cstdio>

#include "common/record_reader.h"

struct Student {
  char name[kNameSize];  // GBK bytes as typed, zero-terminated
  std::int32_t studentId;
  std::int32_t age;
};

// Asks for five students on `out`, reads them from `in`, then writes their
// mean age and the record of the first-entered youngest student.
void runAgestat(std::FILE* in, std::FILE* out);

#endif  // AGESTAT_AGESTAT_H_
