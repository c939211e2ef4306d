#pragma once
// Support every diagnostic module needs: turning its identity and command
// line into the argument vector the host takes, and telling Windows versions.
#include "kvo/String.h"

// Splits `commandLine` the way the Microsoft C runtime does (blanks separate,
// double quotes group, backslashes escape quotes only) and returns the count
// of arguments; `*argv` receives `identity` followed by them, as UTF-8, with a
// terminating null entry. Release it with deallocCommandArg.
int concatAndCreateCommandArg(kvo::String identity, kvo::String commandLine, char*** argv);
void deallocCommandArg(int argc, char** argv);

// Nonzero on the Windows NT family (every Windows since 2000).
int IsThisWindowsNT();
// Nonzero on Windows NT 4.0, which lacks the process-snapshot functions.
int IsThisWindowsNT4();
