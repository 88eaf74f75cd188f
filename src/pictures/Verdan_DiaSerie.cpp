#include "pictures/Verdan_DiaSerie.h"

#include "key/KR_DatenBankFeld.h"
#include "key/VD_StrukturDM.h"
#include "key/Verdan_Flagoutstuktur.h"
#include "platform/DatabaseError.h"
#include "platform/Field.h"
#include "platform/Query.h"

#include <QPushButton>
#include <algorithm>

namespace {

constexpr int KnopfBreite = 12;
constexpr int KnopfHoehe = 25;
constexpr int KnopfAbstandUnten = 5;
// The strip's drawings: kind 2, the small picture; always of database 1.
constexpr int StreifenBild = 2;
constexpr int Datenbank = 1;

QPushButton* NeuerKnopf(const QString& text, QWidget* parent)
{
    auto* knopf = new QPushButton(text, parent);
    knopf->setFixedSize(KnopfBreite, KnopfHoehe);
    knopf->hide();
    return knopf;
}

int Zahl(const TQuery& liste, const char* feld)
{
    return liste.FieldByName(QString::fromLatin1(feld))->AsInteger();
}

} // namespace

// =============================================================================================
// TVerdan_DiaSerienFenster

TVerdan_DiaSerienFenster::TVerdan_DiaSerienFenster(QWidget* owner) : TKR_DiaSerienFenster(owner) {}

void TVerdan_DiaSerienFenster::SetZeichnung(TVerdan_FlagOutObjekt* flo, TKR_DatenBankFeld* krit,
                                            int item)
{
    m_flo = flo;
    m_krit = krit;
    m_item = item;
}

void TVerdan_DiaSerienFenster::Clear()
{
    TKR_DiaSerienFenster::Clear();
    SetZeichnung(nullptr, nullptr, 0);
    setToolTip(QString());
}

void TVerdan_DiaSerienFenster::DoDblClick()
{
    if (OnDoubleClick) OnDoubleClick(this);
}

void TVerdan_DiaSerienFenster::Click()
{
    if (OnSingleClick && m_flo) OnSingleClick(this);
}

// =============================================================================================
// TVerdan_DiaSerie

TVerdan_DiaSerie::TVerdan_DiaSerie(QWidget* parent) : TKR_DiaSerie(parent)
{
    m_zurueck = NeuerKnopf(QStringLiteral("<"), this);
    m_weiter = NeuerKnopf(QStringLiteral(">"), this);
    connect(m_zurueck, &QPushButton::clicked, this, &TVerdan_DiaSerie::PriorPage);
    connect(m_weiter, &QPushButton::clicked, this, &TVerdan_DiaSerie::NextPage);
}

TKR_DiaSerienFenster* TVerdan_DiaSerie::CreateFenster()
{
    auto* fenster = new TVerdan_DiaSerienFenster(this);
    fenster->OnDoubleClick = [this](TVerdan_DiaSerienFenster* zelle) {
        if (OnDiaDoubleClick) OnDiaDoubleClick(zelle);
    };
    fenster->OnSingleClick = [this](TVerdan_DiaSerienFenster* zelle) {
        if (OnDiaClick) OnDiaClick(zelle);
    };
    return fenster;
}

void TVerdan_DiaSerie::ShowKriterium(TVerdan_FlagOutObjekt* flo, TKR_DatenBankFeld* krit,
                                     int selectItem)
{
    if (!krit) return;
    // A value stands for the chapter object of its criterion.
    if (flo && flo->Art == TKR_FlagOutArt::Wert && flo->Besitzer) {
        if (auto* kapitel = dynamic_cast<TVerdan_FlagOutObjekt*>(flo->Besitzer->ElternObjekt))
            flo = kapitel;
    }
    const int spalten = Grid_Spaltenanzahl();
    const int offset = selectItem >= spalten ? ((selectItem - 1) / spalten) * spalten : 0;
    m_vorigesKrit = m_krit;
    m_krit = krit;
    m_flo = flo;
    LoadPage(offset, flo, selectItem, krit);
}

