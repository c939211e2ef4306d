#pragma once
// The small value types the host and its modules exchange.
#include <cstdint>
#include <string>

#include "kvo/String.h"

namespace vemo5 {

class Language {
public:
    static Language ja() { return Language("ja"); }
    static Language ko() { return Language("ko"); }
    static Language zh_cn() { return Language("zh_cn"); }
    static Language zh_tw() { return Language("zh_tw"); }

    // Codes as the command line takes them: "en", "de", "zh_cn", ...
    explicit Language(std::string code) : m_code(std::move(code)) {}
    const std::string& code() const { return m_code; }
    bool operator==(const Language& other) const { return m_code == other.m_code; }
    bool operator!=(const Language& other) const { return m_code != other.m_code; }

private:
    std::string m_code;
};

class TestResult {
public:
    static TestResult PASS() { return TestResult(Kind::Pass); }
    static TestResult FAIL() { return TestResult(Kind::Fail); }
    static TestResult USERABORTED() { return TestResult(Kind::UserAborted); }
    static TestResult INTERNALERROR() { return TestResult(Kind::InternalError); }

    // "PASS", "FAIL", "USERABORTED", "INTERNALERROR".
    const char* name() const;
    bool operator==(const TestResult& other) const { return m_kind == other.m_kind; }
    bool operator!=(const TestResult& other) const { return m_kind != other.m_kind; }

private:
    enum class Kind { Pass, Fail, UserAborted, InternalError };
    explicit TestResult(Kind kind) : m_kind(kind) {}
    Kind m_kind;
};

class DeviceCapability {
public:
    static DeviceCapability Keyboard() { return DeviceCapability(1u << 0); }
    static DeviceCapability KeyboardTest() { return DeviceCapability(1u << 1); }

    friend DeviceCapability operator|(const DeviceCapability& left, const DeviceCapability& right) {
        return DeviceCapability(left.m_bits | right.m_bits);
    }
    // True when every capability of `other` is also in this set.
    bool contains(const DeviceCapability& other) const { return (m_bits & other.m_bits) == other.m_bits; }
    bool operator==(const DeviceCapability& other) const { return m_bits == other.m_bits; }

private:
    explicit DeviceCapability(std::uint32_t bits) : m_bits(bits) {}
    std::uint32_t m_bits;
};

// The device under test handed to a run function.
class DiagDevice {
public:
    explicit DiagDevice(DeviceCapability capabilities) : m_capabilities(capabilities) {}
    bool intersectCapability(const DeviceCapability& capability) const {
        return m_capabilities.contains(capability);
    }

private:
    DeviceCapability m_capabilities;
};

class DataType {
public:
    static DataType BOOLEAN() { return DataType(true); }
    static DataType STRING() { return DataType(false); }
    bool isBoolean() const { return m_boolean; }
    const char* name() const { return m_boolean ? "BOOLEAN" : "STRING"; }
    bool operator==(const DataType& other) const { return m_boolean == other.m_boolean; }

private:
    explicit DataType(bool boolean) : m_boolean(boolean) {}
    bool m_boolean;
};

// A parameter's value at the moment it is read.
class Value {
public:
    explicit Value(std::string text) : m_text(std::move(text)) {}
    // Boolean texts are validated when set: "true"/"false", "1"/"0", "yes"/"no".
    bool valueBool() const;
    kvo::String toKVOString() const { return kvo::String(m_text); }
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
};

}  // namespace vemo5
