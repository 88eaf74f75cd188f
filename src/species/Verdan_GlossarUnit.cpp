#include "species/Verdan_GlossarUnit.h"

#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "foundation/KR_Align.h"
#include "foundation/KR_Colors.h"
#include "foundation/KR_DataSource.h"
#include "foundation/KR_Graph.h"
#include "foundation/KR_Kindfenster.h"
#include "foundation/KR_Label.h"
#include "foundation/KR_Navg.h"
#include "foundation/Kr_vcldb.h"
#include "html/Kr_html.h"
#include "html/Kr_htmlv.h"
#include "key/VD_StrukturDM.h"
#include "key/Verdan_Definition.h"
#include "pictures/KR_MultiImage.h"
#include "platform/DatabaseError.h"
#include "platform/Field.h"
#include "platform/Table.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

namespace {

QPointer<TVerdan_Glossar> OffenesGlossar;

constexpr int Datenbank = 1;
constexpr int GrossesBild = 1;
constexpr TColor GridFixedColor = 14671839;

TKR_Panel* WeissesPanel(QWidget* parent, TKR_Align align)
{
    auto* panel = new TKR_Panel(parent);
    panel->SetColor(DelphiColor(clWhite));
    panel->SetBevelOuter(TKR_Bevel::None);
    SetAlign(panel, align);
    return panel;
}

} // namespace

TVerdan_Glossar::TVerdan_Glossar(QWidget* owner, TVD_StrukturDataModul* strukturModul)
    : QWidget(owner, Qt::Window), m_strukturModul(strukturModul)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Glossar"));
    resize(682, 523);
    if (!m_strukturModul) m_strukturModul = new TVD_StrukturDataModul(this);
    ErstelleKomponenten();
    OffenesGlossar = this;
    GehtMitBesitzer(this, owner);
    FormCreate();
}

TVerdan_Glossar::~TVerdan_Glossar()
{
    Vergessen();
    // The grid and the navigator read the table: they go first.
    delete GlossarBrowser;
    delete DBNavigator1;
}

TVerdan_Glossar* TVerdan_Glossar::Instanz()
{
    return OffenesGlossar;
}

