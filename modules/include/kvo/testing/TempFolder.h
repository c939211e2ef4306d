#pragma once
// A fresh folder for one test's files, removed with everything in it.
#include <filesystem>
#include <fstream>
#include <random>

namespace kvo::testing {

struct TempFolder {
    // Random: CTest runs the tests of one program in parallel processes.
    TempFolder() { std::filesystem::create_directories(root); }
    ~TempFolder() { std::error_code ignored; std::filesystem::remove_all(root, ignored); }

    // UTF-8 path of `name` inside the folder.
    std::string path(const std::string& name = "") const { return (name.empty() ? root : root / name).u8string(); }
    std::string write(const std::string& name, const std::string& content) const {
        std::ofstream(root / name, std::ios::binary) << content;
        return path(name);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(root / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("kvo-test-" + std::to_string(std::random_device()()));
};

}  // namespace kvo::testing
