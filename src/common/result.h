#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>

// The outcome of a core operation: a value, or the message the window shows the user.
// The core never shows UI itself, so failures travel back as text.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    static Result failure(QString message) { return Result(Failed{std::move(message)}); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // Reading the value of a failure is a programming error, caught in every build.
    const T& value() const&
    {
        Q_ASSERT_X(ok(), "Result::value", "a failure has no value");
        return *m_value;
    }
    T& value() &
    {
        Q_ASSERT_X(ok(), "Result::value", "a failure has no value");
        return *m_value;
    }
    T&& value() &&
    {
        Q_ASSERT_X(ok(), "Result::value", "a failure has no value");
        return std::move(*m_value);
    }
    const T* operator->() const { return &value(); }
    const QString& error() const { return m_error; }

private:
    struct Failed {
        QString message;
    };
    explicit Result(Failed failed) : m_error(std::move(failed.message)) {}

    std::optional<T> m_value;
    QString m_error;
};

// Success or a message, for operations that produce nothing else.
class [[nodiscard]] Status {
public:
    Status() = default;
    static Status failure(QString message) { return Status(std::move(message), false); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& error() const { return m_error; }

private:
    Status(QString message, bool ok) : m_ok(ok), m_error(std::move(message)) {}
    bool m_ok = true;
    QString m_error;
};
