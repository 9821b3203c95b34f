#include <cstdio>

#include "cityrank/cityrank.h"

int main() {
  runCityrank(stdin, stdout);
  return 0;
}
