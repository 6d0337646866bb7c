#pragma once
// The windowed program is a module (momenty-windows.so) that the executable
// loads when it is started without arguments; this is the one function it
// exports. Plain C linkage so that it is found by name.

extern "C" {
// Runs the windowed program until it ends; returns the exit status.
using TWindowsEntry = int(int argc, char** argv);
}

inline constexpr char kWindowsEntryName[] = "momenty_windows_main";
