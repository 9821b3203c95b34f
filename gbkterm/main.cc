// gbkterm: runs a GBK console program on a UTF-8 terminal.
#include <cstdio>

#include "gbkterm/bridge.h"

int main(int argc, char* argv[]) {
  if (argc < 2) {
    (void)std::fputs(
        "usage: gbkterm COMMAND [ARGUMENT...]\n"
        "Runs COMMAND on a terminal of its own, converting what it writes from GBK to UTF-8\n"
        "and what you type from UTF-8 to GBK.\n",
        stderr);
    return 2;
  }
  return runBridge(argv + 1);
}
