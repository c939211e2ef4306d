#pragma once
// Two values kept together, copied member by member: a layout library's
// display name with its module handle, for instance.

namespace kvo {

template <class A, class B>
struct Pair {
    A first;
    B second;
};

}  // namespace kvo
