#pragma once
// A growable array that tests the index of every access. The elements live in
// one heap block behind a count and a capacity; the block's size must fit in
// 32 bits, which bounds the capacity per element type before anything is
// allocated. The array belongs to the serializable family but holds things
// that cannot be written out, so it refuses to be serialized.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <new>

#include "kvo/Exception.h"
#include "kvo/KVOValue.h"
#include "kvo/Serializable.h"

namespace kvo {

template <class T>
class Array : public Serializable {
    struct Header {
        std::uint32_t count;
        std::uint32_t capacity;
    };
    static_assert(sizeof(Header) == 8, "the block header is two 32-bit numbers");
    static_assert(alignof(T) <= sizeof(Header), "slots follow the 8-byte header unpadded");

public:
    static constexpr std::uint32_t kInitialCapacity = 8;
    static constexpr std::uint32_t kMaxCapacity =
        static_cast<std::uint32_t>((0xFFFFFFFFull - sizeof(Header)) / sizeof(T));

    Array() : m_block(allocate(kInitialCapacity, 0)) {}
    ~Array() override {
        destroyAll();
        ::operator delete(m_block);
    }
    Array(const Array&) = delete;
    Array& operator=(const Array&) = delete;

    void reserve(std::uint32_t n) {
        if (n <= m_block->capacity)
            return;
        std::uint32_t capacity = kInitialCapacity;
        while (capacity != 0 && capacity < n)
            capacity *= 2;
        if (capacity == 0)
            capacity = n;
        if (capacity > kMaxCapacity)
            throw tooLarge(n);
        Header* grown = allocate(capacity, n);
        T* target = slots(grown);
        std::uint32_t copied = 0;
        try {
            for (; copied < m_block->count; ++copied)
                new (&target[copied]) T(slots(m_block)[copied]);
        } catch (...) {
            while (copied > 0)
                target[--copied].~T();
            ::operator delete(grown);
            throw;
        }
        grown->count = m_block->count;
        destroyAll();
        ::operator delete(m_block);
        m_block = grown;
    }

    void append(const T& element) {
        reserve(m_block->count + 1);
        new (&slots(m_block)[m_block->count]) T(element);
        ++m_block->count;
    }

    T& operator[](std::uint32_t index) { return slots(m_block)[checked(index)]; }
    const T& operator[](std::uint32_t index) const { return slots(m_block)[checked(index)]; }

    std::uint32_t size() const { return m_block->count; }
    std::uint32_t capacity() const { return m_block->capacity; }

    int indexOf(const T& element) const {
        for (std::uint32_t i = 0; i < m_block->count; ++i)
            if (slots(m_block)[i] == element)
                return static_cast<int>(i);
        return -1;
    }

    void remove(const T& element) {
        const int found = indexOf(element);
        if (found < 0)
            return;
        T* items = slots(m_block);
        for (std::uint32_t i = static_cast<std::uint32_t>(found) + 1; i < m_block->count; ++i)
            items[i - 1] = items[i];
        items[--m_block->count].~T();
    }

    // The fresh block is obtained before the old one goes, so a failed reset
    // leaves the array as it was instead of pointing at released storage.
    void reset() {
        Header* fresh = allocate(kInitialCapacity, 0);
        destroyAll();
        ::operator delete(m_block);
        m_block = fresh;
    }

    void serialize(std::ostream&) const override { failSerialization(getClassName()); }
    void deserialize(std::istream&) override { failSerialization(getClassName()); }
    void printSerializationUnsupported() const override {
        std::printf("Serialization isn't support for this class!!!\n");
    }
    String getClassName() const override {
        static const String name("ArrayOfOthers");
        return name;
    }
    void ignoreElement(const void*) override {}

    [[noreturn]] void failSerialization(const String& name) const {
        throw SerializationFailed(String("Serialization is not supported for: ") + name,
                                  sourceFileName(__FILE__).c_str(), __LINE__);
    }

private:
    static T* slots(Header* block) { return reinterpret_cast<T*>(block + 1); }
    static const T* slots(const Header* block) { return reinterpret_cast<const T*>(block + 1); }

    static NullPointer tooLarge(std::uint32_t requested) {
        return NullPointer(String("Asked for array of size: ") + KVOValue(requested).toString(),
                           sourceFileName(__FILE__).c_str(), __LINE__);
    }

    // `requested` is what the caller asked for; a failure reports it rather
    // than the rounded-up capacity.
    static Header* allocate(std::uint32_t capacity, std::uint32_t requested) {
        void* memory = ::operator new(sizeof(Header) + std::size_t{capacity} * sizeof(T), std::nothrow);
        if (memory == nullptr)
            throw tooLarge(requested);
        return new (memory) Header{0, capacity};
    }

    std::uint32_t checked(std::uint32_t index) const {
        if (index >= m_block->count)
            throw IndexOutOfBounds(0, static_cast<long long>(m_block->count) - 1, index,
                                   sourceFileName(__FILE__).c_str(), __LINE__);
        return index;
    }

    void destroyAll() {
        for (std::uint32_t i = 0; i < m_block->count; ++i)
            slots(m_block)[i].~T();
        m_block->count = 0;
    }

    Header* m_block;
};

}  // namespace kvo
