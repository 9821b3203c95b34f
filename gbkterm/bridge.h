// Runs a command on a pseudo-terminal and relays between it and the user's
// terminal, converting GBK output to UTF-8 and UTF-8 keystrokes to GBK.
#ifndef GBKTERM_BRIDGE_H_
#define GBKTERM_BRIDGE_H_

// Starts argv[0] with its arguments and relays until it ends. Returns its
// exit status, or 128 plus the signal that ended it, as a shell reports it.
int runBridge(char* const argv[]);

#endif  // GBKTERM_BRIDGE_H_
