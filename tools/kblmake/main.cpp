// kblmake: builds, checks and previews keyboard layout libraries (.kbl)
// from keyboard-layout-editor drawings, with no compiler or linker.
#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Text.h"

#ifdef _WIN32
// Windows hands the arguments over in UTF-16; everything inside is UTF-8.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(kblmake::toUtf8(reinterpret_cast<const char16_t*>(argv[i])));
    return kblmake::runCommandLine(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    return kblmake::runCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
