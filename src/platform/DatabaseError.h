#pragma once

#include <QString>
#include <stdexcept>

// The one exception class of the database engine layer, carrying the engine's message
// (a missing table, column or index, a damaged file, a statement that cannot be read).
class EDatabaseError : public std::runtime_error
{
public:
    explicit EDatabaseError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};
