#include "Datenpruefung.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "key/Verdan_Definition.h"
#include "key/Verdan_Kriteriengruppe.h"
#include "platform/Database.h"
#include "platform/DatabaseError.h"
#include "platform/Table.h"

#include <QHash>
#include <map>

namespace {

// Genera listed by name in one summary note, so that the note stays one line.
constexpr int GenannteGattungen = 12;

const QString Sternchen = QStringLiteral("*");

// What the basic table codes of a species that the species table also records: life form
// "L", flower colour "FA" and the special forms "SO" (climbing, parasitic).
struct TMerkmal
{
    QString Spalte;
    QString Code;
    QString Quelle; // the species table's code it comes from, for the message
};

QStringList Codeliste(const QString& text)
{
    QStringList codes;
    for (const QString& teil : text.split(u',', Qt::SkipEmptyParts)) {
        const QString code = teil.trimmed();
        if (!code.isEmpty() && !codes.contains(code)) codes << code;
    }
    return codes;
}

// Life forms of the species table as the basic table's "L". A woody form beside a herbaceous
// one is a dwarf shrub that Ellenberg also counts among the chamaephytes (Salix myrtilloides
// "N,C"), so it is woody only; a climber is woody when no herbaceous form stands beside it
// ("Pli" against "Hli").
QList<TMerkmal> Lebensformen(const QStringList& codes)
{
    static const QSet<QString> holzig{QStringLiteral("B"), QStringLiteral("S"),
                                      QStringLiteral("Zw")};
    static const QSet<QString> krautig{QStringLiteral("P"), QStringLiteral("E"),
                                       QStringLiteral("Z"), QStringLiteral("M"),
                                       QStringLiteral("Par")};
    const auto erste = [&codes](const QSet<QString>& art) -> QString {
        for (const QString& code : codes) {
            if (art.contains(code)) return code;
        }
        return {};
    };
    const QString gehoelz = erste(holzig);
    if (!gehoelz.isEmpty()) return {TMerkmal{QStringLiteral("L"), QStringLiteral("h"), gehoelz}};
    const QString kraut = erste(krautig);
    if (!kraut.isEmpty()) return {TMerkmal{QStringLiteral("L"), QStringLiteral("k"), kraut}};
    if (codes.contains(QStringLiteral("L")))
        return {TMerkmal{QStringLiteral("L"), QStringLiteral("h"), QStringLiteral("L")}};
    return {};
}

QList<TMerkmal> Sonderformen(const QStringList& codes)
{
    QList<TMerkmal> formen;
    if (codes.contains(QStringLiteral("L")))
        formen << TMerkmal{QStringLiteral("SO"), QStringLiteral("k"), QStringLiteral("L")};
    if (codes.contains(QStringLiteral("Par")))
        formen << TMerkmal{QStringLiteral("SO"), QStringLiteral("p"), QStringLiteral("Par")};
    return formen;
}

// Flower colours of the species table as the basic table's "FA"; black has no counterpart.
QList<TMerkmal> Farben(const QStringList& codes)
{
    static const QHash<QString, QString> farbe{
        {QStringLiteral("we"), QStringLiteral("w")}, {QStringLiteral("ge"), QStringLiteral("g")},
        {QStringLiteral("or"), QStringLiteral("r")}, {QStringLiteral("rt"), QStringLiteral("r")},
        {QStringLiteral("ro"), QStringLiteral("l")}, {QStringLiteral("li"), QStringLiteral("l")},
        {QStringLiteral("pu"), QStringLiteral("l")}, {QStringLiteral("vi"), QStringLiteral("l")},
        {QStringLiteral("bl"), QStringLiteral("b")}, {QStringLiteral("gr"), QStringLiteral("u")},
        {QStringLiteral("br"), QStringLiteral("u")}};
    QList<TMerkmal> farben;
    QSet<QString> gesehen;
    for (const QString& code : codes) {
        const QString wert = farbe.value(code);
        if (wert.isEmpty() || gesehen.contains(wert)) continue;
        gesehen.insert(wert);
        farben << TMerkmal{QStringLiteral("FA"), wert, code};
    }
    return farben;
}

} // namespace

