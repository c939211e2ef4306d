#pragma once
// The running Windows version, read once from the kernel (not the
// compatibility-shimmed GetVersionEx).

namespace kvo {

class OperatingSystemMajorVersion {
public:
    static OperatingSystemMajorVersion WIN_2000() { return OperatingSystemMajorVersion(5); }
    explicit OperatingSystemMajorVersion(unsigned value) : m_value(value) {}
    unsigned value() const { return m_value; }
    bool operator==(const OperatingSystemMajorVersion& other) const { return m_value == other.m_value; }
    bool operator!=(const OperatingSystemMajorVersion& other) const { return m_value != other.m_value; }

private:
    unsigned m_value;
};

class OperatingSystem {
public:
    static const OperatingSystem& getCurrentOperatingSystem();
    explicit OperatingSystem(unsigned major) : m_major(major) {}
    OperatingSystemMajorVersion getMajor() const { return OperatingSystemMajorVersion(m_major); }

private:
    unsigned m_major;
};

}  // namespace kvo
