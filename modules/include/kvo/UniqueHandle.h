#pragma once
// One owner for every handle the program acquires, released once on every
// path out of a scope.
//
// The owner is move-only: a copied owner would release the same handle
// twice. An owner that was moved from holds nothing and releases nothing.
// Release functions never throw and their failures are ignored, because a
// destructor has no one to report them to; a caller that must know whether a
// release worked takes the handle back with release() and closes it itself.
#include <utility>

namespace kvo {

// Owns one handle of the kind that Traits describes:
//   using Handle = ...;                   the handle type
//   static Handle invalid() noexcept;     the value that means "none"
//   void close(Handle) noexcept;          releases a valid handle: a static
//                                         function, or a member using what the
//                                         traits object carries (see ClosedBy)
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle, Traits traits = Traits()) noexcept : m_traits(traits), m_handle(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : m_traits(other.m_traits), m_handle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
            m_traits = other.m_traits;
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return m_handle != Traits::invalid(); }

    // Gives the handle up without releasing it.
    [[nodiscard]] Handle release() noexcept { return std::exchange(m_handle, Traits::invalid()); }

    // Releases the held handle (if any) and takes `handle`.
    void reset(Handle handle = Traits::invalid()) noexcept {
        const Handle old = std::exchange(m_handle, handle);
        if (old != Traits::invalid()) m_traits.close(old);
    }

private:
    Traits m_traits{};
    Handle m_handle = Traits::invalid();
};

// Traits for a handle that a seam hands out and takes back: `Close`, a member
// of the seam, releases it, so that a fake seam sees every release. Null (or
// zero) means "none", as the seams report failure.
template <typename Seam, typename HandleType, auto Close>
struct ClosedBy {
    using Handle = HandleType;
    static Handle invalid() noexcept { return Handle(); }
    void close(Handle handle) const noexcept { (void)(seam->*Close)(handle); }

    Seam* seam = nullptr;
};

// A handle owned on behalf of `Seam`: SeamHandle<...> owner(seam.open(...), {&seam}).
template <typename Seam, typename Handle, auto Close>
using SeamHandle = UniqueHandle<ClosedBy<Seam, Handle, Close>>;

}  // namespace kvo
