// Error types of the grid-table framework. Every desktop error carries the
// text shown to the user; "\r" inside a text stands for a line break.
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Base of every error that is shown in a message box at a window boundary.
class TMessageError : public std::exception {
public:
    explicit TMessageError(const QString& message) : message_(message), utf8_(message.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// An entry the user typed was refused; the window keeps the focus on it.
class EEntryError : public TMessageError {
public:
    using TMessageError::TMessageError;
};

// The expression evaluator could not turn an entry into a number.
class EAssignError : public EEntryError {
public:
    using EEntryError::EEntryError;
};

// A cell was asked for an access its column does not support.
class EDataTypeError : public TMessageError {
public:
    EDataTypeError();
};

// A stored table definition is damaged (a program fault, not user input).
class EDefinitionError : public TMessageError {
public:
    using TMessageError::TMessageError;
};