// Reads the rows that lead on (key 3, 4, 5, 6) and the rows they lead to (keys 2, 3, 7 to
// 59), and holds every way on against what it opens: following a row opens its next key,
// restricted to the row's genus in the genus and family lists, or else key 3 restricted to
// the row's genus or family; each of these has to find rows.
class TDatenpruefung::TVerweisPruefung
{
public:
    explicit TVerweisPruefung(TDatenpruefung& pruefung)
        : m_pruefung(pruefung), m_katalog(*pruefung.m_katalog)
    {}

    void Laufe()
    {
        LeseArten();
        for (int n = VerdanSchluessel::Farnpflanzen; n <= VerdanSchluessel::LetzterTeilschluessel;
             ++n)
            LeseSchluessel(n);
        PruefeErreichbarkeit();
        PruefeGruppenliste();
        PruefeGattungsliste();
        PruefeFamilien();
        PruefeLeitzeilen();
    }

private:
    struct TZeile
    {
        QString Ort; // table and row, for the messages
        QString Name;
        int ID = 0;
        int GN = 0;
        int GnSn = 0;
        int FN = 0;
        QString GR;
        QHash<QString, QString> Werte; // the basic table's criteria that the species agree with
    };
    struct TTabelle
    {
        QString Name;
        QList<TZeile> Zeilen;
        QSet<int> Gattungen;
        QSet<int> Familien;
        bool HatGN = false;
    };
    struct TArt
    {
        QString Name;
        QStringList Lebensform;
        QStringList Farbe;
    };

    TVerdan_KriterienGruppe* Schluessel(const QString& name) const
    {
        return name.isEmpty() ? nullptr : m_katalog.GruppeMitName(name);
    }
    const TTabelle* Tabelle(int nummer) const
    {
        const auto stelle = m_tabellen.find(nummer);
        return stelle == m_tabellen.end() ? nullptr : &stelle->second;
    }
    QString SchluesselText(const TVerdan_KriterienGruppe& gruppe) const
    {
        return QStringLiteral("key %1 \"%2\"").arg(gruppe.Nummer).arg(gruppe.Name);
    }
    static QString Spalte(const QString& ort, const QString& spalte)
    {
        return QStringLiteral("%1, column \"%2\"").arg(ort, spalte);
    }

    // A table that cannot be opened is reported by the check of its key; here it is absent.
    bool Lies(int nummer, const QStringList& werte, TTabelle& tabelle)
    {
        TVerdan_KriterienGruppe* gruppe = m_katalog.GruppeNr(nummer);
        if (!gruppe) return false;
        tabelle.Name = gruppe->GetTabellenName();
        if (!m_pruefung.m_datenbank->FindTable(tabelle.Name)) return false;
        try {
            const std::unique_ptr<TTable> offen = m_pruefung.OeffneTabelle(tabelle.Name);
            TTable& t = *offen;
            const auto zahl = [&t](const char* name) -> const TField* {
                const TField* feld = t.FindField(QString::fromUtf8(name));
                return feld && feld->DataType() != TFieldType::String ? feld : nullptr;
            };
            const TField* relId = zahl("RelID");
            const TField* id = zahl("ID");
            const TField* gn = zahl("GN");
            const TField* gnSn = zahl("GN_SN");
            const TField* fn = zahl("FN");
            const TField* gr = t.FindField(QStringLiteral("GR"));
            const TField* name = t.FindField(gruppe->SpalteBezeichnung);
            tabelle.HatGN = gn != nullptr;
            QList<std::pair<QString, const TField*>> wertfelder;
            for (const QString& spalte : werte)
                wertfelder << std::pair{spalte, t.FindField(spalte)};
            const auto wert = [](const TField* feld) {
                return feld && !feld->IsNull() ? feld->AsInteger() : 0;
            };
            for (t.First(); !t.Eof(); t.Next()) {
                TZeile zeile;
                zeile.Name = name ? name->AsString() : QString();
                if (relId && !relId->IsNull())
                    zeile.Ort = QStringLiteral("%1, RelID %2").arg(tabelle.Name).arg(wert(relId));
                else if (nummer == VerdanSchluessel::Gruppenliste)
                    zeile.Ort = QStringLiteral("%1, Gruppe \"%2\"").arg(tabelle.Name, zeile.Name);
                else
                    zeile.Ort = QStringLiteral("%1, row %2").arg(tabelle.Name).arg(t.RecNo());
                zeile.ID = wert(id);
                zeile.GN = wert(gn);
                zeile.GnSn = wert(gnSn);
                zeile.FN = wert(fn);
                zeile.GR = gr ? gr->AsString().trimmed() : QString();
                for (const auto& [spalte, feld] : wertfelder) {
                    if (feld) zeile.Werte.insert(spalte, feld->AsString());
                }
                if (zeile.GN > 0) tabelle.Gattungen.insert(zeile.GN);
                if (zeile.FN > 0) tabelle.Familien.insert(zeile.FN);
                tabelle.Zeilen << zeile;
            }
            return true;
        } catch (const EDatabaseError&) {
            return false;
        }
    }

