// Plays a resident keyboard manager for the tests under Wine: it does
// nothing but stay alive until it is terminated. It ends by itself after two
// minutes so that a test that dies half-way leaves nothing running for long.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ::Sleep(120 * 1000);
    return 0;
}
