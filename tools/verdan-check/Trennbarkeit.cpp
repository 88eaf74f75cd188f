#include "Datenpruefung.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "key/Verdan_Definition.h"
#include "platform/Database.h"
#include "platform/DatabaseError.h"
#include "platform/Table.h"

#include <algorithm>
#include <map>
#include <vector>

// When can a user tell two taxa of a key apart?
//
// A row stays while every ticked criterion holds the ticked code or "*" in it; ticks of one
// criterion are ORed, criteria ANDed, and a taxon stays while one of its rows does. Taxon B
// can be told from taxon A when some choice of values keeps B and drops A. One value per
// criterion is enough: shrinking a set of ticks to the value that keeps B only drops more.
// So fix a row b of B to keep; a criterion where b holds a code may be ticked with that code,
// one where b holds "*" with any item, one where b is blank or holds no item not at all (it
// matches no tick). A row of A drops when some ticked criterion holds neither the ticked
// value nor "*" in it. A taxon that cannot be told from another is noted: a user with it in
// hand is always left with the other too.

namespace {

const QString Stern = QStringLiteral("*");

// The cells of one row, one per tickable criterion of the key.
using TZeile = QStringList;

struct TKriteriumMitItems
{
    QString Spalte;
    QStringList Codes; // the values a user can tick
};

struct TTaxon
{
    QString Name;
    QList<TZeile> Zeilen; // without duplicates
};

// Whether ticking the value fixed for criterion c drops this row.
bool FaelltDurch(const TZeile& zeile, int c, const QString& wert)
{
    return zeile[c] != Stern && zeile[c] != wert;
}

// Searches the ticks of the criteria where the kept row holds "*" (frei) so that every row of
// rest drops. An item that no remaining row holds drops every row without "*" there, more than
// any other item could, so it is taken straight away; only criteria whose every item some row
// holds need a choice, and then a row still left must drop through one of them.
bool AllesFaellt(QList<TZeile> rest, QList<int> frei, const QList<TKriteriumMitItems>& kriterien)
{
    for (int i = 0; i < frei.size();) {
        const int c = frei[i];
        QString frisch;
        for (const QString& code : kriterien[c].Codes) {
            const bool gehalten = std::any_of(rest.cbegin(), rest.cend(),
                                              [&](const TZeile& z) { return z[c] == code; });
            if (!gehalten) {
                frisch = code;
                break;
            }
        }
        if (frisch.isEmpty()) {
            ++i;
            continue;
        }
        rest.removeIf([&](const TZeile& z) { return FaelltDurch(z, c, frisch); });
        frei.removeAt(i);
    }
    if (rest.isEmpty()) return true;
    const TZeile& erste = rest.first();
    for (int i = 0; i < frei.size(); ++i) {
        const int c = frei[i];
        if (erste[c] == Stern) continue;
        QList<int> weitere = frei;
        weitere.removeAt(i);
        for (const QString& code : kriterien[c].Codes) {
            if (code == erste[c]) continue;
            QList<TZeile> uebrig = rest;
            uebrig.removeIf([&](const TZeile& z) { return FaelltDurch(z, c, code); });
            if (AllesFaellt(uebrig, weitere, kriterien)) return true;
        }
    }
    return false;
}

// Whether some choice of values keeps row b and drops every row of a.
bool BehaeltOhne(const TZeile& b, const QList<TZeile>& a,
                 const QList<TKriteriumMitItems>& kriterien)
{
    QList<TZeile> rest = a;
    QList<int> frei;
    for (int c = 0; c < kriterien.size(); ++c) {
        if (b[c] == Stern)
            frei << c;
        else if (kriterien[c].Codes.contains(b[c]))
            rest.removeIf([&](const TZeile& z) { return FaelltDurch(z, c, b[c]); });
    }
    return rest.isEmpty() || AllesFaellt(rest, frei, kriterien);
}

bool Trennbar(const TTaxon& behalten, const TTaxon& verwerfen,
              const QList<TKriteriumMitItems>& kriterien)
{
    return std::any_of(behalten.Zeilen.cbegin(), behalten.Zeilen.cend(), [&](const TZeile& b) {
        return BehaeltOhne(b, verwerfen.Zeilen, kriterien);
    });
}

// The criteria a user can tick: ordinary ones with items whose column the table has.
QList<TKriteriumMitItems> TickbareKriterien(TVerdan_KriterienGruppe& gruppe, const TTableInfo& info)
{
    QList<TKriteriumMitItems> kriterien;
    for (TKR_DatenBankFeld* basis : gruppe) {
        auto* feld = dynamic_cast<TVerdan_DatenBankFeld*>(basis);
        if (!feld || feld->NurInfo || feld->Items.Count() == 0) continue;
        const int spalte = info.ColumnIndex(feld->Code);
        if (spalte < 0 || info.Columns[spalte].Type != TFieldType::String) continue;
        TKriteriumMitItems kriterium{feld->Code, {}};
        for (int i = 1; i <= feld->Items.Count(); ++i)
            kriterium.Codes << feld->Items.GetItem(i)->Code;
        kriterien << kriterium;
    }
    return kriterien;
}

// The taxa of an open key table in the order of their names; rows without a name are passed
// over.
QList<TTaxon> LeseTaxa(TTable& tabelle, const QString& namensspalte,
                       const QList<TKriteriumMitItems>& kriterien)
{
    const TField* name = tabelle.FindField(namensspalte);
    QList<const TField*> felder;
    for (const TKriteriumMitItems& kriterium : kriterien)
        felder << tabelle.FindField(kriterium.Spalte);
    std::map<QString, TTaxon> taxa;
    for (tabelle.First(); !tabelle.Eof(); tabelle.Next()) {
        const QString n = name->AsString().trimmed();
        if (n.isEmpty()) continue;
        TZeile zeile;
        for (const TField* feld : felder)
            zeile << feld->AsString();
        TTaxon& taxon = taxa[n];
        taxon.Name = n;
        if (!taxon.Zeilen.contains(zeile)) taxon.Zeilen << zeile;
    }
    QList<TTaxon> liste;
    for (auto& [n, taxon] : taxa)
        liste << std::move(taxon);
    return liste;
}

bool HatTrennbareSpalten(TVerdan_KriterienGruppe& gruppe, const TTableInfo* info)
{
    // Key 1 names its rows by an expression and offers nothing to tick; the glossary's
    // numbered criteria are no columns.
    if (!info || gruppe.Nummer == VerdanSchluessel::Glossar) return false;
    const int spalte = info->ColumnIndex(gruppe.SpalteBezeichnung);
    return spalte >= 0 && info->Columns[spalte].Type == TFieldType::String;
}

// untrennbar[i][j]: every choice of values that keeps taxon i keeps taxon j too.
using TMatrix = std::vector<std::vector<bool>>;

TMatrix Untrennbarkeit(const QList<TTaxon>& taxa, const QList<TKriteriumMitItems>& kriterien)
{
    const auto n = static_cast<std::size_t>(taxa.size());
    TMatrix untrennbar(n, std::vector<bool>(n, true));
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            if (i != j) untrennbar[i][j] = !Trennbar(taxa[i], taxa[j], kriterien);
        }
    }
    return untrennbar;
}

