// The command line's answer: the look-up and sentence in the process, and the
// whole run of the real program as a script sees it (start, answer, exit),
// with no display. Target for the whole run: under 50 ms wall time.
#include "cli/CommandLine.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <vector>

extern char** environ;

namespace {

void BM_AnswerInProcess(benchmark::State& state) {
  const QStringList args{QStringLiteral("bolt"), QStringLiteral("M12"), QStringLiteral("8.8"), QStringLiteral("2")};
  for (auto _ : state) {
    const cli::TOutcome o = cli::Execute(args);
    benchmark::DoNotOptimize(o.Out.constData());
    if (o.Status != cli::kAnswered) state.SkipWithError("no answer");
  }
}
BENCHMARK(BM_AnswerInProcess);

// momenty bolt M12 8.8 2, as `env -u DISPLAY` starts it; the answer goes to
// /dev/null. Wall time per run.
void BM_ProgramRun(benchmark::State& state) {
  std::vector<char*> env;
  for (char** e = environ; *e; ++e)
    if (std::strncmp(*e, "DISPLAY=", 8) != 0 && std::strncmp(*e, "WAYLAND_DISPLAY=", 16) != 0) env.push_back(*e);
  env.push_back(nullptr);
  char program[] = MOMENTY_BINARY;
  char a1[] = "bolt", a2[] = "M12", a3[] = "8.8", a4[] = "2";
  char* argv[] = {program, a1, a2, a3, a4, nullptr};
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, program, &files, nullptr, argv, env.data()) != 0 || waitpid(pid, &status, 0) != pid ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the program did not answer");
      break;
    }
  }
  posix_spawn_file_actions_destroy(&files);
}
BENCHMARK(BM_ProgramRun)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
