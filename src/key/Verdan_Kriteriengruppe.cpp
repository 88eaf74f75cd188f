#include "key/Verdan_Kriteriengruppe.h"

#include "app/Kr_str.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "foundation/KR_Exception.h"
#include "key/Aw_FlagOut.h"
#include "key/Verdan_Definition.h"

#include <QStringList>
#include <memory>

namespace {

// Fixed key numbers the statement treats specially.
constexpr int FamilienListe = 60;

// A number of a selection line; text that is not a number counts as 0.
int Zahl(const QString& text)
{
    bool ok = false;
    const int wert = text.toInt(&ok);
    return ok ? wert : 0;
}

// The condition of one ticked criterion: the rows holding the item's code or "*".
QString KriteriumsBedingung(const QString& spalte, const QString& code)
{
    return QStringLiteral("   ((A.\"") + spalte + QStringLiteral("\" = \"") + code +
           QStringLiteral("\") OR (A.\"") + spalte + QStringLiteral("\"=\"*\"))");
}

} // namespace

TVerdan_KriterienGruppe::TVerdan_KriterienGruppe(int nummer, const QString& titel, quint8 modus,
                                                 const QString& name)
    : TKR_KriterienFelder(nummer, titel, modus), Name(name)
{}

TVerdan_DatenBankFeld* TVerdan_KriterienGruppe::AddVerdanFeld(const QString& titel,
                                                              const QString& code, int typ)
{
    if (typ != TKR_DatenBankFeld::KriteriumTyp)
        throw EKR_Exception(
            QStringLiteral("TVerdan_KriterienGruppe.AddVerdanFeld: Feldtyp nicht festgelegt"));
    auto feld = std::make_unique<TVerdan_DatenBankFeld>(Count() + 1, titel, typ, code);
    feld->Gruppe = this;
    return AppendData(std::move(feld));
}

TVerdan_DatenBankFeld* TVerdan_KriterienGruppe::AddFeld(const QString& titel, const QString& code)
{
    return AddVerdanFeld(titel, code, TKR_DatenBankFeld::KriteriumTyp);
}

TVerdan_DatenBankFeld* TVerdan_KriterienGruppe::AddInfoFeld(const QString& titel,
                                                            const QString& code)
{
    TVerdan_DatenBankFeld* feld = AddFeld(titel, code);
    feld->NurInfo = true;
    return feld;
}

TVerdan_DatenBankFeld* TVerdan_KriterienGruppe::AddNummernFeld(int anzahl)
{
    const QString nummer = QString::number(Count());
    TVerdan_DatenBankFeld* feld = AddFeld(nummer, nummer);
    for (int i = 1; i <= anzahl; ++i)
        feld->Items.AddItem(QString::number(i), QString::number(i), 0);
    return feld;
}

TVerdan_DatenBankFeld* TVerdan_KriterienGruppe::GetFeld(int nummer)
{
    if (nummer < 1 || nummer > Count()) return nullptr;
    GoTo(nummer);
    return AktuellesFeld();
}

TVerdan_DatenBankFeld* TVerdan_KriterienGruppe::AktuellesFeld() const
{
    return dynamic_cast<TVerdan_DatenBankFeld*>(CurrentData());
}

TVerdan_KriterienGruppe* TVerdan_KriterienGruppe::GruppeZuNummer(int nummer) const
{
    return Katalog ? Katalog->GruppeNr(nummer) : nullptr;
}

QString TVerdan_KriterienGruppe::TabellenNameZuNummer(int nummer) const
{
    const TVerdan_KriterienGruppe* gruppe = GruppeZuNummer(nummer);
    return gruppe ? gruppe->GetTabellenName() : QString();
}

QString TVerdan_KriterienGruppe::GetTabellenName() const
{
    return QStringLiteral("VDB_") + QString::number(Nummer);
}

