#include "gbkterm/bridge.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "gbkterm/input_encoder.h"
#include "gbkterm/output_decoder.h"

namespace {

volatile std::sig_atomic_t windowChanged = 0;
volatile std::sig_atomic_t stopSignal = 0;

void onWindowChange(int /*signal*/) {
  windowChanged = 1;
}
void onStop(int signal) {
  stopSignal = signal;
}

// Keystrokes waiting for the command; past this the bridge stops reading them.
constexpr std::size_t kMaxPendingInput = 1 << 16;

void catchSignal(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);  // no SA_RESTART: poll wakes up to see it
}

// Puts the user's terminal in raw mode for as long as the bridge runs: line
// editing, echo and signal keys all happen on the command's terminal instead.
class RawMode {
 public:
  explicit RawMode(bool interactive)
      : active_(interactive && tcgetattr(STDIN_FILENO, &saved_) == 0) {
    if (!active_) return;
    termios raw = saved_;
    cfmakeraw(&raw);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw);
  }
  ~RawMode() {
    if (active_) tcsetattr(STDIN_FILENO, TCSADRAIN, &saved_);
  }
  RawMode(const RawMode&) = delete;
  RawMode& operator=(const RawMode&) = delete;

 private:
  termios saved_{};
  bool active_;
};

void writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;  // the terminal is gone: nothing more can be shown
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

LineSettings lineSettingsOf(int terminal) {
  termios mode{};
  LineSettings settings;
  if (tcgetattr(terminal, &mode) != 0) return settings;
  settings.canonical = (mode.c_lflag & ICANON) != 0;
  settings.erase = mode.c_cc[VERASE];
  settings.wordErase = mode.c_cc[VWERASE];
  settings.kill = mode.c_cc[VKILL];
  settings.endOfFile = mode.c_cc[VEOF];
  settings.interrupt = mode.c_cc[VINTR];
  settings.quit = mode.c_cc[VQUIT];
  settings.suspend = mode.c_cc[VSUSP];
  return settings;
}

void copyWindowSize(int terminal) {
  winsize size{};
  if (ioctl(STDIN_FILENO, TIOCGWINSZ, &size) == 0) ioctl(terminal, TIOCSWINSZ, &size);
}

class Relay {
 public:
  Relay(int terminal, pid_t command) : terminal_(terminal), command_(command) {}

  // Relays until the command's side of the terminal is closed.
  void run() {
    while (step()) {
    }
    writeAll(STDOUT_FILENO, decoder_.finish());
  }

 private:
  bool step() {
    if (windowChanged != 0) {
      windowChanged = 0;
      copyWindowSize(terminal_);
    }
    if (stopSignal != 0) {
      kill(command_, stopSignal);
      stopSignal = 0;
    }
    const bool wantInput = inputOpen_ && toCommand_.size() < kMaxPendingInput;
    std::array<pollfd, 2> fds{{
        {terminal_, static_cast<short>(POLLIN | (toCommand_.empty() ? 0 : POLLOUT)), 0},
        {wantInput ? STDIN_FILENO : -1, POLLIN, 0},
    }};
    if (poll(fds.data(), fds.size(), -1) < 0) return errno == EINTR;
    if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0 && !relayOutput()) return false;
    if ((fds[0].revents & POLLOUT) != 0) sendInput();
    if ((fds[1].revents & (POLLIN | POLLHUP | POLLERR)) != 0) relayInput();
    return true;
  }

  // False once the command's side is closed and all it wrote is shown.
  bool relayOutput() {
    std::array<char, 4096> buffer{};
    const ssize_t got = read(terminal_, buffer.data(), buffer.size());
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) return true;
    if (got <= 0) return false;
    writeAll(STDOUT_FILENO, decoder_.decode(std::string_view(buffer.data(), got)));
    return true;
  }

  void relayInput() {
    std::array<char, 4096> buffer{};
    const ssize_t got = read(STDIN_FILENO, buffer.data(), buffer.size());
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) return;
    const LineSettings settings = lineSettingsOf(terminal_);
    // When input from a file or pipe ends, the command sees an end of file.
    inputOpen_ = got > 0;
    const EncodedInput encoded =
        inputOpen_ ? encoder_.encode(std::string_view(buffer.data(), got), settings)
                   : encoder_.endOfInput(settings);
    toCommand_ += encoded.toCommand;
    writeAll(STDOUT_FILENO, encoded.toTerminal);
    sendInput();
  }

  void sendInput() {
    if (toCommand_.empty()) return;
    const ssize_t written = write(terminal_, toCommand_.data(), toCommand_.size());
    if (written > 0) toCommand_.erase(0, static_cast<std::size_t>(written));
  }

  int terminal_;
  pid_t command_;
  bool inputOpen_ = true;
  std::string toCommand_;
  InputEncoder encoder_;
  OutputDecoder decoder_;
};

int exitStatusOf(pid_t command) {
  int status = 0;
  while (waitpid(command, &status, 0) < 0) {
    if (errno != EINTR) return 127;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

int runBridge(char* const argv[]) {
  const bool interactive = isatty(STDIN_FILENO) != 0;
  termios mode{};
  winsize size{};
  const bool haveMode = interactive && tcgetattr(STDIN_FILENO, &mode) == 0;
  // The command's terminal holds GBK: erase must count bytes, not UTF-8 characters.
  mode.c_iflag &= ~static_cast<tcflag_t>(IUTF8);
  const bool haveSize = ioctl(STDIN_FILENO, TIOCGWINSZ, &size) == 0;

  int terminal = -1;
  const pid_t command =
      forkpty(&terminal, nullptr, haveMode ? &mode : nullptr, haveSize ? &size : nullptr);
  if (command < 0) {
    (void)std::fprintf(stderr, "gbkterm: cannot open a pseudo-terminal: %s\n",
                       std::strerror(errno));
    return 127;
  }
  if (command == 0) {
    execvp(argv[0], argv);
    (void)std::fprintf(stderr, "gbkterm: cannot run %s: %s\n", argv[0], std::strerror(errno));
    _exit(127);
  }

  fcntl(terminal, F_SETFL, fcntl(terminal, F_GETFL) | O_NONBLOCK);
  (void)std::signal(SIGPIPE, SIG_IGN);  // a closed terminal shows up as a failed write
  catchSignal(SIGWINCH, onWindowChange);
  for (const int signal : {SIGTERM, SIGHUP, SIGINT, SIGQUIT}) catchSignal(signal, onStop);
  {
    RawMode raw(interactive);
    Relay(terminal, command).run();
  }
  close(terminal);
  return exitStatusOf(command);
}
