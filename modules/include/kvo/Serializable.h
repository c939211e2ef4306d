#pragma once
// Objects that can be written to and read from a byte stream. Containers of
// things that are not serializable refuse with kvo::SerializationFailed.
#include <istream>
#include <ostream>

namespace kvo {

class Serializable {
public:
    virtual ~Serializable() = default;
    virtual void serialize(std::ostream& out) const = 0;
    virtual void deserialize(std::istream& in) = 0;
    virtual const char* getClassName() const = 0;
};

}  // namespace kvo