void TVerdan_Glossar::ErstelleKomponenten()
{
    Panel1 = WeissesPanel(this, TKR_Align::Top);
    Panel1->resize(width(), 20);
    const TKR_Kopfzeile kopf = ErstelleKopfzeile(Panel1, QStringLiteral("Glossar"), 3);
    LGlossar = kopf.Titel;
    LAnfang = kopf.Zurueck;
    connect(LAnfang, &TKR_Label::clicked, this, &TVerdan_Glossar::LAnfangClick);

    Panel3 = WeissesPanel(this, TKR_Align::Top);
    Panel3->SetBorderStyle(TKR_BorderStyle::Single);
    Panel3->resize(width(), 37);
    Panel4 = WeissesPanel(Panel3, TKR_Align::Left);
    Panel4->resize(111, 37);
    DBNavigator1 = new TKR_DBNavigator(Panel4);
    DBNavigator1->SetVisibleButtons({TKR_NavigateBtn::First, TKR_NavigateBtn::Prior,
                                     TKR_NavigateBtn::Next, TKR_NavigateBtn::Last});
    DBNavigator1->setGeometry(2, 7, 100, 18);
    Suchpanel = WeissesPanel(Panel3, TKR_Align::Client);
    SuchText = new QLineEdit(Suchpanel);
    SuchText->setGeometry(3, 6, 200, 21);
    SuchText->installEventFilter(this);
    Suchbutton = new QPushButton(QStringLiteral("Suchen"), Suchpanel);
    Suchbutton->setGeometry(208, 5, 62, 23);
    connect(Suchbutton, &QPushButton::clicked, this, &TVerdan_Glossar::SuchbuttonClick);
    Suchpanel->installEventFilter(this);

    Panel2 = WeissesPanel(this, TKR_Align::Client);
    Panel2->SetBorderStyle(TKR_BorderStyle::Single);
    Panel2->SetBorderWidth(4);
    GlossarBrowser = new TKR_DBGrid(Panel2);
    GlossarBrowser->resize(275, Panel2->height());
    SetAlign(GlossarBrowser, TKR_Align::Left);
    GlossarBrowser->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GlossarBrowser->SetFixedColor(DelphiColor(GridFixedColor));
    GlossarBrowser->SetShowTitles(true);
    GlossarBrowser->SetShowIndicator(true);
    GlossarBrowser->SetColLines(true);
    GlossarBrowser->SetRowLines(true);
    GlossarBrowser->SetSearchByHotKey(false);
    GlossarBrowser->SetGrid3D(false);
    GlossarBrowser->horizontalHeader()->setStretchLastSection(true);
    DBNavigator1->SetKRGrid(GlossarBrowser);

    KR_Panel1 = WeissesPanel(Panel2, TKR_Align::Client);
    KR_Panel1->SetBorderStyle(TKR_BorderStyle::Single);
    Titelpanel = new QLabel(KR_Panel1);
    Titelpanel->setObjectName(QStringLiteral("Titelpanel"));
    QFont titelFont = Titelpanel->font();
    titelFont.setBold(true);
    Titelpanel->setFont(titelFont);
    Titelpanel->setContentsMargins(7, 0, 7, 0);
    Titelpanel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Titelpanel->resize(KR_Panel1->width(), 25);
    SetAlign(Titelpanel, TKR_Align::Top);
    HTMLViewer = new TKR_HTMLViewer(KR_Panel1);
    HTMLViewer->SetViewImages(false);
    HTMLViewer->SetDefFontName(QStringLiteral("Arial"));
    HTMLViewer->SetDefFontSize(8);
    HTMLViewer->resize(KR_Panel1->width(), 148);
    SetAlign(HTMLViewer, TKR_Align::Bottom);
    Bilddarstellung = new TKR_MultiImage(KR_Panel1);
    Bilddarstellung->SetColor(DelphiColor(clWhite));
    Bilddarstellung->SetCenter(true);
    Bilddarstellung->SetScrolling(true);
    Bilddarstellung->SetStretchRatio(true);
    Bilddarstellung->SetZoomBy(10);
    Bilddarstellung->SetGrabHandCursor(5);
    Bilddarstellung->setFocusPolicy(Qt::ClickFocus);
    SetAlign(Bilddarstellung, TKR_Align::Client);

    GlossarTable = new TTable(this);
    GlossarTable->SetReadOnly(true);
    GlossarTable->SetIndexName(QStringLiteral("IX_GlossarFachausdruck"));
    GlossarTable->AfterOpen = [](TDataSet& tabelle) {
        for (int i = 0; i < tabelle.FieldCount(); ++i)
            tabelle.Fields(i)->SetVisible(tabelle.Fields(i)->FieldName() == u"Fachausdruck");
        // Forty characters would not fit the grid; no term is that long.
        if (TField* begriff = tabelle.FindField(QStringLiteral("Fachausdruck")))
            begriff->SetDisplayWidth(std::min(begriff->DisplayWidth(), 30));
    };
    GlossarDataSource = new TKR_DataSource(GlossarTable, this);
    // The term follows the cursor, whoever moves it: grid, navigator or search.
    connect(GlossarTable, &TDataSet::currentChanged, this, &TVerdan_Glossar::ZeigeBegriff);
    connect(GlossarTable, &TDataSet::dataChanged, this, &TVerdan_Glossar::ZeigeBegriff);

    MainMenu1 = new QMenu(QStringLiteral("Bearbeiten"), this);
    MainMenu1->setProperty("GroupIndex", 1);
    Kopieren1 = MainMenu1->addAction(QStringLiteral("Kopieren"));
    Kopieren1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Kopieren1->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(Kopieren1);
    connect(Kopieren1, &QAction::triggered, this, &TVerdan_Glossar::Kopieren1Click);
}

