#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Faults of configuration, programming or the database engine are raised as
// EError with a short English text; screens catch them or the toolkit shows them.
class EError : public std::exception {
public:
    explicit EError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& Message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that is no valid number or date.
class EConvertError : public EError {
public:
    using EError::EError;
};

// An error reported by the database engine, with its own text.
class EDatabaseError : public EError {
public:
    EDatabaseError(QString message, bool uniqueViolation)
        : EError(std::move(message)), m_uniqueViolation(uniqueViolation) {}
    // The statement broke a unique key (another writer took the value first).
    bool IsUniqueViolation() const noexcept { return m_uniqueViolation; }

private:
    bool m_uniqueViolation;
};
