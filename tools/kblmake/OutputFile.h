#pragma once
// Writing a library or a picture without ever leaving half a file: the
// bytes go to a temporary name beside the target, which is renamed over the
// target only once they are all written.
#include <cstdint>
#include <string>
#include <vector>

namespace kblmake {

// False with `error` set when the file could not be written; the target is
// then as it was.
bool writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& error);

}  // namespace kblmake
