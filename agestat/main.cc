#include <cstdio>

#include "agestat/agestat.h"

int main() {
  runAgestat(stdin, stdout);
  return 0;
}
