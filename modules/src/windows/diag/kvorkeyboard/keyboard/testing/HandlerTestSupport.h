#pragma once
// Shared by the handler tests: layouts by language, a keyboard that
// translates like a layout would, and the log read back as plain texts.
#include <string>
#include <vector>

#include "kvo/Logging.h"
#include "system/testing/FakeKeyboardInput.h"
#include "system/testing/LogLines.h"

namespace kvorkeyboard::testing {

inline HKL layoutFor(ULONG_PTR languageId) { return reinterpret_cast<HKL>((languageId << 16) | languageId); }
const HKL kUsLayout = layoutFor(0x0409);
const HKL kUkLayout = layoutFor(0x0809);
const HKL kGermanLayout = layoutFor(0x0407);

// ToUnicodeEx that answers `count` with `text` for every key.
inline FakeKeyboardInput::ToUnicodeAnswer answer(int count, std::wstring text) {
    return [count, text](UINT, UINT, const BYTE*, wchar_t* buffer, int size, HKL) {
        text.copy(buffer, static_cast<size_t>(size));
        return count;
    };
}

// Message texts of one logger at one level.
inline std::vector<std::string> logged(kvo::ScopedLogCapture& capture, const std::string& logger, int level) {
    const std::string prefix = std::to_string(level) + ":";
    std::vector<std::string> out;
    for (const std::string& line : logLines(capture, logger))
        if (line.rfind(prefix, 0) == 0) out.push_back(line.substr(prefix.size()));
    return out;
}

}  // namespace kvorkeyboard::testing
