#include <filesystem>

#include "StopProbe.h"

namespace vemo5 {
namespace {

class SystemStopProbe : public StopProbe {
public:
    std::chrono::steady_clock::time_point now() const override { return std::chrono::steady_clock::now(); }
    bool fileExists(const std::string& utf8Path) const override {
        std::error_code ignored;
        return std::filesystem::exists(std::filesystem::u8path(utf8Path), ignored);
    }
};

}  // namespace

StopProbe& systemStopProbe() {
    static SystemStopProbe probe;
    return probe;
}

}  // namespace vemo5
