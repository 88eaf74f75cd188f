#pragma once

class QMdiSubWindow;
class QObject;
class QWidget;

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
