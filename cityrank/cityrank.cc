#include "cityrank/cityrank.h"

#include "cityrank/city.h"

namespace {

constexpr int kCityCount = 5;

// The console texts, as the GBK bytes the program writes.
// "输入第%d个城市的名称、人口和文化程度:\n"
constexpr char kPrompt[] =
    "\xca\xe4\xc8\xeb\xb5\xda%d\xb8\xf6\xb3\xc7\xca\xd0\xb5\xc4\xc3\xfb\xb3\xc6\xa1\xa2\xc8\xcb"
    "\xbf\xda\xba\xcd\xce\xc4\xbb\xaf\xb3\xcc\xb6\xc8:\n";
// "\n排序方式 %d 的结果:\n"
constexpr char kHeading[] = "\n\xc5\xc5\xd0\xf2\xb7\xbd\xca\xbd %d \xb5\xc4\xbd\xe1\xb9\xfb:\n";
// "城市: %s, 人口: %d, 文化程度: %d\n"
constexpr char kListing[] =
    "\xb3\xc7\xca\xd0: %s, \xc8\xcb\xbf\xda: %d, \xce\xc4\xbb\xaf\xb3\xcc\xb6\xc8: %d\n";

}  // namespace

void runCityrank(std::FILE* in, std::FILE* out) {
  City cities[kCityCount];
  for (int k = 1; k <= kCityCount; ++k) {
    (void)std::fprintf(out, kPrompt, k);
    City& city = cities[k - 1];
    readRecord(in, city.name, city.population, city.cultureLevel);
  }
  for (int sortMode = kSortByName; sortMode <= kSortByCultureLevel; ++sortMode) {
    sortCities(cities, kCityCount, sortMode);
    (void)std::fprintf(out, kHeading, sortMode);
    for (const City& city : cities) {
      (void)std::fprintf(out, kListing, city.name, city.population, city.cultureLevel);
    }
  }
}
