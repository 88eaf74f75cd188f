#include "species/KR_PflanzenBrowser.h"

#include "app/KR_MYSYS.h"
#include "data/Aw_bdb01.h"
#include "foundation/Aw_dgrid.h"
#include "foundation/KR_Align.h"
#include "foundation/KR_DataSource.h"
#include "foundation/KR_Navg.h"
#include "platform/Table.h"
#include "species/Verdan_ArtPortraitAnzeige.h"

#include <QDrag>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <cmath>

namespace {

constexpr int BarHoehe = 41;
constexpr int SuchButtonBreite = 65;
constexpr int SuchButtonBreiteLang = 75;
constexpr int NavigatorBreite = 150;
constexpr char16_t ZeichenZurueck = 127;

} // namespace

// --- TKR_PflanzenBrowser ---

TKR_PflanzenBrowser::TKR_PflanzenBrowser(QWidget* parent, TKR_DBGrid* grid)
    : TKR_Panel(parent), m_topPanel(NeuesPanel(this)), m_navigatorPanel(NeuesPanel(m_topPanel)),
      m_suchPanel(NeuesPanel(m_topPanel)), m_buttonPanel(NeuesPanel(m_topPanel)),
      m_gridPanel(NeuesPanel(this)), m_navigator(new TKR_DBNavigator(m_navigatorPanel)),
      m_suchText(new QLineEdit(m_suchPanel)),
      m_suchButton(new QPushButton(tr("&Suchen"), m_buttonPanel)),
      m_grid(grid ? grid : new TKR_DBGrid)
{
    m_topPanel->resize(m_topPanel->width(), BarHoehe);
    SetAlign(m_topPanel, TKR_Align::Top);
    m_gridPanel->SetBorderWidth(3);
    SetAlign(m_gridPanel, TKR_Align::Client);

    m_navigator->setObjectName(QStringLiteral("Hauptnavigator"));
    m_navigator->SetVisibleButtons({TKR_NavigateBtn::First, TKR_NavigateBtn::PageBack,
                                    TKR_NavigateBtn::Prior, TKR_NavigateBtn::Next,
                                    TKR_NavigateBtn::PageForward, TKR_NavigateBtn::Last});
    m_navigator->setGeometry(4, 10, NavigatorBreite, 25);
    m_navigatorPanel->resize(NavigatorBreite + 8, BarHoehe);
    SetAlign(m_navigatorPanel, TKR_Align::Left);

    m_suchText->setGeometry(4, 10, 100, 23);
    m_suchText->installEventFilter(this);
    m_suchPanel->installEventFilter(this);
    SetAlign(m_suchPanel, TKR_Align::Client);

    m_suchButton->setObjectName(QStringLiteral("Suchen"));
    const int buttonBreite =
        SetupBlock.LanguageIndex == 2 ? SuchButtonBreiteLang : SuchButtonBreite;
    m_suchButton->setGeometry(4, 10, buttonBreite, 23);
    m_buttonPanel->resize(buttonBreite + 8, BarHoehe);
    SetAlign(m_buttonPanel, TKR_Align::Right);
    connect(m_suchButton, &QPushButton::clicked, this, [this] { SearchButtonClick(); });

    m_grid->setParent(m_gridPanel);
    SetAlign(m_grid, TKR_Align::Client);
    m_grid->SetSearchByHotKey(false);
    m_navigator->SetKRGrid(m_grid);
    m_grid->OnChangeRow = [this](TKR_DBGrid*) { GridChangeRow(); };
    m_grid->OnKeyPress = [this](TKR_DBGrid*, QChar& key) { GridKeyPress(key); };
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] {
        if (OnDBLClick) OnDBLClick(this);
    });
    setFocusProxy(m_grid);
}

TKR_PflanzenBrowser::~TKR_PflanzenBrowser() = default;

TKR_Panel* TKR_PflanzenBrowser::NeuesPanel(QWidget* parent)
{
    auto* panel = new TKR_Panel(parent);
    panel->SetBevelOuter(TKR_Bevel::Raised);
    return panel;
}