    void LeseSchluessel(int nummer)
    {
        TTabelle tabelle;
        const QStringList werte =
            nummer == VerdanSchluessel::Grundtabelle
                ? QStringList{QStringLiteral("L"), QStringLiteral("FA"), QStringLiteral("SO")}
                : QStringList{};
        if (Lies(nummer, werte, tabelle)) m_tabellen.emplace(nummer, std::move(tabelle));
    }

    void LeseArten()
    {
        TTabelle arten;
        if (!Lies(VerdanSchluessel::Arten,
                  {QStringLiteral("Gattung"), QStringLiteral("Art"), QStringLiteral("Unterart"),
                   QStringLiteral("Lebensform"), QStringLiteral("Blütenfarbe")},
                  arten))
            return;
        for (const TZeile& zeile : arten.Zeilen) {
            if (zeile.ID <= 0) continue;
            const QString name = QStringList{zeile.Werte.value(QStringLiteral("Gattung")),
                                             zeile.Werte.value(QStringLiteral("Art")),
                                             zeile.Werte.value(QStringLiteral("Unterart"))}
                                     .join(u' ')
                                     .simplified();
            m_arten.insert(zeile.ID,
                           TArt{name, Codeliste(zeile.Werte.value(QStringLiteral("Lebensform"))),
                                Codeliste(zeile.Werte.value(QStringLiteral("Blütenfarbe")))});
        }
    }

    // The keys that rows of the given table lead to.
    QSet<int> Ziele(int nummer) const
    {
        QSet<int> ziele;
        if (const TTabelle* tabelle = Tabelle(nummer)) {
            for (const TZeile& zeile : tabelle->Zeilen) {
                if (const TVerdan_KriterienGruppe* ziel = Schluessel(zeile.GR))
                    ziele.insert(ziel->Nummer);
            }
        }
        return ziele;
    }

    // A genus number that the genus list lacks is reported with its row; it is not followed.
    bool Unbekannt(int gn) const { return m_gattungslisteGelesen && !m_gattungsnamen.contains(gn); }

    QString Gattungsname(int gn) const
    {
        const QString name = m_gattungsnamen.value(gn);
        return name.isEmpty() ? QStringLiteral("genus %1").arg(gn)
                              : QStringLiteral("%1 (GN %2)").arg(name).arg(gn);
    }

