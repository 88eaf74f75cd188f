#pragma once

#include "foundation/KR_Graph.h"

#include <QColor>
#include <QString>
#include <functional>
#include <vector>

class TAW_FlagOutStruktur;
class TKR_Label;
class TKR_MyVListRecord;

// The nesting bar: a row of words that run on without gaps, the first (where the user
// stands) bold and underlined in capitals, each further one a link back written ".Word".
// Every entry pairs its label with what it stands for: a criteria tree here, a level record
// in the product's bar, nothing for a bare word such as "Anfang". The bar holds as many
// entries as it is given.
class TAW_FilterFlagOutVerschachtelungs : public TKR_Panel
{
    Q_OBJECT

public:
    // Called with the bar and the tree of the entry clicked.
    using TWahl =
        std::function<void(TAW_FilterFlagOutVerschachtelungs& bar, TAW_FlagOutStruktur* struktur)>;

    struct TEintrag
    {
        TKR_Label* Label = nullptr;
        TAW_FlagOutStruktur* Struktur = nullptr;
        TKR_MyVListRecord* Datensatz = nullptr;
    };

    explicit TAW_FilterFlagOutVerschachtelungs(QWidget* owner = nullptr);

    // Hides the labels in use and forgets every entry.
    void Leeren();
    // Appends an entry without reference and returns its label, titled "Neu".
    TKR_Label* NeuesLabel();
    // Lays the labels out from the left and styles them; call after the last NeuesLabel.
    void Anordnen();

    // Reacts to a click on entry position (from 1); nothing for 0.
    virtual void EintragGewaehlt(int position);
    // Appends an entry for a tree, titled by its Titel without "Angaben zum"/"Angaben zur".
    virtual void AddStruktur(TAW_FlagOutStruktur* struktur);
    // Shows the tree, then its parents up to the root.
    virtual void ZeigePfad(TAW_FlagOutStruktur* struktur);

    int Anzahl() const { return static_cast<int>(m_eintraege.size()); }
    // The entry at position (from 1); position must lie in 1..Anzahl.
    const TEintrag& Eintrag(int position) const;
    TKR_Label* Label(int position) const { return Eintrag(position).Label; }
    // The texts of the entries as shown, run together ("BLÜTENPFLANZEN.Anfang").
    QString Text() const;

    QColor HighlightFarbe() const { return m_highlightFarbe; }
    void SetHighlightFarbe(const QColor& farbe) { m_highlightFarbe = farbe; }
    QColor NormalFarbe() const { return m_normalFarbe; }
    void SetNormalFarbe(const QColor& farbe) { m_normalFarbe = farbe; }

    TWahl OnWahl;

protected:
    TEintrag& LetzterEintrag() { return m_eintraege.back(); }

private:
    void LabelClick(TKR_Label* label);

    std::vector<TEintrag> m_eintraege;
    QColor m_highlightFarbe;
    QColor m_normalFarbe;
};