void TVerdan_Glossar::FormCreate()
{
    if (SetupBlock.MaximizeChildren) setWindowState(Qt::WindowMaximized);
    try {
        GlossarTable->SetDatabaseName(SetupBlock.GlobalDir);
        GlossarTable->SetTableName(QStringLiteral("VDB_%1").arg(VerdanSchluessel::Glossar));
        GlossarTable->Open();
    } catch (const EDatabaseError& fehler) {
        ShowMessageDlg(QStringLiteral("Glossar"),
                       QStringLiteral("Das Glossar kann nicht gelesen werden: ") +
                           fehler.Message());
        ZeigeBegriff(); // opening shows the first term; without the table, none
    }
    GlossarBrowser->SetDataSource(GlossarDataSource);
    DBNavigator1->SetDataSource(GlossarDataSource);
    FormResize();
}

void TVerdan_Glossar::FormResize()
{
    SuchText->resize(Suchpanel->width() - SuchText->x() - Suchbutton->width() - 10,
                     SuchText->height());
    Suchbutton->move(SuchText->x() + SuchText->width() + 5, Suchbutton->y());
}

void TVerdan_Glossar::ZeigeBegriff()
{
    const bool begriff = GlossarTable->Active() && !GlossarTable->IsEmpty();
    const auto feld = [&](const char* name) {
        return begriff ? GlossarTable->FieldByName(QString::fromUtf8(name)) : nullptr;
    };
    Titelpanel->setText(begriff ? feld("Fachausdruck")->AsString() : QString());
    {
        TKR_HtmlDesigner erklaerung;
        if (begriff) erklaerung.AddMemo(feld("Text")->AsBytes());
        HTMLViewer->LoadFromDesigner(&erklaerung);
    }
    ZeigeBild(begriff ? feld("Code-Nummer")->AsString() : QString());
}

void TVerdan_Glossar::ZeigeBild(const QString& codeNummer)
{
    const TBildAdresse adresse = GlossarBildAdresse(codeNummer);
    const QByteArray bild = m_strukturModul->GetBild(Datenbank, adresse.Gruppe, adresse.Feld,
                                                     adresse.Item, GrossesBild);
    if (bild.isNull()) {
        Bilddarstellung->hide();
        Bilddarstellung->SetImageName(QString());
        Bilddarstellung->ClearPicture();
        SetAlign(HTMLViewer, TKR_Align::Client);
        return;
    }
    HTMLViewer->resize(HTMLViewer->width(), 148);
    SetAlign(HTMLViewer, TKR_Align::Bottom);
    Bilddarstellung->show();
    Bilddarstellung->LoadFromBlob(bild);
    Bilddarstellung->RefreshStretch();
}

void TVerdan_Glossar::SuchbuttonClick()
{
    if (!GlossarTable->Active()) return;
    try {
        GlossarTable->FindNearest({SuchText->text()});
    } catch (const EDatabaseError& fehler) {
        ShowMessageDlg(QStringLiteral("Suchen"), fehler.Message());
    }
}

void TVerdan_Glossar::Kopieren1Click()
{
    if (HTMLViewer->hasFocus() || !Bilddarstellung->isVisible())
        HTMLViewer->CopyToClipboard();
    else
        Bilddarstellung->CopyToClipboard();
}

void TVerdan_Glossar::LAnfangClick()
{
    SchliesseKindfenster(this);
}

void TVerdan_Glossar::Vergessen()
{
    if (OffenesGlossar == this) OffenesGlossar = nullptr;
}

void TVerdan_Glossar::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted()) Vergessen();
}

bool TVerdan_Glossar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Suchpanel && event->type() == QEvent::Resize) FormResize();
    if (watched == SuchText && event->type() == QEvent::KeyRelease) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) SuchbuttonClick();
    }
    return QWidget::eventFilter(watched, event);
}

TVerdan_Glossar* ZeigeGlossar(QWidget* owner, TVD_StrukturDataModul* strukturModul)
{
    if (TVerdan_Glossar* glossar = TVerdan_Glossar::Instanz()) {
        HoleNachVorn(glossar);
        return glossar;
    }
    auto* glossar = new TVerdan_Glossar(owner, strukturModul);
    glossar->show();
    return glossar;
}
