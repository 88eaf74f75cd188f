#include "foundation/KR_Kindfenster.h"

#include <QMdiArea>
#include <QMdiSubWindow>

QMdiSubWindow* MdiRahmen(QWidget* window)
{
    return qobject_cast<QMdiSubWindow*>(window->parentWidget());
}

void SchliesseKindfenster(QWidget* window)
{
    if (QMdiSubWindow* sub = MdiRahmen(window))
        sub->close();
    else
        window->close();
}

void GehtMitBesitzer(QWidget* window, QObject* owner)
{
    if (!owner) return;
    QObject::connect(owner, &QObject::destroyed, window, [window] {
        if (QMdiSubWindow* sub = MdiRahmen(window))
            delete sub;
        else
            delete window;
    });
}

void HoleNachVorn(QWidget* window)
{
    if (QMdiSubWindow* sub = MdiRahmen(window)) {
        if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
        sub->raise();
    } else {
        window->raise();
        window->activateWindow();
    }
}
