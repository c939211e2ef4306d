#pragma once
// A registry for tests: values by name under the machine-wide Run key, each
// with a type and raw bytes. It counts open keys, so that tests can see
// every key closed.
#include <map>
#include <string>
#include <vector>

#include "../RegistrySystem.h"

namespace kvorkeyboard::testing {

class FakeRegistrySystem : public RegistrySystem {
public:
    struct Value {
        DWORD type;
        std::vector<BYTE> bytes;
    };
    static Value text(const std::wstring& value, DWORD type = REG_SZ) {
        const BYTE* first = reinterpret_cast<const BYTE*>(value.c_str());
        return {type, std::vector<BYTE>(first, first + (value.size() + 1) * sizeof(wchar_t))};
    }

    std::map<std::wstring, Value> values;  // under the machine-wide Run key; no other key exists
    LONG openStatus = ERROR_SUCCESS;
    int openKeys = 0;

    LONG openKey(HKEY root, const wchar_t* path, REGSAM access, HKEY& key) override {
        if (root != HKEY_LOCAL_MACHINE || std::wstring(path) != L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run" ||
            access != KEY_QUERY_VALUE)
            return ERROR_FILE_NOT_FOUND;
        openKeys += openStatus == ERROR_SUCCESS ? 1 : 0;
        return key = HKEY_CURRENT_CONFIG, openStatus;
    }
    LONG queryValue(HKEY, const wchar_t* name, DWORD& type, BYTE* data, DWORD& size) override {
        if (!values.count(name)) return ERROR_FILE_NOT_FOUND;
        const Value& v = values[name];
        if (v.bytes.size() > size) return size = static_cast<DWORD>(v.bytes.size()), ERROR_MORE_DATA;
        size = static_cast<DWORD>(v.bytes.size());
        type = v.type;
        return std::copy(v.bytes.begin(), v.bytes.end(), data), ERROR_SUCCESS;
    }
    LONG closeKey(HKEY) override { return --openKeys, ERROR_SUCCESS; }
};

}  // namespace kvorkeyboard::testing
