// SPDX-License-Identifier: GPL-3.0-or-later
// An array indexed by an enum of the domain (a body, a sign, a ring), so
// that code says bodies[Body::Moon] instead of casting an enum to a size
// and counting from the right element by hand.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <initializer_list>
#include <utility>

namespace vellamor {

// The number of values of a domain enum; each enum states it beside itself.
template <typename E>
inline constexpr int kEnumCount = 0;

// Every value of a domain enum, in order, for range-for loops.
template <typename E>
constexpr std::array<E, kEnumCount<E>> AllOf() {
    std::array<E, kEnumCount<E>> all{};
    for (int i = 0; i < kEnumCount<E>; ++i)
        all[static_cast<std::size_t>(i)] = static_cast<E>(i);
    return all;
}

template <typename E, typename T>
struct EnumArray {
    static_assert(kEnumCount<E> > 0, "the enum must state its count in kEnumCount");
    std::array<T, kEnumCount<E>> values{};

    constexpr T& operator[](E e) { return values[static_cast<std::size_t>(e)]; }
    constexpr const T& operator[](E e) const { return values[static_cast<std::size_t>(e)]; }
    static constexpr std::size_t size() { return kEnumCount<E>; }
    constexpr auto begin() { return values.begin(); }
    constexpr auto end() { return values.end(); }
    constexpr auto begin() const { return values.begin(); }
    constexpr auto end() const { return values.end(); }
    // Only for values that compare: a palette's lines or a layout need not.
    constexpr bool operator==(const EnumArray& o) const requires std::equality_comparable<T> {
        return values == o.values;
    }
};

}  // namespace vellamor
