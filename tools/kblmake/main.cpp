// kblmake: builds, checks and previews keyboard layout libraries (.kbl)
// from keyboard-layout-editor drawings, with no compiler or linker.
#include <iostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Text.h"

#ifdef _WIN32
// Windows hands file names over in UTF-16; everything inside is UTF-8.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        std::string arg;
        for (const wchar_t* c = argv[i]; *c; ++c) {
            std::uint32_t code = static_cast<std::uint16_t>(*c);
            if (code >= 0xD800 && code <= 0xDBFF && c[1]) code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<std::uint16_t>(*++c) - 0xDC00u);
            kblmake::appendUtf8(arg, code);
        }
        args.push_back(arg);
    }
    return kblmake::runCommandLine(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    return kblmake::runCommandLine(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
