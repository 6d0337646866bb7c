// Watches one start of a windowed program on the X display it is given and
// prints what a person waiting for it would count: the time from launch to
// its first window being mapped, the CPU the process has used when its Kth
// window maps (the main window; 1 for a program with one window), and its
// resident memory a moment later. Run it on a display of its own (Xvfb, no
// other clients mapping windows) and interleave programs to compare them;
// bench/compare-startup does both.
//
//   startup_watch [--main-map K] [--settle MS] [--timeout MS] -- program [args...]
//
// Prints one line: first_ms main_ms cpu_s cpu_ns_s rss_mib, where cpu_s is
// the kernel's tick count (what `ps` shows) and cpu_ns_s the process CPU
// clock, both in seconds.
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>

namespace {

double NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// utime + stime from /proc/<pid>/stat, in seconds (dead threads included).
double TickCpu(pid_t pid) {
  std::ifstream f("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(f, line);
  const auto close = line.rfind(')');
  if (close == std::string::npos) return -1;
  // Fields after the command's closing bracket: state is field 3, utime 14.
  const char* p = line.c_str() + close + 2;
  unsigned long long utime = 0, stime = 0;
  int field = 3;
  while (*p && field < 14) {
    if (*p++ == ' ') ++field;
  }
  if (std::sscanf(p, "%llu %llu", &utime, &stime) != 2) return -1;
  return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

double ClockCpu(pid_t pid) {
  clockid_t clock{};
  timespec ts{};
  if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &ts) != 0) return -1;
  return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double RssMib(pid_t pid) {
  std::ifstream f("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(f, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
  }
  return -1;
}

int Usage() {
  std::fprintf(stderr, "usage: startup_watch [--main-map K] [--settle MS] [--timeout MS] -- program [args...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int mainMap = 1;
  double settleMs = 1000, timeoutMs = 10000;
  int i = 1;
  for (; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--") {
      ++i;
      break;
    }
    if (i + 1 >= argc) return Usage();
    if (a == "--main-map") mainMap = std::atoi(argv[++i]);
    else if (a == "--settle") settleMs = std::atof(argv[++i]);
    else if (a == "--timeout") timeoutMs = std::atof(argv[++i]);
    else return Usage();
  }
  if (i >= argc || mainMap < 1) return Usage();

  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "startup_watch: no X display\n");
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));  // in effect before the launch

  const double t0 = NowMs();
  const pid_t pid = fork();
  if (pid < 0) return 1;
  if (pid == 0) {
    execvp(argv[i], argv + i);
    std::perror("startup_watch: exec");
    _exit(127);
  }

  double firstMs = -1, mainMs = -1, cpuTicks = -1, cpuClock = -1;
  std::set<xcb_window_t> mapped;
  const int fd = xcb_get_file_descriptor(c);
  while (mainMs < 0 && NowMs() - t0 < timeoutMs) {
    while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
      if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
        const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
        if (m->event == root && mapped.insert(m->window).second) {
          const double t = NowMs() - t0;
          if (firstMs < 0) firstMs = t;
          if (int(mapped.size()) == mainMap) {
            cpuTicks = TickCpu(pid);
            cpuClock = ClockCpu(pid);
            mainMs = t;
          }
        }
      }
      free(e);
    }
    if (mainMs >= 0 || xcb_connection_has_error(c)) break;
    pollfd p{fd, POLLIN, 0};
    poll(&p, 1, 20);
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      std::fprintf(stderr, "startup_watch: the program ended before its window %d mapped\n", mainMap);
      return 1;
    }
  }
  if (mainMs < 0) {
    std::fprintf(stderr, "startup_watch: window %d did not map in %.0f ms\n", mainMap, timeoutMs);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return 1;
  }
  const timespec settle{time_t(settleMs / 1000), long(std::fmod(settleMs, 1000.0) * 1e6)};
  nanosleep(&settle, nullptr);
  const double rss = RssMib(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  xcb_disconnect(c);
  std::printf("%.1f %.1f %.2f %.3f %.1f\n", firstMs, mainMs, cpuTicks, cpuClock, rss);
  return 0;
}
