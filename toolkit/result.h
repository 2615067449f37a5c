#pragma once

#include <QString>

#include <utility>

// Why something the user asked for could not be done, as the error box and the command line say
// it: what failed and on which file, then why, both in Russian.
struct Failure {
    QString message; // "Не удалось сохранить файл /home/a/people.txt"; empty when no file is meant
    QString reason; // one sentence: "Нет места на диске."

    // Both as one text: a full stop after the message when it has none, the reason on a line of
    // its own.
    QString text() const;
};

struct Done {
};

// Success with its value, or the failure. The one way a failure travels: whoever shows it (a
// window's error box, the command line's standard error) decides how.
template <typename T = Done> class [[nodiscard]] Result
{
public:
    Result(T value = T()) : m_value(std::move(value)) {}
    Result(Failure failure) : m_failure(std::move(failure)), m_failed(true) {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const T &value() const { return m_value; }
    const T &operator*() const { return m_value; }
    const T *operator->() const { return &m_value; }
    const Failure &failure() const { return m_failure; }

private:
    T m_value{};
    Failure m_failure;
    bool m_failed = false;
};
