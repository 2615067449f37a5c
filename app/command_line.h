#pragma once

#include <optional>

// Answers the options that open no window (--help, --version, --date) without a display, writing
// to standard output and standard error. Returns the exit status, or nothing when the windows are
// to start: no options, or only Qt's own options for the windows.
std::optional<int> runCommandLine(int argc, char **argv);

// Whether the windows are to start with «Небо» open (--open-sky).
bool opensSky(int argc, char **argv);
