#include "tests/run_program.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

std::string readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The command line for the platform's shell; cmd.exe wants backslashes.
std::string quote(std::string path) {
#ifdef _WIN32
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
#endif
  return '"' + path + '"';
}

int exitStatusOf(int systemResult) {
#ifdef _WIN32
  return systemResult;
#else
  return WIFEXITED(systemResult) ? WEXITSTATUS(systemResult) : -1;
#endif
}

}  // namespace

ProgramRun runProgram(const std::string& program, std::string_view input,
                      const std::string& scratch) {
  const std::string inPath = scratch + ".in";
  const std::string outPath = scratch + ".out";
  const std::string errPath = scratch + ".err";
  writeFile(inPath, input);
  std::string command =
      quote(program) + " < " + quote(inPath) + " > " + quote(outPath) + " 2> " + quote(errPath);
#ifdef _WIN32
  // cmd.exe drops the outer quotes of a line that starts with one.
  command = '"' + command + '"';
#endif
  ProgramRun run;
  run.exitStatus = exitStatusOf(std::system(command.c_str()));
  run.out = readFile(outPath);
  run.err = readFile(errPath);
  for (const std::string& path : {inPath, outPath, errPath}) std::remove(path.c_str());
  return run;
}