void TKR_PflanzenBrowser::SetDataSource(TKR_DataSource* dataSource)
{
    m_dataSource = dataSource;
    m_grid->SetDataSource(dataSource);
    m_navigator->SetDataSource(dataSource);
}

bool TKR_PflanzenBrowser::DefaultGridSearch() const
{
    return m_grid->SearchByHotKey();
}

void TKR_PflanzenBrowser::SetDefaultGridSearch(bool search)
{
    m_grid->SetSearchByHotKey(search);
}

bool TKR_PflanzenBrowser::MarkierungErlaubt() const
{
    return m_grid->MarkierungErlaubt();
}

void TKR_PflanzenBrowser::SetMarkierungErlaubt(bool allowed)
{
    m_grid->SetMarkierungErlaubt(allowed);
}

void TKR_PflanzenBrowser::SearchButtonClick()
{
    if (OnPressSuchButton) OnPressSuchButton(this);
    Search(false);
}

void TKR_PflanzenBrowser::Search(bool) {}

void TKR_PflanzenBrowser::GridChangeRow()
{
    if (OnGridChangeRow) OnGridChangeRow(this);
}

bool TKR_PflanzenBrowser::ZeigtTabelle() const
{
    return qobject_cast<TTable*>(m_grid->DataSet()) != nullptr;
}

void TKR_PflanzenBrowser::GridKeyPress(QChar& key)
{
    const TDataSet* dataSet = m_grid->DataSet();
    if (!dataSet || !dataSet->Active()) return;
    const char16_t code = key.unicode();
    if (code >= 33 && code <= 254)
        m_suchText->setText(m_suchText->text() + key);
    else if (code == u'\b')
        m_suchText->setText(
            m_suchText->text().chopped(std::min<qsizetype>(1, m_suchText->text().size())));
    else
        return;
    key = QChar();
    if (!ZeigtTabelle()) return;
    const QString suchText = m_suchText->text();
    Search(true);
    m_suchText->setText(suchText);
}

bool TKR_PflanzenBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_suchPanel && event->type() == QEvent::Resize) {
        m_suchText->resize(std::max(0, m_suchPanel->width() - 8), m_suchText->height());
    } else if (watched == m_suchText && event->type() == QEvent::KeyPress) {
        return SuchTextTaste(static_cast<QKeyEvent*>(event));
    } else if (watched == m_suchText && event->type() == QEvent::KeyRelease) {
        SuchTextTasteLos(static_cast<QKeyEvent*>(event));
    }
    return TKR_Panel::eventFilter(watched, event);
}

bool TKR_PflanzenBrowser::SuchTextTaste(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        SearchButtonClick();
        return true;
    }
    if (event->text() == QString(QChar(ZeichenZurueck))) {
        m_suchText->setText(m_suchTexte.last());
        m_suchText->end(false);
        return true;
    }
    return false;
}

void TKR_PflanzenBrowser::SuchTextTasteLos(QKeyEvent* event)
{
    const bool buchstabe = event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z;
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (SetupBlock.LetterSearch && buchstabe && mods == Qt::NoModifier && ZeigtTabelle())
        Search(false);
}

// --- TAW_FloraBrowser ---

TAW_FloraBrowser::TAW_FloraBrowser(QWidget* parent) : TKR_PflanzenBrowser(parent, new TAW_DBGrid)
{
    Grid()->OnMyMouseDown = [this](TKR_DBGrid*, Qt::MouseButton button, Qt::KeyboardModifiers,
                                   int x, int y) { GridMouseDown(button, x, y); };
    Grid()->OnMyMouseUp = [this](TKR_DBGrid*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        m_dragStart = {-1, -1};
    };
    Grid()->OnMyMouseMove = [this](TKR_DBGrid*, Qt::MouseButtons buttons, Qt::KeyboardModifiers,
                                   int x, int y) { GridMouseMove(buttons, x, y); };
}

