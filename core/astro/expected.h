// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the core reports a result that can fail: a value, or an error
// value that says why. Nothing is swallowed: the error carries the reason,
// and the layer that shows it (a window, the command line) chooses the words.
//
// A small stand-in for C++23's std::expected, which this compiler lacks.
#pragma once

#include <cassert>
#include <type_traits>
#include <utility>
#include <variant>

namespace vellamor {

template <typename E>
struct Unexpected {
    E error;
};

template <typename E>
Unexpected<std::decay_t<E>> Fail(E&& error) {
    return {std::forward<E>(error)};
}

template <typename T, typename E>
class Expected {
  public:
    Expected(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    template <typename F, typename = std::enable_if_t<std::is_convertible_v<F, E>>>
    Expected(Unexpected<F> failure) : m_state(std::in_place_index<1>, std::move(failure.error)) {}

    bool has_value() const { return m_state.index() == 0; }
    explicit operator bool() const { return has_value(); }

    T& value() & {
        assert(has_value());
        return std::get<0>(m_state);
    }
    const T& value() const& {
        assert(has_value());
        return std::get<0>(m_state);
    }
    T&& value() && {
        assert(has_value());
        return std::get<0>(std::move(m_state));
    }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // Mutable too, so that a caller passing the error on can move it.
    E& error() & {
        assert(!has_value());
        return std::get<1>(m_state);
    }
    const E& error() const& {
        assert(!has_value());
        return std::get<1>(m_state);
    }

  private:
    std::variant<T, E> m_state;
};

// Success that carries no value.
template <typename E>
class Expected<void, E> {
  public:
    Expected() = default;
    template <typename F, typename = std::enable_if_t<std::is_convertible_v<F, E>>>
    Expected(Unexpected<F> failure) : m_failed(true), m_error(std::move(failure.error)) {}

    bool has_value() const { return !m_failed; }
    explicit operator bool() const { return has_value(); }
    E& error() & {
        assert(m_failed);
        return m_error;
    }
    const E& error() const& {
        assert(m_failed);
        return m_error;
    }

  private:
    bool m_failed = false;
    E m_error{};
};

}  // namespace vellamor
