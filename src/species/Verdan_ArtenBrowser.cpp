#include "species/Verdan_ArtenBrowser.h"

#include "app/KR_DLG.h"
#include "foundation/KR_Colors.h"
#include "foundation/KR_Hourglass.h"
#include "foundation/Kr_vcldb.h"
#include "species/Aw_BotName.h"
#include "species/Verdan_ArtenBrowserDM.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

namespace {

constexpr TColor GridFixedColor = 14671839;

void WeissUndFlach(TKR_Panel* panel)
{
    panel->SetColor(Qt::white);
    panel->SetBevelOuter(TKR_Bevel::None);
}

} // namespace

TVerdan_ArtenBrowser::TVerdan_ArtenBrowser(QWidget* parent) : TAW_FloraBrowser(parent)
{
    ButtonPanel()->resize(SuchButton()->x() + SuchButton()->width() + 4, ButtonPanel()->height());
    for (TKR_Panel* panel : {static_cast<TKR_Panel*>(this), TopPanel(), NavigatorPanel(),
                             SuchPanel(), ButtonPanel(), GridPanel()})
        WeissUndFlach(panel);
    Grid()->SetFixedColor(DelphiColor(GridFixedColor));
    // The one visible column fills the grid, however wide the user drags the portrait.
    Grid()->horizontalHeader()->setStretchLastSection(true);
}

TVerdan_ArtenBrowser::~TVerdan_ArtenBrowser() = default;

void TVerdan_ArtenBrowser::InitArtenBrowser(TVerdan_Datenbankserver* server)
{
    SetServer(server);
    try {
        m_dataModul = new TVerdan_ArtenBrowserDataModul(this, server);
        SetDataSource(m_dataModul->VerdanArtDataSource);
    } catch (const std::exception&) {
        // The list stays empty.
    }
}

void TVerdan_ArtenBrowser::SetDeutscheNamen(bool on)
{
    m_deutscheNamen = on;
    if (m_dataModul) m_dataModul->SetDeutscheNamen(on);
}

int TVerdan_ArtenBrowser::GetRelID() const
{
    return FeldWert(QStringLiteral("ID"));
}

int TVerdan_ArtenBrowser::GetPortraitID() const
{
    return FeldWert(QStringLiteral("ID"));
}

void TVerdan_ArtenBrowser::Search(bool)
{
    if (!m_dataModul) return;
    if (!m_deutscheNamen) {
        const TAW_BotanischerName name = TeileBotanischenNamen(SuchText()->text());
        m_dataModul->FindeArt(name.Gattung, name.Art);
        return;
    }
    bool gefunden = false;
    {
        TKR_Hourglass hourglass;
        gefunden = m_dataModul->SucheDeutsch(SuchText()->text());
    }
    if (!gefunden)
        ShowMessageDlg(QStringLiteral("Suchen"), QStringLiteral("Suchtext nicht gefunden"));
}
