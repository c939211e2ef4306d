#pragma once
// A fresh folder for one test's files, removed with everything in it.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace vemo5::testing {

class TempFolder {
public:
    // Random: CTest runs the tests of one program in parallel processes.
    TempFolder() { std::filesystem::create_directories(m_path); }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // UTF-8 path of `name` inside the folder.
    std::string path(const std::string& name = "") const { return (name.empty() ? m_path : m_path / name).u8string(); }
    std::string write(const std::string& name, const std::string& content) const {
        std::ofstream(m_path / name, std::ios::binary) << content;
        return path(name);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(m_path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(m_path / name); }

private:
    std::random_device m_random;
    std::filesystem::path m_path = std::filesystem::temp_directory_path() /
                                   ("vemo5-test-" + std::to_string(m_random()) + "-" + std::to_string(m_random()));
};

}  // namespace vemo5::testing
