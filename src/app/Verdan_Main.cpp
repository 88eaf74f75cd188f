#include "app/Verdan_Main.h"

#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "app/Kr_file.h"
#include "html/Kr_htmlv.h"
#include "html/Verdan_HtmlDisplayFormUnit.h"
#include "identify/Verdan_Bestimmungsformular.h"
#include "key/Verdan_StrukturDM.h"
#include "species/Verdan_ArtenlistenForm.h"
#include "species/Verdan_GlossarUnit.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QUrl>

TVerdan_StrukturDataModul* StrukturDataModul = nullptr;

namespace {

// A child's menu that joins the frame's menu bar carries this group index, placing it between
// "Datei" (0) and "Listen" (2).
constexpr int KindMenueGruppe = 1;

QMenu* MenuOfChild(QWidget* child)
{
    if (!child) return nullptr;
    for (QMenu* menu : child->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (menu->property("GroupIndex").toInt() == KindMenueGruppe) return menu;
    }
    return nullptr;
}

} // namespace

TVerdan_Mainform::TVerdan_Mainform(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Wildpflanzen Deutschlands bestimmen"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(MdiArea);
    connect(MdiArea, &QMdiArea::subWindowActivated, this, &TVerdan_Mainform::MergeChildMenu);
    ErstelleMenue();
    FormCreate();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TVerdan_Mainform::~TVerdan_Mainform()
{
    // The children go before the module they draw their pictures from.
    delete MdiArea;
    MdiArea = nullptr;
    StrukturDataModul = nullptr;
}

void TVerdan_Mainform::ErstelleMenue()
{
    Datei1 = menuBar()->addMenu(QStringLiteral("Datei"));
    NeuesBestimmungsfenster1 = Datei1->addAction(QStringLiteral("Neues Bestimmungsfenster"), this,
                                                 &TVerdan_Mainform::NeuesBestimmungsfenster1Click);
    Datei1->addSeparator();
    Beenden1 = Datei1->addAction(QStringLiteral("Beenden"), this, &TVerdan_Mainform::Beenden1Click);

    ListenMenu = menuBar()->addMenu(QStringLiteral("Listen"));
    connect(ListenMenu, &QMenu::aboutToShow, this, &TVerdan_Mainform::ListenMenuClick);
    Artenliste1 = ListenMenu->addAction(QStringLiteral("Artenliste anzeigen"), this,
                                        &TVerdan_Mainform::Artenliste1Click);
    Glossar1 = ListenMenu->addAction(QStringLiteral("Glossar anzeigen"), this,
                                     &TVerdan_Mainform::Glossar1Click);
    ListenMenu->addSeparator();
    VollbildschirmAnzeigen = ListenMenu->addAction(QStringLiteral("Vollbildschirm"), this,
                                                   &TVerdan_Mainform::VollbildschirmAnzeigenClick);
    VollbildschirmAnzeigen->setCheckable(true);
    VollbildschirmAnzeigen->setChecked(true);

    Hilfe1 = menuBar()->addMenu(QStringLiteral("Hilfe"));
    Inhalt1 = Hilfe1->addAction(QStringLiteral("Inhalt"), this, &TVerdan_Mainform::Inhalt1Click);
    Inhalt1->setShortcut(QKeySequence(Qt::Key_F1));
    Hilfe1->addSeparator();
    Buildversion = Hilfe1->addAction(QStringLiteral("Version - B"));
}

void TVerdan_Mainform::FormCreate()
{
    SetupBlock.CopyWithTitles = false;
    Buildversion->setText(Buildversion->text() + QString::number(SetupBlock.BuildNumber));
    StrukturDataModul = new TVerdan_StrukturDataModul(this);
    resize(800, 600);
}

QMdiSubWindow* TVerdan_Mainform::AddChild(QWidget* child)
{
    const bool maximiert = child->windowState() & Qt::WindowMaximized;
    const QSize groesse = child->size();
    QMdiSubWindow* window = MdiArea->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    if (maximiert) {
        window->showMaximized();
    } else {
        window->resize(groesse);
        window->showNormal();
    }
    MdiArea->setActiveSubWindow(window);
    return window;
}

void TVerdan_Mainform::MergeChildMenu(QMdiSubWindow* window)
{
    if (m_mergedMenu) menuBar()->removeAction(m_mergedMenu->menuAction());
    m_mergedMenu = MenuOfChild(window ? window->widget() : nullptr);
    if (m_mergedMenu) menuBar()->insertAction(ListenMenu->menuAction(), m_mergedMenu->menuAction());
}

void TVerdan_Mainform::NeuesBestimmungsfenster1Click()
{
    AddChild(new TVerdan_Bestimmung(this));
}

void TVerdan_Mainform::Beenden1Click()
{
    close();
}

void TVerdan_Mainform::ListenMenuClick()
{
    QMdiSubWindow* aktiv = MdiArea->activeSubWindow();
    if (!aktiv) return;
    SetupBlock.MaximizeChildren = aktiv->isMaximized();
    VollbildschirmAnzeigen->setChecked(SetupBlock.MaximizeChildren);
}

void TVerdan_Mainform::VollbildschirmAnzeigenClick()
{
    QMdiSubWindow* aktiv = MdiArea->activeSubWindow();
    if (!aktiv) {
        // The action toggled its own mark; without a child nothing changes.
        VollbildschirmAnzeigen->setChecked(!VollbildschirmAnzeigen->isChecked());
        return;
    }
    if (aktiv->isMaximized()) {
        aktiv->showNormal();
        SetupBlock.MaximizeChildren = false;
    } else {
        aktiv->showMaximized();
        SetupBlock.MaximizeChildren = true;
    }
}

void TVerdan_Mainform::Artenliste1Click()
{
    ZeigeArtenlisteIn(this);
}

TVerdan_Artenliste* TVerdan_Mainform::ZeigeArtenlisteIn(QWidget* owner)
{
    if (TVerdan_Artenliste::Instanz()) return ZeigeArtenliste(owner);
    auto* liste = new TVerdan_Artenliste(owner);
    AddChild(liste);
    return liste;
}

void TVerdan_Mainform::Glossar1Click()
{
    ZeigeGlossarIn(this);
}

TVerdan_Glossar* TVerdan_Mainform::ZeigeGlossarIn(QWidget* owner)
{
    if (TVerdan_Glossar::Instanz()) return ZeigeGlossar(owner, StrukturDataModul);
    auto* glossar = new TVerdan_Glossar(owner, StrukturDataModul);
    AddChild(glossar);
    return glossar;
}

QString TVerdan_Mainform::HilfeDatei()
{
    return IncludeSeparator(SetupBlock.ProgramDir) + QStringLiteral("help/index.html");
}

void TVerdan_Mainform::Inhalt1Click()
{
    const QString datei = HilfeDatei();
    if (!QFileInfo::exists(datei)) {
        ShowMessageDlg(QStringLiteral("Hilfe"),
                       QStringLiteral("Die Hilfe wurde nicht gefunden: ") + datei);
        return;
    }
    if (!Hilfefenster) {
        Hilfefenster = new TVerdan_HtmlDisplayForm(this);
        Hilfefenster->setWindowTitle(QStringLiteral("Hilfe"));
        Hilfefenster->resize(620, 560);
    }
    Hilfefenster->HTMLViewer->setSource(QUrl::fromLocalFile(datei));
    Hilfefenster->show();
    Hilfefenster->raise();
}
