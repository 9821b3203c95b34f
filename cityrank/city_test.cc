#include "cityrank/city.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/gbk.h"
#include "tests/test_name.h"

namespace {

// A city as a test writes it: the name in UTF-8, stored in GBK.
struct Row {
  std::string name;
  int population;
  int cultureLevel;
};

struct SortCase {
  const char* what;
  int sortMode;
  int cityCount;
  std::vector<Row> before;
  std::vector<Row> after;
};

std::vector<City> toCities(const std::vector<Row>& rows) {
  std::vector<City> cities(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string gbk = toGbk(rows[i].name);
    std::memset(cities[i].name, 0, sizeof cities[i].name);
    gbk.copy(cities[i].name, kNameSize - 1);
    cities[i].population = rows[i].population;
    cities[i].cultureLevel = rows[i].cultureLevel;
  }
  return cities;
}

const std::vector<Row> kFiveCities = {
    {"北京", 210, 5}, {"成都", 210, 4}, {"西安", 130, 3}, {"武汉", 110, 3}, {"鞍山", 30, 5}};

const SortCase kSortCases[] = {
    {"by culture level ties reorder through third records",
     3,
     5,
     kFiveCities,
     {{"北京", 210, 5}, {"鞍山", 30, 5}, {"成都", 210, 4}, {"武汉", 110, 3}, {"西安", 130, 3}}},
    {"by population keeps the nearer of equal records first",
     2,
     5,
     {{"鞍山", 30, 5}, {"北京", 210, 5}, {"成都", 210, 4}, {"武汉", 110, 3}, {"西安", 130, 3}},
     {{"北京", 210, 5}, {"成都", 210, 4}, {"西安", 130, 3}, {"武汉", 110, 3}, {"鞍山", 30, 5}}},
    {"by name in byte order ASCII before GBK",
     1,
     5,
     {{"b", 1, 1}, {"B", 2, 2}, {"北京", 3, 3}, {"bb", 4, 4}, {"Ab", 5, 5}},
     {{"Ab", 5, 5}, {"B", 2, 2}, {"b", 1, 1}, {"bb", 4, 4}, {"北京", 3, 3}}},
    {"by name in GBK code order",
     1,
     5,
     {{"西安", 0, 0}, {"武汉", 0, 0}, {"成都", 0, 0}, {"北京", 0, 0}, {"鞍山", 0, 0}},
     {{"鞍山", 0, 0}, {"北京", 0, 0}, {"成都", 0, 0}, {"武汉", 0, 0}, {"西安", 0, 0}}},
    {"negative population below zero",
     2,
     3,
     {{"a", -5, 0}, {"b", 0, 0}, {"c", 7, 0}},
     {{"c", 7, 0}, {"b", 0, 0}, {"a", -5, 0}}},
    {"negative culture level below zero",
     3,
     3,
     {{"a", -5, -5}, {"b", 0, 0}, {"c", -1, -1}},
     {{"b", 0, 0}, {"c", -1, -1}, {"a", -5, -5}}},
    {"extreme values compare as signed",
     2,
     3,
     {{"a", INT32_MIN, 0}, {"b", INT32_MAX, 0}, {"c", 0, 0}},
     {{"b", INT32_MAX, 0}, {"c", 0, 0}, {"a", INT32_MIN, 0}}},
    {"only the first count records take part",
     2,
     2,
     {{"a", 1, 0}, {"b", 2, 0}, {"c", 3, 0}},
     {{"b", 2, 0}, {"a", 1, 0}, {"c", 3, 0}}},
    {"mode 0 leaves the array", 0, 5, kFiveCities, kFiveCities},
    {"mode 4 leaves the array", 4, 5, kFiveCities, kFiveCities},
    {"mode -1 leaves the array", -1, 5, kFiveCities, kFiveCities},
    {"count 1 leaves the array", 2, 1, {{"a", 1, 0}, {"b", 2, 0}}, {{"a", 1, 0}, {"b", 2, 0}}},
    {"count 0 leaves the array", 2, 0, {{"a", 1, 0}, {"b", 2, 0}}, {{"a", 1, 0}, {"b", 2, 0}}},
    {"negative count leaves the array",
     2,
     -3,
     {{"a", 1, 0}, {"b", 2, 0}},
     {{"a", 1, 0}, {"b", 2, 0}}},
};

class SortCitiesTest : public testing::TestWithParam<SortCase> {};

TEST_P(SortCitiesTest, ProducesTheExchangeSortOrder) {
  const SortCase& c = GetParam();
  std::vector<City> cities = toCities(c.before);
  sortCities(cities.data(), c.cityCount, c.sortMode);
  const std::vector<City> expected = toCities(c.after);
  ASSERT_EQ(cities.size(), expected.size());
  for (std::size_t i = 0; i < cities.size(); ++i) {
    SCOPED_TRACE("position " + std::to_string(i));
    // Records move as wholes: the full name buffer travels with its numbers.
    EXPECT_EQ(std::memcmp(&cities[i], &expected[i], sizeof(City)), 0)
        << cities[i].name << " " << cities[i].population << " " << cities[i].cultureLevel;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, SortCitiesTest, testing::ValuesIn(kSortCases),
                         [](const testing::TestParamInfo<SortCase>& info) {
                           return testName(info.param.what);
                         });

}  // namespace
