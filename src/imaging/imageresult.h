#pragma once

#include "imagetypes.h"

#include <QString>

#include <cstdint>
#include <utility>
#include <variant>

// A failed call of the image binding: its code (0 or less, one of ImageError) and the text
// shown to the user, the decoder's message for the code with any detail in brackets.
struct TImageError {
    int16_t code = ImageError::Ok;
    QString text;

    // The error of code, with the message for it and the detail (when given) after it.
    static TImageError of(int16_t code, const QString &detail = QString());
    // The decoder's own message for an error code; empty for the success codes (1 or more).
    static QString textFor(int16_t code);
};

// What a call of the image binding gives: its value, or the error that stopped it. Each call
// carries its own error, so a caller never has to look for it in state that another call, or
// another thread, may have overwritten in between.
template <typename T> class TImageResult {
public:
    TImageResult(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    TImageResult(TImageError error) : m_state(std::in_place_index<1>, std::move(error))
    {
        Q_ASSERT(std::get<1>(m_state).code < ImageError::Ok);
    }

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value of a successful call; only to be asked for when ok().
    const T &value() const & { return std::get<0>(m_state); }
    T &value() & { return std::get<0>(m_state); }
    T &&value() && { return std::get<0>(std::move(m_state)); }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }
    const T &operator*() const & { return value(); }

    // ImageError::Ok and an empty text for a successful call.
    int16_t errorCode() const { return ok() ? ImageError::Ok : std::get<1>(m_state).code; }
    QString errorText() const { return ok() ? QString() : std::get<1>(m_state).text; }
    TImageError error() const { return ok() ? TImageError() : std::get<1>(m_state); }

private:
    std::variant<T, TImageError> m_state;
};

// The result of a call that gives nothing but success or an error (writing a file).
template <> class TImageResult<void> {
public:
    TImageResult() = default;
    TImageResult(TImageError error) : m_error(std::move(error)) {}

    bool ok() const { return m_error.code >= ImageError::Ok; }
    explicit operator bool() const { return ok(); }

    int16_t errorCode() const { return m_error.code; }
    QString errorText() const { return m_error.text; }
    TImageError error() const { return m_error; }

private:
    TImageError m_error;
};

using TImageStatus = TImageResult<void>;
