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
    // All three are 0 when the kernel does not say.
    explicit OperatingSystem(unsigned major, unsigned minor = 0, unsigned build = 0)
        : m_major(major), m_minor(minor), m_build(build) {}
    OperatingSystemMajorVersion getMajor() const { return OperatingSystemMajorVersion(m_major); }
    unsigned getMinor() const { return m_minor; }
    unsigned getBuild() const { return m_build; }

private:
    unsigned m_major;
    unsigned m_minor;
    unsigned m_build;
};

}  // namespace kvo
