#pragma once

// A small catalogue and a level stack over it, for the criteria panel and the nesting bar.

#include "data/Verdan_Benutzerdatenbank.h"
#include "key/Verdan_Abfrageliste.h"
#include "key/Verdan_Kriteriengruppe.h"
#include "key/Verdan_Namensquelle.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <memory>
#include <utility>

namespace IdentifyFixture {

struct TKriterium
{
    QString Titel;
    QString Code;
    QStringList Werte;
};

inline void AddSchluessel(TVerdan_Benutzerdatenbank& katalog, const QString& titel,
                          std::initializer_list<TKriterium> kriterien)
{
    auto schluessel =
        std::make_unique<TVerdan_KriterienGruppe>(katalog.Count() + 1, titel, 1, titel);
    for (const TKriterium& kriterium : kriterien) {
        TVerdan_DatenBankFeld* feld = schluessel->AddFeld(kriterium.Titel, kriterium.Code);
        for (const QString& wert : kriterium.Werte)
            feld->Items.AddItem(wert.left(1), wert, 0);
    }
    katalog.AddGruppe(std::move(schluessel));
}

// Key 1 "Blütenpflanzen": Wuchsform (holzig, krautig), Blütenfarbe (weiß, gelb, rot), the
// info-only Höhe; key 2 "Apiaceae" and key 3 "Allium" with one criterion each; key 4
// "Angaben zur Blüte".
inline std::unique_ptr<TVerdan_Benutzerdatenbank> KleinerKatalog()
{
    auto katalog = std::make_unique<TVerdan_Benutzerdatenbank>();
    AddSchluessel(*katalog, "Blütenpflanzen",
                  {{"Wuchsform", "L", {"holzig", "krautig"}},
                   {"Blütenfarbe", "BF", {"weiß", "gelb", "rot"}}});
    katalog->GruppeNr(1)->AddInfoFeld("Höhe", "H");
    AddSchluessel(*katalog, "Apiaceae", {{"Frucht", "FR", {"geflügelt", "glatt"}}});
    AddSchluessel(*katalog, "Allium", {{"Zwiebel", "ZW", {"rund", "länglich"}}});
    AddSchluessel(*katalog, "Angaben zur Blüte", {{"Kronblätter", "KB", {"frei", "verwachsen"}}});
    return katalog;
}

struct TNamen : TVerdan_Namensquelle
{
    QString GattungsName(int) override { return {}; }
    QString FamilienName(int) override { return {}; }
};

// The catalogue and a level stack over it; a test opens the levels it needs.
struct TEbenen
{
    std::unique_ptr<TVerdan_Benutzerdatenbank> Katalog = KleinerKatalog();
    TNamen Namen;
    TVerdan_AbfrageListe Stapel{*Katalog, Namen};
};

} // namespace IdentifyFixture