    // Every genus or family key is reached from the flowering plants (key 3) or the families
    // (key 5), directly or because the key they lead to holds its genera as well (Festuca in
    // the grasses); the ferns are a path of their own. The group list offers every key.
    void PruefeErreichbarkeit()
    {
        if (const TTabelle* gattungen = Tabelle(VerdanSchluessel::Gattungsliste)) {
            for (const TZeile& zeile : gattungen->Zeilen)
                m_gattungsnamen.insert(zeile.GN, zeile.Name);
            m_gattungslisteGelesen = true;
        }
        QSet<int> direkt = Ziele(VerdanSchluessel::Grundtabelle);
        direkt.unite(Ziele(VerdanSchluessel::Familien));
        QSet<int> erreichteGattungen;
        for (int n : {VerdanSchluessel::Farnpflanzen, VerdanSchluessel::Grundtabelle}) {
            if (const TTabelle* tabelle = Tabelle(n)) erreichteGattungen.unite(tabelle->Gattungen);
        }
        for (int n : direkt) {
            if (n < VerdanSchluessel::ErsterTeilschluessel ||
                n > VerdanSchluessel::LetzterTeilschluessel)
                continue;
            if (const TTabelle* tabelle = Tabelle(n)) erreichteGattungen.unite(tabelle->Gattungen);
        }
        const TTabelle* gruppen = Tabelle(VerdanSchluessel::Gruppenliste);
        const QSet<int> inGruppenliste = Ziele(VerdanSchluessel::Gruppenliste);
        for (int n = VerdanSchluessel::ErsterTeilschluessel;
             n <= VerdanSchluessel::LetzterTeilschluessel; ++n) {
            const TTabelle* tabelle = Tabelle(n);
            TVerdan_KriterienGruppe* gruppe = m_katalog.GruppeNr(n);
            if (!tabelle || !gruppe) continue;
            if (gruppen && !inGruppenliste.contains(n))
                m_pruefung.Fehler(gruppen->Name, QStringLiteral("no row leads to %1; the group "
                                                                "list does not offer it")
                                                     .arg(SchluesselText(*gruppe)));
            if (direkt.contains(n)) continue;
            QStringList fehlend;
            for (int gn : tabelle->Gattungen) {
                if (!erreichteGattungen.contains(gn) && !Unbekannt(gn)) fehlend << Gattungsname(gn);
            }
            fehlend.sort();
            if (tabelle->Gattungen.isEmpty() || !fehlend.isEmpty())
                m_pruefung.Fehler(
                    tabelle->Name,
                    QStringLiteral("no row of VDB_3 or VDB_5 leads to %1%2")
                        .arg(SchluesselText(*gruppe),
                             fehlend.isEmpty()
                                 ? QString()
                                 : QStringLiteral(", and no key they lead to holds %1")
                                       .arg(fehlend.join(QStringLiteral(", ")))));
        }
    }

    // A key's row in the group list gives its German name and remark to its description,
    // found by the key's name: the row has to lead to that same key.
    void PruefeGruppenliste()
    {
        const TTabelle* gruppen = Tabelle(VerdanSchluessel::Gruppenliste);
        if (!gruppen) return;
        for (const TZeile& zeile : gruppen->Zeilen) {
            const QString ort = Spalte(zeile.Ort, QStringLiteral("GR"));
            if (zeile.GR.isEmpty()) {
                m_pruefung.Fehler(ort, QStringLiteral("empty; the row leads nowhere"));
                continue;
            }
            const TVerdan_KriterienGruppe* ziel = Schluessel(zeile.GR);
            if (ziel && zeile.Name != ziel->Name)
                m_pruefung.Fehler(ort,
                                  QStringLiteral("leads to %1, but the description of that key "
                                                 "reads the row \"%2\"")
                                      .arg(SchluesselText(*ziel), ziel->Name));
        }
    }

    // A genus row opens its key restricted to the genus (the genus it stands for, when it is
    // another name), or without a key the basic table restricted to it.
    void PruefeGattungsliste()
    {
        const TTabelle* gattungen = Tabelle(VerdanSchluessel::Gattungsliste);
        const TTabelle* grundtabelle = Tabelle(VerdanSchluessel::Grundtabelle);
        if (!gattungen) return;
        // The ferns stand in key 2 only: a fern genus opens it, as a genus of a key opens that.
        QHash<int, QList<int>> schluesselDerGattung;
        for (int n = VerdanSchluessel::Farnpflanzen; n <= VerdanSchluessel::LetzterTeilschluessel;
             ++n) {
            if (n >= VerdanSchluessel::Grundtabelle && n < VerdanSchluessel::ErsterTeilschluessel)
                continue;
            if (const TTabelle* tabelle = Tabelle(n)) {
                for (int gn : tabelle->Gattungen)
                    schluesselDerGattung[gn] << n;
            }
        }
        QStringList leer;
        for (const TZeile& zeile : gattungen->Zeilen) {
            const int gn = zeile.GnSn > 0 ? zeile.GnSn : zeile.GN;
            if (gn <= 0 || Unbekannt(gn)) continue;
            const QString ort = Spalte(zeile.Ort, QStringLiteral("GR"));
            if (const TVerdan_KriterienGruppe* ziel = Schluessel(zeile.GR)) {
                PruefeEingeschraenkt(ort, *ziel, gn);
                continue;
            }
            if (!zeile.GR.isEmpty()) continue; // names no key: reported with the rows
            if (const auto stelle = schluesselDerGattung.constFind(gn);
                stelle != schluesselDerGattung.cend()) {
                QStringList namen;
                for (int n : *stelle)
                    namen << SchluesselText(*m_katalog.GruppeNr(n));
                m_pruefung.Fehler(ort, QStringLiteral("empty, but %1 %2 %3; the genus opens "
                                                      "the basic table instead")
                                           .arg(namen.join(QStringLiteral(", ")),
                                                namen.size() > 1 ? QStringLiteral("hold")
                                                                 : QStringLiteral("holds"),
                                                Gattungsname(gn)));
            } else if (grundtabelle && !grundtabelle->Gattungen.contains(gn)) {
                leer << zeile.Name;
            }
        }
        if (!leer.isEmpty()) {
            leer.sort();
            const QString beispiele = leer.mid(0, GenannteGattungen).join(QStringLiteral(", "));
            m_pruefung.Hinweis(gattungen->Name,
                               QStringLiteral("%1 genera lead to the basic table restricted to a "
                                              "genus it does not hold, an empty list: %2%3")
                                   .arg(leer.size())
                                   .arg(beispiele, leer.size() > GenannteGattungen
                                                       ? QStringLiteral(" …")
                                                       : QString()));
        }
    }

