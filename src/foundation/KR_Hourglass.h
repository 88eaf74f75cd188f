#pragma once

#include <QCursor>
#include <QGuiApplication>

// Shows the wait cursor over the whole application for the lifetime of the object.
class TKR_Hourglass
{
public:
    TKR_Hourglass() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~TKR_Hourglass() { QGuiApplication::restoreOverrideCursor(); }
    TKR_Hourglass(const TKR_Hourglass&) = delete;
    TKR_Hourglass& operator=(const TKR_Hourglass&) = delete;
};
