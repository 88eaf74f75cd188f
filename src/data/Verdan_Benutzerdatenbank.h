#pragma once

#include "foundation/KR_Liste.h"
#include "key/Verdan_Kriteriengruppe.h"

#include <QString>
#include <QStringList>
#include <memory>

// The catalogue of identification keys. A key's number is its position from 1; keys are
// only appended, so numbers stay stable. Lookups that find nothing return nullptr.
class TVerdan_Benutzerdatenbank : public TKR_OwnerListe<TVerdan_KriterienGruppe>
{
public:
    TVerdan_Benutzerdatenbank() = default;

    // Appends the key and becomes its Katalog; the key becomes current.
    virtual TVerdan_KriterienGruppe* AddGruppe(std::unique_ptr<TVerdan_KriterienGruppe> gruppe);

    // The key at position nummer, which becomes current; nullptr outside 1..Count.
    TVerdan_KriterienGruppe* GruppeNr(int nummer);
    TVerdan_KriterienGruppe* AktuelleGruppe() const { return CurrentData(); }
    bool GruppeVorhanden(int nummer) { return GruppeNr(nummer) != nullptr; }
    // Field feld of key gruppe, nullptr when either does not exist.
    TVerdan_DatenBankFeld* FeldNr(int gruppe, int feld);
    bool FeldVorhanden(int gruppe, int feld) { return FeldNr(gruppe, feld) != nullptr; }
    // The field's display caption, "N/A" when it does not exist.
    QString FeldTitel(int gruppe, int feld);
    // The first key whose Name equals name exactly (letter case counts).
    TVerdan_KriterienGruppe* GruppeMitName(const QString& name) const;

    // Builds the position index of the catalogue and of every key.
    bool BuildIndex() override;

    // The framework's kind of container; 9 for the catalogue of keys.
    int Datenbankart = 0;

    // What went wrong while the catalogue was built from its data (texts for the user);
    // empty when everything was read.
    const QStringList& Probleme() const { return m_probleme; }
    void MeldeProblem(const QString& text) { m_probleme << text; }

private:
    QStringList m_probleme;
};
