#pragma once
// Objects that can be written to and read from a byte stream. Containers of
// things that are not serializable refuse with kvo::SerializationFailed.
#include <istream>
#include <ostream>

#include "kvo/String.h"

namespace kvo {

class Serializable {
public:
    virtual ~Serializable() = default;
    virtual void serialize(std::ostream& out) const = 0;
    virtual void deserialize(std::istream& in) = 0;
    // Tells the person at the console that this class cannot be written out.
    virtual void printSerializationUnsupported() const = 0;
    virtual String getClassName() const = 0;
    // Skips an element the stream holds but the object does not keep.
    virtual void ignoreElement(const void* element) = 0;
};

}  // namespace kvo
