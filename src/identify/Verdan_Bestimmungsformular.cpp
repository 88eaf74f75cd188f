#include "identify/Verdan_Bestimmungsformular.h"

#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "app/Verdan_Main.h"
#include "data/KR_TEXT.h"
#include "data/Verdan_BdBServer.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "foundation/KR_Align.h"
#include "foundation/KR_Colors.h"
#include "foundation/KR_DataSource.h"
#include "foundation/KR_Graph.h"
#include "foundation/KR_Hourglass.h"
#include "foundation/KR_Label.h"
#include "foundation/KR_VCL.h"
#include "foundation/Kr_grabt.h"
#include "foundation/Kr_vcldb.h"
#include "html/Kr_html.h"
#include "html/Kr_htmlv.h"
#include "html/Verdan_HtmlDisplayFormUnit.h"
#include "identify/Verdan_Bestimmungszeile.h"
#include "identify/Verdan_FilterFlagoutPanel.h"
#include "key/Verdan_Abfrageliste.h"
#include "key/Verdan_Definition.h"
#include "key/Verdan_Flagoutstuktur.h"
#include "key/Verdan_StrukturDM.h"
#include "pictures/Verdan_DetailZoomUnit.h"
#include "pictures/Verdan_DiaSerie.h"
#include "platform/Query.h"
#include "species/Verdan_ArtenlistenForm.h"
#include "species/Verdan_GlossarUnit.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>
#include <initializer_list>

namespace {

constexpr int FensterBreite = 300;

const QStringList StartseitenZeilen = {
    QStringLiteral("<html><body>"),
    QStringLiteral("<h2>Pflanzen bestimmen </h2>"),
    QStringLiteral("<p>"),
    QStringLiteral("Für die Bestimung einer Pflanze können Sie einen der fünf Hauptschalter"),
    QStringLiteral("anklicken:"),
    QStringLiteral("</p>"),
    QStringLiteral("<table border=\"0\" width=\"500\">"),
    QStringLiteral("<tr><td width=\"100\" valign=\"top\" nowrap><b>Farnpflanzen</b></td>"),
    QStringLiteral("<td width=\"300\">"),
    QStringLiteral("Damit können Sie Farnpflanzen bestimmen."),
    QStringLiteral("<p>&nbsp;</p></td></tr>"),
    QStringLiteral("<tr><td width=\"100\" valign=\"top\" nowrap><b>Blütenpflanzen</b></td>"),
    QStringLiteral("<td width=\"300\">"),
    QStringLiteral("Damit können Sie Blütenpflanzen bestimmen."),
    QStringLiteral("<p>&nbsp;</p></td></tr>"),
    QStringLiteral("<tr><td width=\"100\" valign=\"top\" nowrap><b>Gruppenliste</b></td>"),
    QStringLiteral("<td width=\"300\">"),
    QStringLiteral("Hier können Sie aus einer Liste von"),
    QStringLiteral("schwierigeren Familien oder Gattungen die entsprechende Gruppe auswählen und"),
    QStringLiteral("damit die Art bestimmen."),
    QStringLiteral("<p></p></td></tr>"),
    QStringLiteral("<tr><td width=\"100\" valign=\"top\" nowrap><b>Familien</b></td>"),
    QStringLiteral("<td width=\"300\">"),
    QStringLiteral("Damit können Sie Blütenpflanzen bis zur"),
    QStringLiteral("Familie bestimmen"),
    QStringLiteral("<p>&nbsp;</p></td></tr>"),
    QStringLiteral("<tr><td width=\"100\" valign=\"top\" nowrap><b>Gattungen</b></td>"),
    QStringLiteral("<td width=\"300\">"),
    QStringLiteral("Damit können Sie die Bestimmung bei einer"),
    QStringLiteral("bestimmten Gattung beginnen"),
    QStringLiteral("<p>&nbsp;</p></td></tr>"),
    QStringLiteral("<tr><td width=\"100\" valign=\"top\" nowrap><b>Artenliste</b></td>"),
    QStringLiteral("<td width=\"300\">"),
    QStringLiteral("Hier können Sie alle Artnamen nachschlagen mit"),
    QStringLiteral("einigen zusätzlichen Daten"),
    QStringLiteral("<p>&nbsp;</p></td></tr>"),
    QStringLiteral("<tr><td width=\"100\" valign=\"top\" nowrap><b>Glossar</b></td>"),
    QStringLiteral("<td width=\"300\">"),
    QStringLiteral("Hier können Sie Fachausdrücke mit ihrer"),
    QStringLiteral("Bedeutung nachschlagen."),
    QStringLiteral("<p>&nbsp;</p></td></tr>"),
    QStringLiteral("</table>"),
    QStringLiteral("<p></p>"),
    QStringLiteral("<p></p>"),
    QStringLiteral("<p>.</p>"),
    QStringLiteral("<p>.</p>"),
    QStringLiteral("<p>.</p>"),
    QStringLiteral("</body></html>"),
};

TKR_Panel* NeuesPanel(QWidget* parent, const QString& name, TKR_Align align, int groesse)
{
    auto* panel = new TKR_Panel(parent);
    panel->setObjectName(name);
    panel->SetColor(DelphiColor(clWhite));
    panel->SetBevelOuter(TKR_Bevel::None);
    if (align == TKR_Align::Left || align == TKR_Align::Right)
        panel->resize(groesse, panel->height());
    else if (align == TKR_Align::Top || align == TKR_Align::Bottom)
        panel->resize(panel->width(), groesse);
    SetAlign(panel, align);
    return panel;
}

TKR_GradButton* NeuerKnopf(QWidget* parent, const QString& name, const QString& titel, QRect ort,
                           bool fett)
{
    auto* knopf = new TKR_GradButton(titel, parent);
    knopf->setObjectName(name);
    knopf->setGeometry(ort);
    knopf->setCursor(Qt::PointingHandCursor);
    knopf->SetGradColor(DelphiColor(clSilver));
    QFont schrift = knopf->font();
    schrift.setBold(fett);
    knopf->setFont(schrift);
    return knopf;
}

TKR_CheckBox* NeuesKaestchen(QWidget* parent, const QString& name, const QString& titel)
{
    auto* kaestchen = new TKR_CheckBox(titel, parent);
    kaestchen->setObjectName(name);
    return kaestchen;
}

} // namespace

