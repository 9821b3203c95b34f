// The city record and the ranking sort that cityrank prints after each mode.
#ifndef CITYRANK_CITY_H_
#define CITYRANK_CITY_H_

#include <cstdint>

#include "common/record_reader.h"

struct City {
  char name[kNameSize];  // GBK bytes as typed, zero-terminated
  std::int32_t population;
  std::int32_t cultureLevel;
};

// Sort modes: by name ascending (byte order), by population largest first,
// by culture level highest first. Any other mode leaves the array as it is.
inline constexpr int kSortByName = 1;
inline constexpr int kSortByPopulation = 2;
inline constexpr int kSortByCultureLevel = 3;

// Reorders the first `cityCount` cities in place with an exchange sort whose
// order of ties is part of the program's output: strict tests, an exchange as
// soon as a pair is out of order, every pass run to its end.
void sortCities(City* cities, int cityCount, int sortMode);

#endif  // CITYRANK_CITY_H_
