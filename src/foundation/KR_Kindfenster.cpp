#include "foundation/KR_Kindfenster.h"

#include "foundation/KR_Label.h"

#include <QFont>
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

TKR_Kopfzeile ErstelleKopfzeile(QWidget* panel, const QString& titel, int top)
{
    const auto verweis = [panel](const QString& text) {
        auto* label = new TKR_Label(text, panel);
        label->SetFlashEnabled(true);
        label->SetFlashNormalFarbe(Qt::black);
        label->SetFlashHighlightFarbe(Qt::red);
        return label;
    };
    TKR_Kopfzeile kopf{verweis(titel), verweis(QStringLiteral(".Zurück"))};
    QFont fett = kopf.Titel->font();
    fett.setBold(true);
    fett.setUnderline(true);
    kopf.Titel->setFont(fett);
    kopf.Titel->adjustSize();
    kopf.Titel->move(8, top);
    kopf.Zurueck->setCursor(Qt::PointingHandCursor);
    kopf.Zurueck->adjustSize();
    kopf.Zurueck->move(kopf.Titel->x() + kopf.Titel->width(), top);
    return kopf;
}
