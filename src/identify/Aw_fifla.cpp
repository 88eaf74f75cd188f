#include "identify/Aw_fifla.h"

#include "foundation/KR_Align.h"
#include "identify/AW_Fifl1.h"
#include "identify/Aw_fltab.h"
#include "key/Aw_FlagOut.h"

namespace {

constexpr int kBalkenHoehe = 20;

// Sets a flag for the lifetime of the guard; a nested guard leaves it set.
class TFlagGesetzt
{
public:
    explicit TFlagGesetzt(bool& flag) : m_flag(flag), m_vorher(flag) { m_flag = true; }
    ~TFlagGesetzt() { m_flag = m_vorher; }
    TFlagGesetzt(const TFlagGesetzt&) = delete;
    TFlagGesetzt& operator=(const TFlagGesetzt&) = delete;

private:
    bool& m_flag;
    bool m_vorher;
};

} // namespace

TAW_FilterFlagOutPanel::TAW_FilterFlagOutPanel(QWidget* owner)
    : TAW_FilterFlagOutPanel(owner, TTeileSpaeter{})
{
    ErstelleTeile();
}

TAW_FilterFlagOutPanel::TAW_FilterFlagOutPanel(QWidget* owner, TTeileSpaeter) : TKR_Panel(owner) {}

void TAW_FilterFlagOutPanel::ErstelleTeile()
{
    Verschachtelung = CreateVerschachtelung();
    CreateAnzeige();
    TabSet = CreateTabSet();
}

TAW_FilterFlagOutVerschachtelungs* TAW_FilterFlagOutPanel::CreateVerschachtelung()
{
    auto* balken = new TAW_FilterFlagOutVerschachtelungs(this);
    balken->SetBevelOuter(TKR_Bevel::None);
    balken->SetBevelInner(TKR_Bevel::None);
    balken->resize(width(), kBalkenHoehe);
    SetAlign(balken, TKR_Align::Top);
    balken->OnWahl = [this](TAW_FilterFlagOutVerschachtelungs&, TAW_FlagOutStruktur* struktur) {
        ZeigeStruktur(struktur);
    };
    return balken;
}

TAW_FilterFlagTabSet* TAW_FilterFlagOutPanel::CreateTabSet()
{
    auto* tabs = new TAW_FilterFlagTabSet(this);
    tabs->setShape(QTabBar::RoundedSouth);
    tabs->resize(width(), tabs->sizeHint().height());
    SetAlign(tabs, TKR_Align::Bottom);
    connect(tabs, &QTabBar::tabBarClicked, this, &TAW_FilterFlagOutPanel::TabGeklickt);
    return tabs;
}

void TAW_FilterFlagOutPanel::SetStruktur(TAW_FlagOutStruktur* struktur)
{
    m_wurzelStruktur = struktur;
    m_gezeigteStruktur = struktur;
    if (TabSet) TabSet->Leeren();
    ZeigeStruktur(struktur);
    AktualisiereTab(struktur);
    if (TabSet) TabSet->SelectTab(struktur);
}

void TAW_FilterFlagOutPanel::ZeigeStruktur(TAW_FlagOutStruktur* struktur)
{
    if (!struktur) return;
    TFlagGesetzt inAnzeige(m_inAnzeige);
    AktualisiereTab(m_gezeigteStruktur);
    MeldeFilterGeaendert(struktur);
    ZeigeInAnzeige(struktur);
    m_gezeigteStruktur = struktur;
    if (TabSet) {
        TFlagGesetzt tabWechsel(m_tabWechsel);
        TabSet->SelectTab(struktur);
    }
    if (Verschachtelung) Verschachtelung->ZeigePfad(struktur);
}

void TAW_FilterFlagOutPanel::AktualisiereTab(TAW_FlagOutStruktur* struktur)
{
    if (!struktur || !TabSet) return;
    if (struktur->HatAuswahlWert(false) || !struktur->Eltern)
        TabSet->AddTab(struktur);
    else
        TabSet->RemoveTab(struktur);
}

void TAW_FilterFlagOutPanel::MeldeFilterGeaendert(TAW_FlagOutStruktur* gezeigt)
{
    if (OnFilterGeaendert) OnFilterGeaendert(*this, gezeigt);
}

void TAW_FilterFlagOutPanel::TabGeklickt(int index)
{
    if (m_tabWechsel || !TabSet) return;
    // A click beside the tabs (index -1) chooses no tree and changes nothing.
    ZeigeStruktur(TabSet->TabStruktur(index));
}