// The connected groups of taxa that keep each other, each in the order of the names, the
// groups in the order of their first names. The relation is transitive, so these are exactly
// the sets of taxa no choice tells apart; were the rule ever to miss a pair, a group would
// still hold together what belongs together.
std::vector<std::vector<std::size_t>> Gruppen(const TMatrix& untrennbar)
{
    const std::size_t n = untrennbar.size();
    std::vector<bool> vergeben(n, false);
    std::vector<std::vector<std::size_t>> gruppen;
    for (std::size_t start = 0; start < n; ++start) {
        if (vergeben[start]) continue;
        vergeben[start] = true;
        std::vector<std::size_t> gruppe;
        std::vector<std::size_t> offen{start};
        while (!offen.empty()) {
            const std::size_t i = offen.back();
            offen.pop_back();
            gruppe.push_back(i);
            for (std::size_t j = 0; j < n; ++j) {
                if (!vergeben[j] && untrennbar[i][j] && untrennbar[j][i]) {
                    vergeben[j] = true;
                    offen.push_back(j);
                }
            }
        }
        std::sort(gruppe.begin(), gruppe.end());
        gruppen.push_back(std::move(gruppe));
    }
    return gruppen;
}

// The taxa outside the group that every choice keeping any member of it keeps too.
std::vector<std::size_t> Begleiter(const TMatrix& untrennbar,
                                   const std::vector<std::size_t>& gruppe)
{
    std::vector<std::size_t> begleiter;
    for (std::size_t j = 0; j < untrennbar.size(); ++j) {
        const auto behaelt = [&](std::size_t i) { return i != j && untrennbar[i][j]; };
        if (std::all_of(gruppe.cbegin(), gruppe.cend(), behaelt)) begleiter.push_back(j);
    }
    return begleiter;
}

QString Namen(const QList<TTaxon>& taxa, const std::vector<std::size_t>& auswahl)
{
    QStringList zitiert;
    for (const std::size_t i : auswahl)
        zitiert << QLatin1Char('"') + taxa[static_cast<qsizetype>(i)].Name + QLatin1Char('"');
    return zitiert.join(QStringLiteral(", "));
}

} // namespace

void TDatenpruefung::PruefeTrennbarkeit()
{
    for (TVerdan_KriterienGruppe* gruppe : *m_katalog) {
        const TTableInfo* info = m_datenbank->FindTable(gruppe->GetTabellenName());
        if (HatTrennbareSpalten(*gruppe, info)) PruefeTrennbarkeit(*gruppe, *info);
    }
}

void TDatenpruefung::PruefeTrennbarkeit(TVerdan_KriterienGruppe& gruppe, const TTableInfo& info)
{
    const QList<TKriteriumMitItems> kriterien = TickbareKriterien(gruppe, info);
    if (kriterien.isEmpty()) return;
    QList<TTaxon> taxa;
    try {
        taxa = LeseTaxa(*OeffneTabelle(info.Name), gruppe.SpalteBezeichnung, kriterien);
    } catch (const EDatabaseError&) {
        return; // the row check has reported the table already
    }
    // "Every choice that keeps A keeps B" is a preorder; noted per pair, a key of many "*"
    // codings buries everything else under hundreds of notes. So one note names each set of
    // taxa no choice tells apart, and one note per group names the taxa that always come
    // along with it. The second stays a note of its own rather than folded into the first:
    // it answers what a user holding one of the group is always left with, group by group,
    // and the wide coding a maintainer narrows may be on either side.
    const TMatrix untrennbar = Untrennbarkeit(taxa, kriterien);
    for (const std::vector<std::size_t>& gruppe : Gruppen(untrennbar)) {
        if (gruppe.size() > 1)
            Hinweis(info.Name,
                    QStringLiteral("no choice of values tells apart %1").arg(Namen(taxa, gruppe)));
        const std::vector<std::size_t> begleiter = Begleiter(untrennbar, gruppe);
        if (!begleiter.empty())
            Hinweis(info.Name, QStringLiteral("every choice of values that keeps %1 keeps %2 too")
                                   .arg(Namen(taxa, gruppe), Namen(taxa, begleiter)));
    }
}
