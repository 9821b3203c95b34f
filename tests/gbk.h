// Conversion of test texts between UTF-8 and GBK, done by the platform's own
// converter so that it is independent of the bytes written in the programs.
#ifndef TESTS_GBK_H_
#define TESTS_GBK_H_

#include <string>
#include <string_view>

// Converts UTF-8 text to GBK; fails the calling test on text GBK cannot hold.
std::string toGbk(std::string_view utf8);

#endif  // TESTS_GBK_H_
