#pragma once

// A value or the error that prevented it: the one result type for operations that can really
// fail (the QR engine, document and batch I/O, decoding). Everything else returns an optional
// or a bool.

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace vostrel {

template <class E>
struct Unexpected {
    E error;
};

template <class E>
Unexpected<std::decay_t<E>> unexpected(E&& error) {
    return {std::forward<E>(error)};
}

template <class T, class E>
class [[nodiscard]] Expected {
  public:
    Expected(T value) : storage_(std::in_place_index<0>, std::move(value)) {}
    Expected(Unexpected<E> failure) : storage_(std::in_place_index<1>, std::move(failure.error)) {}

    bool hasValue() const { return storage_.index() == 0; }
    explicit operator bool() const { return hasValue(); }

    T& value() & { return std::get<0>(storage_); }
    const T& value() const& { return std::get<0>(storage_); }
    T&& value() && { return std::get<0>(std::move(storage_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const E& error() const { return std::get<1>(storage_); }

  private:
    std::variant<T, E> storage_;
};

template <class E>
class [[nodiscard]] Expected<void, E> {
  public:
    Expected() = default;
    Expected(Unexpected<E> failure) : error_(std::move(failure.error)) {}

    bool hasValue() const { return !error_.has_value(); }
    explicit operator bool() const { return hasValue(); }
    const E& error() const { return *error_; }

  private:
    std::optional<E> error_;
};

}  // namespace vostrel