    // Opening a key restricted to a genus lists the rows of that genus; none is an empty list.
    void PruefeEingeschraenkt(const QString& ort, const TVerdan_KriterienGruppe& ziel, int gn)
    {
        const TTabelle* tabelle = Tabelle(ziel.Nummer);
        if (!tabelle) return;
        if (!tabelle->HatGN) {
            m_pruefung.Fehler(
                ort,
                QStringLiteral("leads to %1, which lists no genera").arg(SchluesselText(ziel)));
        } else if (!tabelle->Gattungen.contains(gn)) {
            m_pruefung.Fehler(ort, QStringLiteral("leads to %1, which holds no row of %2; it opens "
                                                  "an empty list")
                                       .arg(SchluesselText(ziel), Gattungsname(gn)));
        }
    }

    // A family row opens its family key, or else the basic table restricted to the family;
    // a family whose rows in the basic table all lead to one key leads there directly.
    void PruefeFamilien()
    {
        const TTabelle* familien = Tabelle(VerdanSchluessel::Familien);
        const TTabelle* grundtabelle = Tabelle(VerdanSchluessel::Grundtabelle);
        if (!familien || !grundtabelle) return;
        QHash<int, QSet<QString>> zieleDerFamilie; // FN -> GR of its rows in key 3 ("" = none)
        for (const TZeile& zeile : grundtabelle->Zeilen) {
            if (zeile.FN > 0) {
                const TVerdan_KriterienGruppe* ziel = Schluessel(zeile.GR);
                zieleDerFamilie[zeile.FN].insert(ziel ? ziel->Name : QString());
            }
        }
        for (const TZeile& zeile : familien->Zeilen) {
            const QString ort = Spalte(zeile.Ort, QStringLiteral("GR"));
            if (zeile.GN > 0 && Unbekannt(zeile.GN)) continue;
            if (const TVerdan_KriterienGruppe* ziel = Schluessel(zeile.GR)) {
                if (zeile.GN > 0) {
                    PruefeEingeschraenkt(ort, *ziel, zeile.GN);
                } else if (const TTabelle* tabelle = Tabelle(ziel->Nummer);
                           tabelle && zeile.FN > 0 && !tabelle->Familien.contains(zeile.FN)) {
                    m_pruefung.Fehler(ort, QStringLiteral("leads to %1, which holds no species "
                                                          "of the family %2 (FN %3)")
                                               .arg(SchluesselText(*ziel), zeile.Name)
                                               .arg(zeile.FN));
                }
                continue;
            }
            if (!zeile.GR.isEmpty()) continue;
            if (zeile.GN > 0) {
                if (!grundtabelle->Gattungen.contains(zeile.GN))
                    m_pruefung.Fehler(ort, QStringLiteral("empty, and the basic table holds no "
                                                          "row of %1; it opens an empty list")
                                               .arg(Gattungsname(zeile.GN)));
                continue;
            }
            if (zeile.FN <= 0) continue;
            const QSet<QString> ziele = zieleDerFamilie.value(zeile.FN);
            if (ziele.isEmpty()) {
                m_pruefung.Fehler(ort, QStringLiteral("empty, and the basic table holds no row "
                                                      "of the family %1 (FN %2); it opens an "
                                                      "empty list")
                                           .arg(zeile.Name)
                                           .arg(zeile.FN));
            } else if (ziele.size() == 1 && !ziele.begin()->isEmpty()) {
                m_pruefung.Fehler(
                    ort, QStringLiteral("empty, but every row of the family %1 in "
                                        "the basic table leads to %2; lead there")
                             .arg(zeile.Name, SchluesselText(*Schluessel(*ziele.begin()))));
            }
        }
    }

