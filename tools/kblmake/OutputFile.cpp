#include "OutputFile.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace kblmake {

bool writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error) {
    const fs::path target = fs::u8path(path);
    fs::path temporary = target;
    temporary += ".kblmake-part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            error = "cannot write " + path + " (is its folder there, and may it be written to?)";
            return false;
        }
    }
    std::error_code renamed;
    fs::rename(temporary, target, renamed);
    if (renamed) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        error = "cannot replace " + path + ": " + renamed.message();
        return false;
    }
    return true;
}

}  // namespace kblmake