void TVerdan_DiaSerie::LoadPage(int offset, TVerdan_FlagOutObjekt* flo, int selectItem,
                                TKR_DatenBankFeld* krit)
{
    if (!SeiteGezeigt(offset, krit)) LadeZeichnungen(offset, flo, krit);
    MarkiereItem(selectItem);
}

bool TVerdan_DiaSerie::SeiteGezeigt(int offset, TKR_DatenBankFeld* krit) const
{
    return m_vorigesKrit && krit == m_vorigesKrit && offset + 1 == m_ersteNummer;
}

void TVerdan_DiaSerie::LadeZeichnungen(int offset, TVerdan_FlagOutObjekt* flo,
                                       TKR_DatenBankFeld* krit)
{
    ClearAll();
    if (!krit || !m_strukturModul ||
        !m_strukturModul->OeffneBildliste(Datenbank, krit->GetGruppenNummer(),
                                          krit->GetFeldNummer(), 0)) {
        ClearAll();
        SelectNummer(0);
        m_anzahl = 0;
        return;
    }
    TQuery& liste = m_strukturModul->BildlisteQuery();
    try {
        m_anzahl = liste.RecordCount();
        liste.First();
        m_ersteNummer = offset + 1;
        // Skipped by item number, not by counting records: an item without a drawing has no
        // record, and the page must still begin with item offset + 1.
        while (!liste.Eof() && Zahl(liste, "Item") <= offset)
            liste.Next();
        for (; !liste.Eof(); liste.Next()) {
            const int item = Zahl(liste, "Item");
            auto* fenster = dynamic_cast<TVerdan_DiaSerienFenster*>(GetFenster(1, item - offset));
            if (!fenster) break;
            const QByteArray bild = m_strukturModul->GetBild(
                Zahl(liste, "DB"), Zahl(liste, "Grp"), Zahl(liste, "Krit"), item, StreifenBild);
            if (bild.isNull()) break;
            fenster->setToolTip(krit->GetAnzeigeTitel() + u'.' + krit->GetItemText(item));
            fenster->LoadFromBlob(bild);
            fenster->SetZeichnung(flo, krit, item);
            m_letzteNummer = item;
            fenster->RefreshStretch();
        }
    } catch (const EDatabaseError&) {
        // A list that cannot be read further ends the page where it stands.
    }
    if (m_anzahl > Grid_Spaltenanzahl())
        ShowPagingButtons();
    else
        HidePagingButtons();
}

void TVerdan_DiaSerie::MarkiereItem(int selectItem)
{
    if (m_anzahl < 1 || selectItem < 1) {
        SelectNummer(0);
        return;
    }
    const int spalten = Grid_Spaltenanzahl();
    int nummer = selectItem <= spalten ? selectItem : selectItem % spalten;
    if (nummer == 0) nummer = spalten;
    SelectNummer(nummer);
}

void TVerdan_DiaSerie::NextPage()
{
    if (!m_krit) return;
    LoadPage(m_letzteNummer, m_flo, 0, m_krit);
}

void TVerdan_DiaSerie::PriorPage()
{
    if (!m_krit) return;
    LoadPage(std::max(0, m_ersteNummer - 1 - Grid_Spaltenanzahl()), m_flo, 0, m_krit);
}

void TVerdan_DiaSerie::ShowPagingButtons()
{
    if (m_krit && m_krit->GetItemAnzahl() > m_letzteNummer) m_weiter->show();
    if (m_ersteNummer > 1) m_zurueck->show();
}

void TVerdan_DiaSerie::HidePagingButtons()
{
    m_zurueck->hide();
    m_weiter->hide();
}

void TVerdan_DiaSerie::ClearAll()
{
    TKR_DiaSerie::ClearAll();
    HidePagingButtons();
    // Nothing is shown now, so no page counts as shown: the criterion objects this strip
    // remembers may be gone with their key, and a new one at the same address must load.
    m_ersteNummer = 0;
    m_letzteNummer = 0;
}

void TVerdan_DiaSerie::HandleResize()
{
    ArrangeFenster(-1, -1);
    const int oben = height() - KnopfHoehe - KnopfAbstandUnten;
    m_zurueck->move(0, oben);
    m_weiter->move(width() - KnopfBreite, oben);
    m_zurueck->raise();
    m_weiter->raise();
    HidePagingButtons();
}