    // The rows of the basic table that lead into a key admit each of its species with the
    // values that the species table records for it, or a user who ticks them never gets there.
    void PruefeLeitzeilen()
    {
        const TTabelle* grundtabelle = Tabelle(VerdanSchluessel::Grundtabelle);
        if (!grundtabelle) return;
        std::map<int, QList<const TZeile*>> leitzeilen;
        for (const TZeile& zeile : grundtabelle->Zeilen) {
            if (const TVerdan_KriterienGruppe* ziel = Schluessel(zeile.GR))
                leitzeilen[ziel->Nummer] << &zeile;
        }
        for (const auto& [nummer, zeilen] : leitzeilen) {
            const TTabelle* tabelle = Tabelle(nummer);
            if (!tabelle || nummer < VerdanSchluessel::ErsterTeilschluessel) continue;
            QSet<int> gesehen;
            for (const TZeile& art : tabelle->Zeilen) {
                const auto stelle = m_arten.constFind(art.ID);
                if (stelle == m_arten.cend() || gesehen.contains(art.ID)) continue;
                gesehen.insert(art.ID);
                PruefeArt(art, *stelle, zeilen, *m_katalog.GruppeNr(nummer));
            }
        }
    }

    static bool Laesst(const TZeile& zeile, const TMerkmal* merkmal)
    {
        if (!merkmal) return true;
        const QString wert = zeile.Werte.value(merkmal->Spalte);
        return wert == merkmal->Code || wert == Sternchen;
    }

    void PruefeArt(const TZeile& art, const TArt& daten, const QList<const TZeile*>& leitzeilen,
                   const TVerdan_KriterienGruppe& gruppe)
    {
        // Each recorded value of each character, and every combination of them, is a choice
        // that a user may tick together.
        const QList<QList<TMerkmal>> merkmale{Lebensformen(daten.Lebensform), Farben(daten.Farbe),
                                              Sonderformen(daten.Lebensform)};
        const auto auswahl = [](const QList<TMerkmal>& liste) {
            QList<const TMerkmal*> werte;
            for (const TMerkmal& m : liste)
                werte << &m;
            if (werte.isEmpty()) werte << nullptr;
            return werte;
        };
        for (const TMerkmal* l : auswahl(merkmale[0])) {
            for (const TMerkmal* fa : auswahl(merkmale[1])) {
                for (const TMerkmal* so : auswahl(merkmale[2])) {
                    bool zugelassen = false;
                    for (const TZeile* zeile : leitzeilen)
                        zugelassen = zugelassen || (Laesst(*zeile, l) && Laesst(*zeile, fa) &&
                                                    Laesst(*zeile, so));
                    if (zugelassen) continue;
                    QStringList wahl;
                    for (const TMerkmal* m : {l, fa, so}) {
                        if (m)
                            wahl << QStringLiteral("%1 \"%2\" (%3)")
                                        .arg(m->Spalte, m->Code, m->Quelle);
                    }
                    if (wahl.isEmpty()) continue;
                    m_pruefung.Fehler(
                        art.Ort,
                        QStringLiteral("%1 (ID %2): no row of VDB_3 that leads to "
                                       "%3 admits %4")
                            .arg(daten.Name)
                            .arg(art.ID)
                            .arg(SchluesselText(gruppe), wahl.join(QStringLiteral(" with "))));
                }
            }
        }
    }

    TDatenpruefung& m_pruefung;
    TVerdan_Benutzerdatenbank& m_katalog;
    std::map<int, TTabelle> m_tabellen;
    QHash<int, TArt> m_arten;
    QHash<int, QString> m_gattungsnamen;
    bool m_gattungslisteGelesen = false;
};

void TDatenpruefung::PruefeVerweise()
{
    TVerweisPruefung(*this).Laufe();
}
