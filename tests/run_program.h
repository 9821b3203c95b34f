// Runs a built program as a user would: standard input from bytes, standard
// output and standard error captured, exit status returned.
#ifndef TESTS_RUN_PROGRAM_H_
#define TESTS_RUN_PROGRAM_H_

#include <string>
#include <string_view>

struct ProgramRun {
  std::string out;
  std::string err;
  int exitStatus = -1;
};

// `scratch` names the temporary files of this run, unique per test.
ProgramRun runProgram(const std::string& program, std::string_view input,
                      const std::string& scratch);

#endif  // TESTS_RUN_PROGRAM_H_