TVerdan_Bestimmung::TVerdan_Bestimmung(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setWindowTitle(QStringLiteral("Bestimmung"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    resize(912, 546);
    setWindowState(Qt::WindowMaximized);
    setAutoFillBackground(true);
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    setPalette(weiss);
    ErstelleKomponenten();
    FormCreate();
}

TVerdan_Bestimmung::~TVerdan_Bestimmung()
{
    // The panel and the strip point into the level stack's trees, and the query's display
    // handler into the row rules: they go before the members they use.
    delete DiaSerie;
    delete FilterFlagOutPanel;
    delete PflanzenGrid;
    delete DataSource1;
    delete BestimmungsQuery;
}

void TVerdan_Bestimmung::ErstelleKomponenten()
{
    DiaSerie = new TVerdan_DiaSerie(this);
    DiaSerie->setObjectName(QStringLiteral("DiaSerie"));
    DiaSerie->resize(width(), 120);
    DiaSerie->SetBorderWidth(2);
    DiaSerie->SetBevelOuter(TKR_Bevel::None);
    DiaSerie->SetColor(DelphiColor(clWhite));
    DiaSerie->SetGrid_AutomaticGridSize(false);
    DiaSerie->SetGrid_Spaltenanzahl(7);
    DiaSerie->SetGrid_Zeilenanzahl(1);
    DiaSerie->SetGrid_DisplayFotoTitle(false);
    DiaSerie->SetGrid_ColorNormal(DelphiColor(clWhite));
    DiaSerie->SetGrid_ColorHighlight(DelphiColor(14671839));
    DiaSerie->Loaded();
    DiaSerie->SetStrukturModul(StrukturDataModul);
    DiaSerie->OnDiaDoubleClick = [this](TVerdan_DiaSerienFenster* zelle) {
        DiaSerieDiaDoubleClick(zelle);
    };
    SetAlign(DiaSerie, TKR_Align::Top);
    DiaSerie->hide();

    ErstelleMeldeleiste();

    Hauptpanel = NeuesPanel(this, QStringLiteral("Hauptpanel"), TKR_Align::Client, 0);
    ErstelleStartPanel();

    FlagoutContainerPanel =
        NeuesPanel(Hauptpanel, QStringLiteral("FlagoutContainerPanel"), TKR_Align::Client, 0);
    FlagoutContainerPanel->SetBorderWidth(4);
    FlagoutContainerPanel->SetBorderStyle(TKR_BorderStyle::Single);
    FlagoutContainerPanel->setMinimumWidth(150);
    FlagoutContainerPanel->hide();
    FilterFlagOutPanel = new TVerdan_FilterFlagoutPanel(FlagoutContainerPanel);
    FilterFlagOutPanel->setObjectName(QStringLiteral("FilterFlagOutPanel"));
    SetAlign(FilterFlagOutPanel, TKR_Align::Client);
    FilterFlagOutPanel->OnFilterGeaendert = [this](TAW_FilterFlagOutPanel&, TAW_FlagOutStruktur*) {
        FilterFlagOutPanelFilterGeaendert();
    };
    FilterFlagOutPanel->OnResetAbfrageKlasse = [this](TVerdan_AbfrageRecord* ebene) {
        FilterFlagOutPanelResetAbfrageKlasse(ebene);
    };
    FilterFlagOutPanel->OnChangeFlagout = [this](TVerdan_FlagOutObjekt* flo,
                                                 TKR_DatenBankFeld* krit, int item) {
        FilterFlagOutPanelChangeFlagout(flo, krit, item);
    };

    ErstelleBrowserpanel();

    HtmlViewer = new TKR_HTMLViewer(Hauptpanel);
    HtmlViewer->setObjectName(QStringLiteral("HtmlViewer"));
    HtmlViewer->SetViewImages(false);
    HtmlViewer->SetDefBackground(Qt::white);
    // The terms of the start page are one word each and must not break inside it.
    HtmlViewer->setWordWrapMode(QTextOption::WordWrap);
    HtmlViewer->resize(137, HtmlViewer->height());
    SetAlign(HtmlViewer, TKR_Align::Right);

    BestimmungsQuery = new TQuery(this);
    BestimmungsQuery->setObjectName(QStringLiteral("BestimmungsQuery"));
    BestimmungsQuery->BeforeOpen = [this](TDataSet&) {
        BestimmungsQuery->SetDatabaseName(SetupBlock.GlobalDir);
    };
    BestimmungsQuery->AfterScroll = [this](TDataSet&) { BestimmungsQueryAfterScroll(); };
    DataSource1 = new TKR_DataSource(BestimmungsQuery, this);
    PflanzenGrid->SetDataSource(DataSource1);

    HtmlText = new TKR_StringHolder(this);
    HtmlText->Strings() = StartseitenZeilen;

    BearbeitenKommando = new QMenu(QStringLiteral("Bearbeiten"), this);
    BearbeitenKommando->setObjectName(QStringLiteral("BearbeitenKommando"));
    BearbeitenKommando->setProperty("GroupIndex", 1);
    BearbeitenKommando->menuAction()->setVisible(false);
    KopierenKommando = BearbeitenKommando->addAction(QStringLiteral("Kopieren"), this,
                                                     &TVerdan_Bestimmung::KopierenKommandoClick);
    KopierenKommando->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    KopierenKommando->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(KopierenKommando);
}

void TVerdan_Bestimmung::ErstelleStartPanel()
{
    StartPanel = NeuesPanel(Hauptpanel, QStringLiteral("StartPanel"), TKR_Align::Left, 215);
    Label1 = new TKR_Label(QStringLiteral("Auswahl des Bestimmungspfades:"), StartPanel);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont fett = Label1->font();
    fett.setBold(true);
    Label1->setFont(fett);
    Label1->setWordWrap(true);
    Label1->setGeometry(8, 8, 200, 32);

    struct Pfad
    {
        const char* name;
        QString titel;
        void (TVerdan_Bestimmung::*klick)();
    };
    const Pfad pfade[] = {
        {"KR_GradButton1", QStringLiteral("1) Farnpflanzen  "),
         &TVerdan_Bestimmung::OpenFarnpflanzenClick},
        {"KR_GradButton2", QStringLiteral("2) Blütenpflanzen"),
         &TVerdan_Bestimmung::OpenGrundtabelleClick},
        {"KR_GradButton3", QStringLiteral("3) Gruppenliste   "), &TVerdan_Bestimmung::Button4Click},
        {"KR_GradButton4", QStringLiteral("4) Familien         "),
         &TVerdan_Bestimmung::OpenFamlienClick},
        {"KR_GradButton5", QStringLiteral("5) Gattungen      "), &TVerdan_Bestimmung::Button6Click},
    };
    TKR_GradButton** knoepfe[] = {&KR_GradButton1, &KR_GradButton2, &KR_GradButton3,
                                  &KR_GradButton4, &KR_GradButton5};
    int oben = 44;
    for (int i = 0; i < 5; ++i) {
        *knoepfe[i] = NeuerKnopf(StartPanel, QString::fromLatin1(pfade[i].name), pfade[i].titel,
                                 QRect(40, oben, 131, 31), true);
        connect(*knoepfe[i], &QAbstractButton::clicked, this, pfade[i].klick);
        oben += 41;
    }

    ListenPanel = NeuesPanel(StartPanel, QStringLiteral("ListenPanel"), TKR_Align::Bottom, 79);
    ListenPanel->setFixedHeight(79);
    ArtListenButton = NeuerKnopf(ListenPanel, QStringLiteral("ArtListenButton"),
                                 QStringLiteral("< Artenliste >   "), QRect(40, 4, 131, 31), true);
    GlossarButton = NeuerKnopf(ListenPanel, QStringLiteral("GlossarButton"),
                               QStringLiteral("< Glossar >     "), QRect(40, 42, 131, 31), true);
    connect(ArtListenButton, &QAbstractButton::clicked, this,
            &TVerdan_Bestimmung::ArtListenButtonClick);
    connect(GlossarButton, &QAbstractButton::clicked, this,
            &TVerdan_Bestimmung::GlossarButtonClick);
}

void TVerdan_Bestimmung::ErstelleBrowserpanel()
{
    Browserpanel = NeuesPanel(Hauptpanel, QStringLiteral("Browserpanel"), TKR_Align::Right, 333);
    Browserpanel->SetBorderWidth(2);
    Browserpanel->SetMoveLeft(true);
    Browserpanel->setMinimumWidth(150);
    Browserpanel->hide();

    Suchpanel = NeuesPanel(Browserpanel, QStringLiteral("Suchpanel"), TKR_Align::Top, 24);
    Suchtext = new QLineEdit(Suchpanel);
    Suchtext->setObjectName(QStringLiteral("Suchtext"));
    Suchtext->setGeometry(4, 2, 200, 20);
    Suchtext->installEventFilter(this);
    Suchbutton = NeuerKnopf(Suchpanel, QStringLiteral("Suchbutton"), QStringLiteral("Suchen"),
                            QRect(210, 2, 54, 19), false);
    connect(Suchbutton, &QAbstractButton::clicked, this, &TVerdan_Bestimmung::SuchbuttonClick);
    Suchpanel->installEventFilter(this);

    PflanzenGrid = new TKR_DBGrid(Browserpanel);
    PflanzenGrid->setObjectName(QStringLiteral("PflanzenGrid"));
    PflanzenGrid->SetShowTitles(true);
    PflanzenGrid->SetShowIndicator(true);
    PflanzenGrid->SetRowLines(true);
    PflanzenGrid->SetColLines(true);
    PflanzenGrid->SetFixedColor(DelphiColor(14671839));
    PflanzenGrid->SetMarkierungErlaubt(false);
    PflanzenGrid->SetGrid3D(false);
    PflanzenGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PflanzenGrid->setTabKeyNavigation(true);
    SetAlign(PflanzenGrid, TKR_Align::Client);
    // Any double click on the rows follows the current row, as the press made it current.
    m_gridViewport = PflanzenGrid->viewport();
    m_gridViewport->installEventFilter(this);
}

void TVerdan_Bestimmung::ErstelleMeldeleiste()
{
    KR_Panel2 = NeuesPanel(this, QStringLiteral("KR_Panel2"), TKR_Align::Bottom, 36);
    QFont fett = KR_Panel2->font();
    fett.setBold(true);
    KR_Panel2->setFont(fett);

    // Wider than the stored 94 pixels: today's fonts need the room for the bold caption.
    KommandoPanel = NeuesPanel(KR_Panel2, QStringLiteral("KommandoPanel"), TKR_Align::Left, 110);
    KommandoPanel->hide();
    KR_GradButton7 = NeuerKnopf(KommandoPanel, QStringLiteral("KR_GradButton7"),
                                QStringLiteral("Alles Löschen"), QRect(6, 6, 98, 24), true);
    connect(KR_GradButton7, &QAbstractButton::clicked, this, &TVerdan_Bestimmung::Button1Click);

    OptionsPanel = NeuesPanel(KR_Panel2, QStringLiteral("OptionsPanel"), TKR_Align::Right, 410);
    OptionsPanel->hide();
    DeutscheNamenZeigen = NeuesKaestchen(OptionsPanel, QStringLiteral("DeutscheNamenZeigen"),
                                         QStringLiteral("Deutsche Namen"));
    IllustrationenAnzeigen = NeuesKaestchen(OptionsPanel, QStringLiteral("IllustrationenAnzeigen"),
                                            QStringLiteral("Illustrationen"));
    CBoxArtbeschreibungZeigen =
        NeuesKaestchen(OptionsPanel, QStringLiteral("CBoxArtbeschreibungZeigen"),
                       QStringLiteral("Beschreibungen"));
    CBoxFilterkriterienZeigen =
        NeuesKaestchen(OptionsPanel, QStringLiteral("CBoxFilterkriterienZeigen"),
                       QStringLiteral("Filtermerkmale"));
    // From right to left, each as wide as its caption needs in the panel's bold font; the
    // panel grows beyond its 410 pixels when today's fonts need more.
    const std::initializer_list<TKR_CheckBox*> vonRechts = {
        CBoxFilterkriterienZeigen, CBoxArtbeschreibungZeigen, IllustrationenAnzeigen,
        DeutscheNamenZeigen};
    int noetig = 6;
    for (TKR_CheckBox* kaestchen : vonRechts)
        noetig += kaestchen->sizeHint().width() + 8;
    OptionsPanel->resize(std::max(410, noetig), OptionsPanel->height());
    int rechts = OptionsPanel->width() - 6;
    for (TKR_CheckBox* kaestchen : vonRechts) {
        const int breite = kaestchen->sizeHint().width();
        rechts -= breite;
        kaestchen->setGeometry(rechts, 9, breite, 18);
        rechts -= 8;
    }
    IllustrationenAnzeigen->setChecked(true);
    IllustrationenAnzeigen->hide();
    DeutscheNamenZeigen->hide();
    connect(DeutscheNamenZeigen, &QAbstractButton::clicked, this,
            &TVerdan_Bestimmung::DeutscheNamenZeigenClick);
    connect(IllustrationenAnzeigen, &QAbstractButton::clicked, this,
            &TVerdan_Bestimmung::IllustrationenAnzeigenClick);
    connect(CBoxArtbeschreibungZeigen, &QAbstractButton::clicked, this,
            &TVerdan_Bestimmung::CBoxArtbeschreibungZeigenClick);
    connect(CBoxFilterkriterienZeigen, &QAbstractButton::clicked, this,
            &TVerdan_Bestimmung::CBoxFilterkriterienZeigenClick);

    Meldung = new TKR_Label(KR_Panel2);
    Meldung->setObjectName(QStringLiteral("Meldung"));
    Meldung->setIndent(8);
    SetAlign(Meldung, TKR_Align::Client);
}

void TVerdan_Bestimmung::FormCreate()
{
    if (!SetupBlock.MaximizeChildren) setWindowState(Qt::WindowNoState);
    m_katalog = ErstelleKatalog();
    m_server = std::make_unique<TVerdan_Datenbankserver>(nullptr, nullptr, m_katalog.get(),
                                                         SetupBlock.GlobalDir);
    m_ebenen = std::make_unique<TVerdan_AbfrageListe>(*m_katalog, *m_server);
    m_zeile = std::make_unique<TVerdan_Bestimmungszeile>(*m_ebenen, *m_server);
    ZeigeStartseite();
    HtmlViewer->LoadStrings(HtmlText->Strings());
    DiaSerie->OnDiaClick = [this](TVerdan_DiaSerienFenster* zelle) { DiaSerieDiaClick(zelle); };
    PflanzenGrid->SetKeyFieldName(QStringLiteral("ID"));
}

void TVerdan_Bestimmung::closeEvent(QCloseEvent* event)
{
    if (Beschreibungsfenster) Beschreibungsfenster->hide();
    if (Filterkriterienfenster) Filterkriterienfenster->hide();
    event->accept();
}

bool TVerdan_Bestimmung::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Suchtext && event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            SuchbuttonClick();
            return true;
        }
    }
    if (watched == Suchpanel && event->type() == QEvent::Resize) SuchpanelResize();
    if (watched == m_gridViewport && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        DatengridDblClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TVerdan_Bestimmung::ZeigeStartseite()
{
    if (Filterkriterienfenster) Filterkriterienfenster->hide();
    if (Beschreibungsfenster) Beschreibungsfenster->hide();
    OptionsPanel->hide();
    DiaSerie->hide();
    DiaSerie->ClearAll();
    FlagoutContainerPanel->hide();
    Browserpanel->hide();
    KommandoPanel->hide();
    DeutscheNamenZeigen->hide();
    IllustrationenAnzeigen->hide();
    StartPanel->show();
    SetAlign(HtmlViewer, TKR_Align::Client);
    HtmlViewer->show();
    BearbeitenKommando->menuAction()->setVisible(false);
    Meldung->clear();
    Suchtext->clear();
    m_ebenen->AllesLoeschen();
}

void TVerdan_Bestimmung::OpenFarnpflanzenClick()
{
    StarteSchluessel(2);
}
void TVerdan_Bestimmung::OpenGrundtabelleClick()
{
    StarteSchluessel(3);
}
void TVerdan_Bestimmung::Button4Click()
{
    StarteSchluessel(4);
}
void TVerdan_Bestimmung::OpenFamlienClick()
{
    StarteSchluessel(5);
}
void TVerdan_Bestimmung::Button6Click()
{
    StarteSchluessel(6);
}

void TVerdan_Bestimmung::StarteSchluessel(int nummer)
{
    SetAlign(HtmlViewer, TKR_Align::Right);
    HtmlViewer->hide();
    StartPanel->hide();
    Browserpanel->show();
    FlagoutContainerPanel->show();
    KommandoPanel->show();
    if (IllustrationenAnzeigen->isChecked()) DiaSerie->show();
    OptionsPanel->show();
    DeutscheNamenZeigen->show();
    IllustrationenAnzeigen->show();
    BearbeitenKommando->menuAction()->setVisible(true);
    SuchpanelResize();
    if (CBoxArtbeschreibungZeigen->isChecked()) CBoxArtbeschreibungZeigenClick();
    if (CBoxFilterkriterienZeigen->isChecked()) CBoxFilterkriterienZeigenClick();
    OeffneEbene(nummer, 0, 0);
    AbfrageStartenClick();
}

void TVerdan_Bestimmung::OeffneEbene(int nummer, int gattung, int familie)
{
    FilterFlagOutPanel->Aktualisierung = true;
    {
        TKR_Hourglass sanduhr;
        const int zeile = BestimmungsQuery->Active() ? BestimmungsQuery->RecNo() : 0;
        m_ebenen->NeueEbene(nummer, gattung, familie, zeile);
        FilterFlagOutPanel->ZeigeEbenen(*m_ebenen);
    }
    FilterFlagOutPanel->Aktualisierung = false;
}

void TVerdan_Bestimmung::MeldeDatenbankfehler(const std::exception& fehler)
{
    ShowMessageDlg(windowTitle(), QString::fromUtf8(fehler.what()));
}

void TVerdan_Bestimmung::AbfrageStartenClick()
{
    if (FilterFlagOutPanel->Aktualisierung) return;
    ZeigeFilterkriterien();
    m_zeile->DeutscheNamen = DeutscheNamenZeigen->isChecked();
    QString meldung;
    try {
        TKR_Hourglass sanduhr;
        meldung = m_zeile->AbfrageStarten(*BestimmungsQuery);
    } catch (const std::exception& fehler) {
        // A damaged data directory must not take the window down: the user learns what is
        // missing and can choose another key.
        BestimmungsQuery->Close();
        MeldeDatenbankfehler(fehler);
        return;
    }
    if (!meldung.isEmpty()) Meldung->setText(meldung);
}

void TVerdan_Bestimmung::BestimmungsQueryAfterScroll()
{
    if (CBoxArtbeschreibungZeigen->isChecked()) ZeigeBeschreibung();
}

void TVerdan_Bestimmung::DatengridDblClick()
{
    if (!BestimmungsQuery->Active()) return;
    TVerdan_Folgeebene ziel;
    try {
        ziel = m_zeile->Folgeebene(*BestimmungsQuery);
    } catch (const std::exception& fehler) {
        MeldeDatenbankfehler(fehler);
        return;
    }
    if (ziel.IstTaxon()) {
        CBoxArtbeschreibungZeigen->setChecked(true);
        CBoxArtbeschreibungZeigenClick();
        return;
    }
    try {
        OeffneEbene(ziel.Schluessel, ziel.Gattung, ziel.Familie);
    } catch (const std::exception& fehler) {
        FilterFlagOutPanel->Aktualisierung = false;
        MeldeDatenbankfehler(fehler);
        return;
    }
    AbfrageStartenClick();
}

void TVerdan_Bestimmung::FilterFlagOutPanelFilterGeaendert()
{
    AbfrageStartenClick();
}

void TVerdan_Bestimmung::FilterFlagOutPanelResetAbfrageKlasse(TVerdan_AbfrageRecord* resetKlasse)
{
    if (!resetKlasse) {
        ZeigeStartseite();
        return;
    }
    FilterFlagOutPanel->Aktualisierung = true;
    try {
        m_ebenen->ResetToEbene(resetKlasse);
        FilterFlagOutPanel->ZeigeEbenen(*m_ebenen);
    } catch (const std::exception&) {
        // The level was not on the stack, which is empty now: start over.
        FilterFlagOutPanel->Aktualisierung = false;
        ZeigeStartseite();
        return;
    }
    FilterFlagOutPanel->Aktualisierung = false;
    AbfrageStartenClick();
    if (TVerdan_AbfrageRecord* ebene = m_ebenen->LetzteEbene())
        TVerdan_Bestimmungszeile::GeheZuZeile(*BestimmungsQuery, ebene->Zeile);
}

void TVerdan_Bestimmung::Button1Click()
{
    if (TVerdan_FlagOutStruktur* struktur = m_ebenen->AktuelleStruktur()) {
        struktur->LoescheAuswahl();
        struktur->AktualisiereAlle();
    }
    if (TVerdan_FlagOutBaum* baum = FilterFlagOutPanel->Baum) {
        baum->setCurrentItem(nullptr);
        baum->clearSelection();
        baum->collapseAll();
    }
    if (DiaSerie->isVisible()) DiaSerie->ClearAll();
    AbfrageStartenClick();
}

void TVerdan_Bestimmung::ArtListenButtonClick()
{
    if (auto* hauptfenster = qobject_cast<TVerdan_Mainform*>(window()))
        hauptfenster->ZeigeArtenlisteIn(this);
    else
        ZeigeArtenliste(this);
}

void TVerdan_Bestimmung::GlossarButtonClick()
{
    if (auto* hauptfenster = qobject_cast<TVerdan_Mainform*>(window()))
        hauptfenster->ZeigeGlossarIn(this);
    else
        ZeigeGlossar(this, StrukturDataModul);
}

void TVerdan_Bestimmung::SuchbuttonClick()
{
    if (!BestimmungsQuery->Active()) return;
    if (m_zeile->SucheBezeichnung(*BestimmungsQuery, Suchtext->text()) ==
        TVerdan_Suche::NichtGefunden)
        ShowMessageDlg(QStringLiteral("Suchen"), QStringLiteral("Suchtext nicht gefunden"));
}

void TVerdan_Bestimmung::SuchpanelResize()
{
    Suchtext->resize(Suchpanel->width() - Suchtext->x() - Suchbutton->width() - 21,
                     Suchtext->height());
    Suchbutton->move(Suchtext->x() + Suchtext->width() + 5, Suchbutton->y());
}

TVerdan_HtmlDisplayForm* TVerdan_Bestimmung::NeuesAnzeigefenster(const QString& titel, int hoehe,
                                                                 int oben)
{
    auto* fenster = new TVerdan_HtmlDisplayForm(this);
    fenster->setWindowTitle(titel);
    fenster->setWindowFlag(Qt::WindowStaysOnTopHint);
    int rechts = 1024;
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        rechts = bildschirm->geometry().width();
    fenster->setGeometry(rechts - FensterBreite, oben, FensterBreite, hoehe);
    return fenster;
}

void TVerdan_Bestimmung::ZeigeBeschreibung()
{
    if (!BestimmungsQuery->Active()) return;
    TKR_HtmlDesigner dokument;
    try {
        m_zeile->SchreibeBeschreibung(*BestimmungsQuery, dokument);
    } catch (const std::exception&) {
        // What was written before the failing section stays readable.
    }
    if (!Beschreibungsfenster) {
        const int oben = Filterkriterienfenster ? Filterkriterienfenster->height() + 1 : 1;
        Beschreibungsfenster = NeuesAnzeigefenster(QStringLiteral("Beschreibung"), 400, oben);
        Beschreibungsfenster->OnDisplayClose = [this](TKR_HtmlDisplayForm*) {
            CBoxArtbeschreibungZeigen->setChecked(false);
        };
    }
    if (Beschreibungsfenster->isHidden()) Beschreibungsfenster->show();
    Beschreibungsfenster->HTMLViewer->LoadFromDesigner(&dokument);
}

void TVerdan_Bestimmung::ZeigeFilterkriterien()
{
    if (CBoxFilterkriterienZeigen->isChecked() && !Filterkriterienfenster) {
        const int oben = Beschreibungsfenster ? Beschreibungsfenster->height() + 1 : 1;
        Filterkriterienfenster =
            NeuesAnzeigefenster(QStringLiteral("Ausgewählte Filterkriterien"), 300, oben);
        Filterkriterienfenster->OnDisplayClose = [this](TKR_HtmlDisplayForm*) {
            CBoxFilterkriterienZeigen->setChecked(false);
        };
    }
    if (!Filterkriterienfenster) return;
    TKR_HtmlDesigner dokument;
    dokument.StrongOn();
    dokument.AddText(windowTitle());
    dokument.StrongOff();
    dokument.AddSpace();
    dokument.SmallOn();
    m_ebenen->SchreibeKriterienHtml(dokument);
    dokument.SmallOff();
    dokument.AddSpace();
    if (Filterkriterienfenster->isHidden() && CBoxFilterkriterienZeigen->isChecked())
        Filterkriterienfenster->show();
    if (Filterkriterienfenster->isVisible())
        Filterkriterienfenster->HTMLViewer->LoadFromDesigner(&dokument);
}

void TVerdan_Bestimmung::CBoxArtbeschreibungZeigenClick()
{
    if (CBoxArtbeschreibungZeigen->isChecked())
        ZeigeBeschreibung();
    else if (Beschreibungsfenster)
        Beschreibungsfenster->hide();
}

void TVerdan_Bestimmung::CBoxFilterkriterienZeigenClick()
{
    if (CBoxFilterkriterienZeigen->isChecked())
        ZeigeFilterkriterien();
    else if (Filterkriterienfenster)
        Filterkriterienfenster->hide();
}

void TVerdan_Bestimmung::IllustrationenAnzeigenClick()
{
    DiaSerie->setVisible(IllustrationenAnzeigen->isChecked());
}

void TVerdan_Bestimmung::DeutscheNamenZeigenClick()
{
    AbfrageStartenClick();
}

void TVerdan_Bestimmung::KopierenKommandoClick()
{
    PflanzenGrid->CopyRows();
}

void TVerdan_Bestimmung::FilterFlagOutPanelChangeFlagout(TVerdan_FlagOutObjekt* flo,
                                                         TKR_DatenBankFeld* krit, int selectItem)
{
    if (DiaSerie->isVisible()) DiaSerie->ShowKriterium(flo, krit, selectItem);
}

void TVerdan_Bestimmung::DiaSerieDiaClick(TVerdan_DiaSerienFenster* cell)
{
    if (!cell || !cell->Krit() || !cell->Flo()) return;
    TKR_FlagOutStruktur* werte = cell->Flo()->Unterstruktur.get();
    if (!werte || werte->Count() < cell->Item()) return;
    auto* wert = dynamic_cast<TVerdan_FlagOutObjekt*>(werte->ObjektNr(cell->Item()));
    if (wert && wert->Knoten) FilterFlagOutPanel->ToggleKnoten(wert->Knoten, true);
}

void TVerdan_Bestimmung::DiaSerieDiaDoubleClick(TVerdan_DiaSerienFenster* cell)
{
    if (!cell || !cell->Krit()) return;
    auto* zoom =
        new TVerdan_DetailZoom(this, cell->Item(), cell->Krit(), DiaSerie->StrukturModul());
    zoom->show();
}
