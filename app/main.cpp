// The program's entry. With arguments the command line answers (Qt Core
// only, no display). Without them the windowed program runs; it lives in a
// module of its own, loaded only now, so that the command line's start does
// not pay for loading and initialising Qt Gui, Qt Widgets and what they need.
#include "app/windows/Entry.h"
#include "cli/CommandLine.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#ifndef MOMENTY_WINDOWS_MODULE
#error "the build gives the windows module's path relative to the program's folder"
#endif

namespace {

// The running executable's folder (no links in it); empty when the system
// does not say.
std::filesystem::path ProgramFolder() {
  std::string path(4096, '\0');
  const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= path.size()) return {};
  path.resize(static_cast<std::size_t>(n));
  return std::filesystem::path(path).parent_path();
}

// One line on standard error: the file and the reason (dlerror's, which
// often begins with the file's name already).
int CannotStart(const std::string& what, const char* reason) {
  std::string why = reason ? reason : "причина неизвестна";
  if (why.starts_with(what + ": ")) why.erase(0, what.size() + 2);
  std::fprintf(stderr, "momenty: не удалось запустить окна программы: %s: %s\n", what.c_str(), why.c_str());
  return 1;
}

int RunWindows(int argc, char** argv) {
  const std::filesystem::path folder = ProgramFolder();
  if (folder.empty()) return CannotStart("/proc/self/exe", "путь к программе не определён");
  const std::string module = (folder / MOMENTY_WINDOWS_MODULE).lexically_normal().string();
  // Symbols are bound as they are first used, as for a program linked with
  // the libraries: the windows' start does not wait for every one of them.
  void* handle = dlopen(module.c_str(), RTLD_LAZY | RTLD_LOCAL);
  if (!handle) return CannotStart(module, dlerror());
  auto* entry = reinterpret_cast<TWindowsEntry*>(dlsym(handle, kWindowsEntryName));
  if (!entry) return CannotStart(module, dlerror());
  // The module stays loaded to the end: its objects are destroyed at exit.
  return entry(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) return cli::Main(argc, argv);
  return RunWindows(argc, argv);
}
