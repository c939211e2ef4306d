#pragma once
// A registry for tests: values by name under one key, each with a type and
// raw bytes, and programmable statuses for opening, querying and closing.
// It counts open keys so that tests can see every key closed.
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

    std::map<std::wstring, Value> values;
    LONG openStatus = ERROR_SUCCESS;
    LONG queryStatus = ERROR_SUCCESS;  // when not ERROR_SUCCESS, every query answers it
    LONG closeStatus = ERROR_SUCCESS;
    int openKeys = 0;
    std::wstring openedPath;
    HKEY openedRoot = nullptr;
    REGSAM openedAccess = 0;

    LONG openKey(HKEY root, const wchar_t* path, REGSAM access, HKEY& key) override {
        openedRoot = root;
        openedPath = path;
        openedAccess = access;
        if (openStatus != ERROR_SUCCESS) return openStatus;
        ++openKeys;
        key = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234));
        return ERROR_SUCCESS;
    }
    LONG queryValue(HKEY, const wchar_t* name, DWORD& type, BYTE* data, DWORD& size) override {
        if (queryStatus != ERROR_SUCCESS) return queryStatus;
        auto it = values.find(name);
        if (it == values.end()) return ERROR_FILE_NOT_FOUND;
        const DWORD needed = static_cast<DWORD>(it->second.bytes.size());
        const DWORD room = size;
        size = needed;
        if (needed > room) return ERROR_MORE_DATA;
        type = it->second.type;
        std::copy(it->second.bytes.begin(), it->second.bytes.end(), data);
        return ERROR_SUCCESS;
    }
    LONG closeKey(HKEY) override {
        --openKeys;
        return closeStatus;
    }
};

}  // namespace kvorkeyboard::testing
