#include "cityrank/city.h"

#include <cstring>

namespace {

// Whether the city at position i must move behind the one at position j.
bool isOutOfOrder(const City& atI, const City& atJ, int sortMode) {
  switch (sortMode) {
    case kSortByName:
      return std::strcmp(atI.name, atJ.name) > 0;
    case kSortByPopulation:
      return atI.population < atJ.population;
    case kSortByCultureLevel:
      return atI.cultureLevel < atJ.cultureLevel;
    default:
      return false;
  }
}

}  // namespace

void sortCities(City* cities, int cityCount, int sortMode) {
  for (int i = 0; i < cityCount - 1; ++i) {
    for (int j = i + 1; j < cityCount; ++j) {
      if (isOutOfOrder(cities[i], cities[j], sortMode)) {
        const City moved = cities[i];
        cities[i] = cities[j];
        cities[j] = moved;
      }
    }
  }
}