bool TVerdan_KriterienGruppe::BuildAbfrageSQL(const TAW_FlagOutKriterienListe* auswahl,
                                              int zeilenFilter, int gattung, int familie,
                                              TKR_Textus* zeilen, bool deutscheNamen)
{
    if (!auswahl || !zeilen) return true;
    zeilen->Last();
    SchreibeSpalten(*zeilen, zeilenFilter, deutscheNamen);
    SchreibeTabellen(*zeilen, deutscheNamen);
    SchreibeBedingungen(*zeilen, KriteriumsBedingungen(*auswahl), zeilenFilter, gattung, familie,
                        deutscheNamen);
    SchreibeSortierung(*zeilen, deutscheNamen);
    return true;
}

void TVerdan_KriterienGruppe::SchreibeSpalten(TKR_Textus& sql, int zeilenFilter,
                                              bool deutscheNamen) const
{
    if (zeilenFilter > 0) {
        sql.AddLine(QStringLiteral("Select "));
        sql.AddLine(QStringLiteral("A.RelID,"));
    } else {
        sql.AddLine(QStringLiteral("Select DISTINCT"));
    }
    if (!SpalteGruppe.isEmpty())
        sql.AddLine(QStringLiteral("A.") + SpalteGruppe + QStringLiteral(" as Gruppe,"));
    if (MitGN) {
        sql.AddLine(QStringLiteral("A.GN,"));
        if (deutscheNamen && Nummer == VerdanSchluessel::Gattungsliste)
            sql.AddLine(QStringLiteral("A.GN_SN,"));
    }
    if (MitFN) sql.AddLine(QStringLiteral("A.FN,"));
    if (!SpalteID.isEmpty())
        sql.AddLine(QStringLiteral("A.") + SpalteID + QStringLiteral(" as ID,"));
    if (!SpalteSippen.isEmpty())
        sql.AddLine(QStringLiteral("A.") + SpalteSippen + QStringLiteral(" as Sippen,"));
    if (deutscheNamen) {
        if (Nummer == VerdanSchluessel::Gruppenliste) {
            sql.AddLine(QStringLiteral("A.\"D-Gruppe\" as Deutsch,"));
        } else if (Nummer == VerdanSchluessel::Familien) {
            sql.AddLine(QStringLiteral("B.\"D-Familie\" || \"/\" || B.\"Familie\" as Deutsch,"));
        } else if (Nummer == VerdanSchluessel::Gattungsliste) {
            sql.AddLine(QStringLiteral("A.\"D-Gattung\" as Deutsch,"));
        } else {
            sql.AddLine(QStringLiteral("A.GN as GN,"));
            sql.AddLine(QStringLiteral("A.FN as FN,"));
            sql.AddLine(QStringLiteral("B.Deutsch ||  C.\"D-Gattung\" || A.") + SpalteBezeichnung +
                        QStringLiteral(" as Deutsch,"));
        }
    } else if (MitGattung) {
        sql.AddLine(QStringLiteral("C.Gattung as Gattung,"));
    }
    sql.AddLine(QStringLiteral("A.") + SpalteBezeichnung + QStringLiteral(" as Bezeichnung"));
}

void TVerdan_KriterienGruppe::SchreibeTabellen(TKR_Textus& sql, bool deutscheNamen) const
{
    sql.AddLine(QStringLiteral("From \"") + GetTabellenName() + QStringLiteral("\" A"));
    const QString gattungen = QStringLiteral("  Left Outer Join \"") +
                              TabellenNameZuNummer(VerdanSchluessel::Gattungsliste) +
                              QStringLiteral("\" C ON (A.GN = C.GN)");
    if (!deutscheNamen) {
        if (MitGattung) sql.AddLine(gattungen);
    } else if (Nummer == VerdanSchluessel::Familien) {
        sql.AddLine(QStringLiteral("  Left Outer Join \"") + TabellenNameZuNummer(FamilienListe) +
                    QStringLiteral("\" B ON (A.FN = B.FN)"));
    } else if (Nummer != VerdanSchluessel::Gruppenliste &&
               Nummer != VerdanSchluessel::Gattungsliste) {
        sql.AddLine(QStringLiteral("  Left Outer Join \"") +
                    TabellenNameZuNummer(VerdanSchluessel::Arten) + QStringLiteral("\" B ON (A.") +
                    SpalteID + QStringLiteral(" = B.ID)"));
        sql.AddLine(gattungen);
    }
}

