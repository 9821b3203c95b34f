// Turns a case's description into a GoogleTest name, so a failing case of a
// table says what it was about.
#ifndef TESTS_TEST_NAME_H_
#define TESTS_TEST_NAME_H_

#include <string>
#include <string_view>

inline std::string testName(std::string_view description) {
  std::string name;
  bool upper = true;
  for (const char c : description) {
    const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!alnum) {
      upper = true;
      continue;
    }
    name += upper && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    upper = false;
  }
  return name;
}

#endif  // TESTS_TEST_NAME_H_
