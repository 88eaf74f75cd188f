#pragma once

#include <QString>
#include <stdexcept>

// The general exception of the foundation: misuse by a caller. Its message names
// class and operation, e.g. "TVerdan_KriterienGruppe.AddVerdanFeld: Feldtyp nicht festgelegt".
class EKR_Exception : public std::runtime_error
{
public:
    explicit EKR_Exception(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};
