#pragma once

#include <QString>
#include <exception>

namespace kelvara {

// A failure that carries the text shown to the user after a fixed prefix such as
// "blad obliczen! Error: ". Conversion failures, file failures and arithmetic faults all
// travel as this type, so every caller can report them the same way.
class AppError : public std::exception {
public:
    explicit AppError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

} // namespace kelvara
