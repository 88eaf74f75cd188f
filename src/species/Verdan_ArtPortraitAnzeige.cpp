#include "species/Verdan_ArtPortraitAnzeige.h"

#include "data/Verdan_BdBServer.h"
#include "foundation/KR_Align.h"
#include "html/Kr_html.h"
#include "html/Kr_htmlv.h"

#include <exception>

TVerdan_ArtPortraitAnzeige::TVerdan_ArtPortraitAnzeige(QWidget* parent)
    : TKR_Panel(parent), m_htmlPanel(new TKR_Panel(this)), m_viewer(new TKR_HTMLViewer(m_htmlPanel))
{
    SetColor(Qt::white);
    SetBevelOuter(TKR_Bevel::None);
    m_htmlPanel->SetColor(Qt::white);
    m_htmlPanel->SetBevelOuter(TKR_Bevel::None);
    m_htmlPanel->SetBevelInner(TKR_Bevel::None);
    m_htmlPanel->SetBorderWidth(0);
    SetAlign(m_htmlPanel, TKR_Align::Client);
    m_viewer->SetDefBackground(Qt::white);
    m_viewer->SetViewImages(true);
    m_viewer->TakeDisplayFont();
    m_viewer->SetBorderStyle(TKR_HtmlBorderStyle::Single);
    SetAlign(m_viewer, TKR_Align::Client);
}

void TVerdan_ArtPortraitAnzeige::ShowPflanze(int id, bool)
{
    TKR_HtmlDesigner designer;
    if (auto* server = qobject_cast<TVerdan_Datenbankserver*>(m_server.data())) {
        try {
            server->ArtBeschreibung(id, nullptr, designer);
        } catch (const std::exception&) {
            // The viewer shows what was written before the failure.
        }
    }
    m_viewer->LoadFromDesigner(&designer);
}
