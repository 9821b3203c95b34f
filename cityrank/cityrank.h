// The whole run of cityrank over any input and output stream.
#ifndef CITYRANK_CITYRANK_H_
#define CITYRANK_CITYRANK_H_

#include <cstdio>

// Asks for five cities on `out`, reads them from `in`, then writes the three
// rankings (by name, by population, by culture level), each made on the
// order the previous one left.
void runCityrank(std::FILE* in, std::FILE* out);

#endif  // CITYRANK_CITYRANK_H_