// Lines that name no criterion or item of this key are skipped like lines without numbers:
// they would make no condition.
QStringList TVerdan_KriterienGruppe::KriteriumsBedingungen(const TAW_FlagOutKriterienListe& auswahl)
{
    const QString tab = QStringLiteral("\t");
    QStringList bedingungen;
    for (const QString& zeile : auswahl) {
        const int schluessel = Zahl(GetToken(tab, 1, zeile));
        const int feldNummer = Zahl(GetToken(tab, 2, zeile));
        const int itemNummer = Zahl(GetToken(QStringLiteral("/"), 2, GetToken(tab, 3, zeile)));
        if (schluessel < 1 || feldNummer < 1 || itemNummer < 1) continue;
        TVerdan_DatenBankFeld* feld = GetFeld(feldNummer);
        const TVerdan_DatenbankItemRecord* item = feld ? feld->Items.GetItem(itemNummer) : nullptr;
        if (item) bedingungen << KriteriumsBedingung(feld->Code, item->Code);
    }
    return bedingungen;
}

void TVerdan_KriterienGruppe::SchreibeBedingungen(TKR_Textus& sql, const QStringList& kriterien,
                                                  int zeilenFilter, int gattung, int familie,
                                                  bool deutscheNamen) const
{
    const QString zeilenBedingung = QStringLiteral("  ( A.") + SpalteID + u'=' +
                                    QString::number(zeilenFilter) + QStringLiteral(" )");
    const bool mitZeilenFilter = zeilenFilter > 0 && !SpalteID.isEmpty();

    if (kriterien.isEmpty() && gattung < 1 && familie < 1) {
        if (zeilenFilter < 1 && Nummer == VerdanSchluessel::Gattungsliste && !deutscheNamen) {
            // Other names of a genus lead to it through GN_SN; the plain list hides them.
            sql.AddLine(QStringLiteral("WHERE"));
            sql.AddLine(QStringLiteral("  ( A.GN_SN is null)"));
        } else if (mitZeilenFilter) {
            sql.AddLine(QStringLiteral("WHERE"));
            sql.AddLine(zeilenBedingung);
        }
        return;
    }

    QStringList bedingungen;
    if (gattung > 0)
        bedingungen << QStringLiteral("   (A.\"GN\" = ") + QString::number(gattung) + u')';
    else if (familie > 0)
        bedingungen << QStringLiteral("   (A.\"FN\" = ") + QString::number(familie) + u')';
    if (mitZeilenFilter) bedingungen << zeilenBedingung;
    bedingungen << kriterien;

    sql.AddLine(QStringLiteral("WHERE"));
    for (int i = 0; i < bedingungen.size(); ++i) {
        if (i > 0) sql.AddLine(QStringLiteral("  AND"));
        sql.AddLine(bedingungen[i]);
    }
}

void TVerdan_KriterienGruppe::SchreibeSortierung(TKR_Textus& sql, bool deutscheNamen) const
{
    if (deutscheNamen)
        sql.AddLine(QStringLiteral("ORDER BY Deutsch, Bezeichnung"));
    else if (MitGattung)
        sql.AddLine(QStringLiteral("ORDER BY Gattung, Bezeichnung"));
    else if (Nummer == VerdanSchluessel::Familien)
        sql.AddLine(QStringLiteral("ORDER BY Bezeichnung, Sippen"));
    else
        sql.AddLine(QStringLiteral("ORDER BY Bezeichnung"));
}
