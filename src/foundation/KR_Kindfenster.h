#pragma once

class QMdiSubWindow;
class QObject;
class QString;
class QWidget;
class TKR_Label;

// Child windows that work as top-level windows and as the widget of an MDI sub-window (the
// species list, the glossary).

// The MDI sub-window that holds window; nullptr when it stands alone.
QMdiSubWindow* MdiRahmen(QWidget* window);
// Closes window, or the MDI sub-window that holds it.
void SchliesseKindfenster(QWidget* window);
// Frees window when owner is destroyed, wherever window has been placed meanwhile (placed
// into an MDI area, it is no longer the owner's child).
void GehtMitBesitzer(QWidget* window, QObject* owner);
// Brings window, or its MDI sub-window, to the front.
void HoleNachVorn(QWidget* window);

// The head line of such a window on panel: its title, bold and underlined, at (8, top), and
// ".Zurück" right beside it; both turn red under the mouse.
struct TKR_Kopfzeile
{
    TKR_Label* Titel;
    TKR_Label* Zurueck;
};
TKR_Kopfzeile ErstelleKopfzeile(QWidget* panel, const QString& titel, int top);
