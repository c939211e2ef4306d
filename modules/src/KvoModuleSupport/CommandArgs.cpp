#include <cstring>
#include <string>
#include <vector>

#include "KvoModuleSupport/ModuleSupport.h"

namespace {

std::vector<std::string> splitCommandLine(const std::string& line) {
    std::vector<std::string> args;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        while (i < n && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= n) break;
        std::string arg;
        bool quoted = false;
        while (i < n && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            if (line[i] == '\\') {
                std::size_t slashes = 0;
                while (i < n && line[i] == '\\') ++slashes, ++i;
                if (i < n && line[i] == '"') {
                    // 2n backslashes + quote: n backslashes and a quote toggle;
                    // 2n+1: n backslashes and a literal quote.
                    arg.append(slashes / 2, '\\');
                    if (slashes % 2 == 1) {
                        arg.push_back('"');
                        ++i;
                    }
                } else {
                    arg.append(slashes, '\\');
                }
            } else if (line[i] == '"') {
                if (quoted && i + 1 < n && line[i + 1] == '"') {
                    arg.push_back('"');  // "" inside quotes is a literal quote
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                arg.push_back(line[i++]);
            }
        }
        args.push_back(std::move(arg));
    }
    return args;
}

char* duplicate(const std::string& text) {
    char* copy = new char[text.size() + 1];
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

}  // namespace

int concatAndCreateCommandArg(kvo::String identity, kvo::String commandLine, char*** argv) {
    std::vector<std::string> args = splitCommandLine(commandLine.toUtf8());
    args.insert(args.begin(), identity.toUtf8());
    char** vector = new char*[args.size() + 1];
    std::size_t filled = 0;
    try {
        for (; filled < args.size(); ++filled) vector[filled] = duplicate(args[filled]);
    } catch (...) {
        deallocCommandArg(static_cast<int>(filled), vector);
        throw;
    }
    vector[args.size()] = nullptr;
    *argv = vector;
    return static_cast<int>(args.size());
}

void deallocCommandArg(int argc, char** argv) {
    if (argv == nullptr) return;
    for (int i = 0; i < argc; ++i) delete[] argv[i];
    delete[] argv;
}
