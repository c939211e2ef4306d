// A second, lower reference for the start-up benchmark: a program that returns
// at once and never touches the window system, so it shows what Wine's
// process start alone costs.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
