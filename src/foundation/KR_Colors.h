#pragma once

#include <QColor>
#include <QtGlobal>

// Colour numbers as the forms store them: 0x00BBGGRR, so 0xFF0000 is blue and 0x00FF00 green.
using TColor = quint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clGray = 0x808080;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
// The system colours of buttons and panels, fixed at today's Windows values.
constexpr TColor clBtnFace = 0xF0F0F0;
constexpr TColor clBtnHighlight = 0xFFFFFF;
constexpr TColor clBtnShadow = 0xA0A0A0;

// Only the low 24 bits count; the high byte (the forms' system-colour flag) is ignored.
inline QColor DelphiColor(TColor value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
