#include "species/Verdan_ArtenlistenForm.h"

#include "app/KR_MYSYS.h"
#include "data/Verdan_BdBServer.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "foundation/KR_Align.h"
#include "foundation/KR_Graph.h"
#include "foundation/KR_Hourglass.h"
#include "foundation/KR_Kindfenster.h"
#include "foundation/KR_Label.h"
#include "html/Kr_htmlv.h"
#include "key/Verdan_Definition.h"
#include "species/Verdan_ArtPortraitAnzeige.h"
#include "species/Verdan_ArtenBrowser.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QMenu>
#include <algorithm>
#include <exception>

namespace {

QPointer<TVerdan_Artenliste> OffeneArtenliste;

TKR_Panel* WeissesPanel(QWidget* parent)
{
    auto* panel = new TKR_Panel(parent);
    panel->SetColor(Qt::white);
    return panel;
}

} // namespace

TVerdan_Artenliste::TVerdan_Artenliste(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Artenliste"));
    resize(741, 542);
    if (SetupBlock.MaximizeChildren) setWindowState(Qt::WindowMaximized);
    BaueFenster();
    ErstelleServer();
    m_browser = new TVerdan_ArtenBrowser(this);
    SetAlign(m_browser, TKR_Align::Client);
    m_browser->OnDBLClick = [](TKR_PflanzenBrowser*) {};
    m_browser->InitArtenBrowser(m_server);
    m_browser->SetDisplayPflanzenPortrait(true);
    OffeneArtenliste = this;
    GehtMitBesitzer(this, owner);
}

TVerdan_Artenliste::~TVerdan_Artenliste()
{
    Vergessen();
    // The browser reads through the server, and the server numbers its tables after the
    // catalogue: they go in that order.
    delete m_browser;
    delete m_server;
}

TVerdan_Artenliste* TVerdan_Artenliste::Instanz()
{
    return OffeneArtenliste;
}

void TVerdan_Artenliste::BaueFenster()
{
    m_panel1 = WeissesPanel(this);
    m_panel1->SetBevelOuter(TKR_Bevel::None);
    m_panel1->resize(width(), 25);
    SetAlign(m_panel1, TKR_Align::Top);

    const TKR_Kopfzeile kopf = ErstelleKopfzeile(m_panel1, QStringLiteral("Artenliste"), 5);
    m_lArtenliste = kopf.Titel;
    m_lAnfang = kopf.Zurueck;
    connect(m_lAnfang, &TKR_Label::clicked, this, &TVerdan_Artenliste::Schliessen);

    m_krPanel2 = WeissesPanel(this);
    QFont panelFont = m_krPanel2->font();
    panelFont.setBold(true);
    m_krPanel2->setFont(panelFont);
    m_krPanel2->resize(width(), 36);
    SetAlign(m_krPanel2, TKR_Align::Bottom);

    m_optionsPanel = WeissesPanel(m_krPanel2);
    m_optionsPanel->SetBevelOuter(TKR_Bevel::None);
    m_optionsPanel->resize(122, 36);
    SetAlign(m_optionsPanel, TKR_Align::Right);

    m_deutscheNamenZeigen = new QCheckBox(QStringLiteral("Deutsche Namen"), m_optionsPanel);
    m_deutscheNamenZeigen->adjustSize();
    m_deutscheNamenZeigen->move(4, 8);
    // The bold caption is wider here than in the original font; the box must show it whole.
    m_optionsPanel->resize(std::max(122, m_deutscheNamenZeigen->width() + 12), 36);
    connect(m_deutscheNamenZeigen, &QCheckBox::toggled, this,
            &TVerdan_Artenliste::DeutscheNamenZeigenClick);

    m_bearbeiten = new QMenu(QStringLiteral("Bearbeiten"), this);
    m_bearbeiten->setProperty("GroupIndex", 1);
    m_kopieren = m_bearbeiten->addAction(QStringLiteral("Kopieren"));
    m_kopieren->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    m_kopieren->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_kopieren);
    connect(m_kopieren, &QAction::triggered, this, &TVerdan_Artenliste::Kopieren);
}

void TVerdan_Artenliste::ErstelleServer()
{
    try {
        m_katalog = ErstelleKatalog();
        m_server =
            new TVerdan_Datenbankserver(nullptr, nullptr, m_katalog.get(), SetupBlock.GlobalDir);
    } catch (const std::exception&) {
        // Without its data the list stays empty.
    }
}

void TVerdan_Artenliste::DeutscheNamenZeigenClick(bool on)
{
    TKR_Hourglass hourglass;
    m_browser->SetDeutscheNamen(on);
}

void TVerdan_Artenliste::Kopieren()
{
    if (TVerdan_ArtPortraitAnzeige* portrait = m_browser->Portrait())
        portrait->HTMLViewer()->CopyToClipboard();
}

void TVerdan_Artenliste::Schliessen()
{
    SchliesseKindfenster(this);
}

void TVerdan_Artenliste::Vergessen()
{
    if (OffeneArtenliste == this) OffeneArtenliste = nullptr;
}

void TVerdan_Artenliste::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted()) Vergessen();
}

void TVerdan_Artenliste::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_browser->setFocus();
}

TVerdan_Artenliste* ZeigeArtenliste(QWidget* owner)
{
    if (TVerdan_Artenliste* liste = TVerdan_Artenliste::Instanz()) {
        HoleNachVorn(liste);
        return liste;
    }
    auto* liste = new TVerdan_Artenliste(owner);
    liste->show();
    return liste;
}
