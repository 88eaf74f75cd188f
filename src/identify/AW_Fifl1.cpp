#include "identify/AW_Fifl1.h"

#include "app/Kr_str.h"
#include "foundation/KR_Colors.h"
#include "foundation/KR_Label.h"
#include "key/Aw_FlagOut.h"

#include <algorithm>

namespace {

constexpr int kErstesLinks = 1;

QString OhneAngabenZu(QString titel)
{
    RemoveAll(QStringLiteral("Angaben zum"), titel);
    RemoveAll(QStringLiteral("Angaben zur"), titel);
    return titel;
}

} // namespace

TAW_FilterFlagOutVerschachtelungs::TAW_FilterFlagOutVerschachtelungs(QWidget* owner)
    : TKR_Panel(owner), m_highlightFarbe(DelphiColor(clYellow)), m_normalFarbe(DelphiColor(clBlack))
{}

void TAW_FilterFlagOutVerschachtelungs::Leeren()
{
    // A click on one of these labels may be what empties the bar, so they go once the
    // click has been handled.
    for (const TEintrag& eintrag : m_eintraege) {
        eintrag.Label->hide();
        eintrag.Label->deleteLater();
    }
    m_eintraege.clear();
}

TKR_Label* TAW_FilterFlagOutVerschachtelungs::NeuesLabel()
{
    auto* label = new TKR_Label(QStringLiteral("Neu"), this);
    label->move(kErstesLinks, 0);
    label->SetFlashEnabled(true);
    label->SetFlashHighlightFarbe(m_highlightFarbe);
    label->SetFlashNormalFarbe(m_normalFarbe);
    if (!m_eintraege.empty()) label->setCursor(Qt::PointingHandCursor);
    connect(label, &TKR_Label::clicked, this, [this, label] { LabelClick(label); });
    m_eintraege.push_back({label, nullptr, nullptr});
    label->show();
    return label;
}

void TAW_FilterFlagOutVerschachtelungs::Anordnen()
{
    if (m_eintraege.empty()) return;
    // The first word is styled before the others are placed behind it, so they start where
    // its bold capitals end.
    TKR_Label* erstes = m_eintraege.front().Label;
    QFont fett = erstes->font();
    fett.setBold(true);
    fett.setUnderline(true);
    erstes->setFont(fett);
    erstes->setText(UpperCase(erstes->text()));

    TKR_Label* vorher = nullptr;
    for (const TEintrag& eintrag : m_eintraege) {
        TKR_Label* label = eintrag.Label;
        if (vorher) label->setText(u'.' + label->text());
        label->adjustSize();
        const int links = vorher ? vorher->x() + vorher->width() : kErstesLinks;
        label->move(links, std::max(0, (height() - label->height()) / 2));
        vorher = label;
    }
}

const TAW_FilterFlagOutVerschachtelungs::TEintrag&
TAW_FilterFlagOutVerschachtelungs::Eintrag(int position) const
{
    return m_eintraege.at(static_cast<std::size_t>(position - 1));
}

QString TAW_FilterFlagOutVerschachtelungs::Text() const
{
    QString text;
    for (const TEintrag& eintrag : m_eintraege)
        text += eintrag.Label->text();
    return text;
}

void TAW_FilterFlagOutVerschachtelungs::LabelClick(TKR_Label* label)
{
    // The first word is where the user stands; it leads nowhere.
    for (std::size_t i = 1; i < m_eintraege.size(); ++i) {
        if (m_eintraege[i].Label == label) {
            EintragGewaehlt(static_cast<int>(i) + 1);
            return;
        }
    }
}

void TAW_FilterFlagOutVerschachtelungs::EintragGewaehlt(int position)
{
    if (position < 1 || position > Anzahl() || !OnWahl) return;
    OnWahl(*this, Eintrag(position).Struktur);
}

void TAW_FilterFlagOutVerschachtelungs::AddStruktur(TAW_FlagOutStruktur* struktur)
{
    TKR_Label* label = NeuesLabel();
    label->setText(TrimSpaces(OhneAngabenZu(struktur->Titel)));
    LetzterEintrag().Struktur = struktur;
}

void TAW_FilterFlagOutVerschachtelungs::ZeigePfad(TAW_FlagOutStruktur* struktur)
{
    Leeren();
    for (auto* stufe = struktur; stufe; stufe = dynamic_cast<TAW_FlagOutStruktur*>(stufe->Eltern))
        AddStruktur(stufe);
    Anordnen();
}