TAW_FloraBrowser::~TAW_FloraBrowser() = default;

void TAW_FloraBrowser::SetServer(TBDB_SERVER* server)
{
    m_server = server;
    if (m_portrait) m_portrait->SetServer(server);
}

TVerdan_ArtPortraitAnzeige* TAW_FloraBrowser::CreatePortrait(QWidget* owner)
{
    return new TVerdan_ArtPortraitAnzeige(owner);
}

int TAW_FloraBrowser::PortraitBreite() const
{
    if (SetupBlock.PortraitWidthFixed && SetupBlock.PortraitWidthPercent > 30)
        return int(std::lround(width() * SetupBlock.PortraitWidthPercent / 100.0));
    return (width() / 3) * 2;
}

void TAW_FloraBrowser::SetDisplayPflanzenPortrait(bool display)
{
    if (display == DisplayPflanzenPortrait()) return;
    if (!display) {
        delete m_portrait;
        m_portrait = nullptr;
        return;
    }
    m_portrait = CreatePortrait(GridPanel());
    m_portrait->SetMoveLeft(true);
    m_portrait->SetMinimalWidth(PortraitMindestBreite);
    m_portrait->SetBorderWidth(3);
    m_portrait->SetServer(m_server);
    m_portrait->resize(std::max(PortraitMindestBreite, PortraitBreite()), m_portrait->height());
    SetAlign(m_portrait, TKR_Align::Right);
    m_portrait->show();
    m_portraitBreiteGesetzt = isVisible();
    m_portrait->ShowPflanze(GetPortraitID());
}

void TAW_FloraBrowser::showEvent(QShowEvent* event)
{
    TKR_PflanzenBrowser::showEvent(event);
    // The browser learns its real width only when its window is shown.
    if (m_portrait && !m_portraitBreiteGesetzt) {
        m_portraitBreiteGesetzt = true;
        m_portrait->resize(std::max(PortraitMindestBreite, PortraitBreite()), m_portrait->height());
    }
}

int TAW_FloraBrowser::FeldWert(const QString& feldName) const
{
    const TDataSet* dataSet = Grid()->DataSet();
    if (!dataSet || !dataSet->Active()) return 0;
    const TField* field = dataSet->FindField(feldName);
    try {
        return field ? field->AsInteger() : 0;
    } catch (const std::exception&) {
        return 0;
    }
}

int TAW_FloraBrowser::GetRelID() const
{
    return FeldWert(QStringLiteral("RelID"));
}

int TAW_FloraBrowser::GetPflanzenID() const
{
    return FeldWert(QStringLiteral("ID"));
}

int TAW_FloraBrowser::GetPortraitID() const
{
    return GetPflanzenID();
}

void TAW_FloraBrowser::GridChangeRow()
{
    TKR_PflanzenBrowser::GridChangeRow();
    if (m_portrait) m_portrait->ShowPflanze(GetPortraitID());
}

void TAW_FloraBrowser::GridMouseDown(Qt::MouseButton button, int x, int y)
{
    if (SetupBlock.DragDisabled || button != Qt::LeftButton) return;
    const QPoint imViewport = Grid()->viewport()->mapFrom(Grid(), QPoint(x, y));
    if (Grid()->indexAt(imViewport).isValid()) m_dragStart = {x, y};
}

void TAW_FloraBrowser::GridMouseMove(Qt::MouseButtons buttons, int x, int y)
{
    if (m_dragStart == QPoint(-1, -1) || buttons != Qt::LeftButton) return;
    if (std::abs(x - m_dragStart.x()) < DragSchwelle &&
        std::abs(y - m_dragStart.y()) < DragSchwelle)
        return;
    m_dragStart = {-1, -1};
    StartDrag(QString::number(GetRelID()));
}

void TAW_FloraBrowser::StartDrag(const QString& text)
{
    auto* drag = new QDrag(Grid());
    auto* daten = new QMimeData;
    daten->setText(text);
    drag->setMimeData(daten);
    drag->exec(Qt::CopyAction);
}
