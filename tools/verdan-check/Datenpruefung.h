#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <memory>

class TDatabase;
class TTable;
class TVerdan_Benutzerdatenbank;
class TVerdan_DatenBankFeld;
class TVerdan_KriterienGruppe;
struct TTableInfo;

// Holds a data directory against the catalogue of keys that the program builds from it:
// every key table exists with the columns and indexes the program reads, every stored code
// is an item of its criterion or "*", every next-key name and every taxon, genus and family
// number resolves. Each finding is one line on out: table, row and column, then what is
// wrong. A missing picture table is a note, not a fault: the pictures come later.
class TDatenpruefung
{
public:
    TDatenpruefung(QString verzeichnis, QTextStream& out);
    ~TDatenpruefung();

    // Runs every check and writes the summary line; the number of faults found.
    int Pruefe();

private:
    struct TForderung;
    struct TIndexForderung;
    class TZeilenPruefung;

    static QList<TForderung> Spaltenforderungen(const TVerdan_KriterienGruppe& gruppe);
    static QList<TForderung> Abfragespalten(const TVerdan_KriterienGruppe& gruppe);
    static QList<TIndexForderung> Indexforderungen(const TVerdan_KriterienGruppe& gruppe);

    void Fehler(const QString& ort, const QString& text);
    void Hinweis(const QString& ort, const QString& text);

    // A table of the directory, open; raises EDatabaseError.
    std::unique_ptr<TTable> OeffneTabelle(const QString& name) const;
    void LeseNummern();
    QSet<int> Nummern(const QString& tabelle, const QString& spalte);
    void PruefeSchluessel(TVerdan_KriterienGruppe& gruppe);
    void PruefeForderungen(const TTableInfo& info, const QList<TForderung>& forderungen);
    void PruefeIndex(const TTableInfo& info, const TIndexForderung& forderung);
    void PruefeKriterienspalten(TVerdan_KriterienGruppe& gruppe, const TTableInfo& info);
    void PruefeZeilen(TVerdan_KriterienGruppe& gruppe, const TTableInfo& info);
    void PruefeBildtabellen();
    void PruefeBildtabelle(const QString& name, const QList<TForderung>& spalten,
                           const TIndexForderung& index);
    // The rows of the basic table, the group list, the family and the genus lists that lead
    // into a genus or family key agree with that key (Verweispruefung.cpp).
    void PruefeVerweise();
    class TVerweisPruefung;
    // Taxa of one key that no choice of values tells apart (Trennbarkeit.cpp).
    void PruefeTrennbarkeit();
    void PruefeTrennbarkeit(TVerdan_KriterienGruppe& gruppe, const TTableInfo& info);

    QString m_verzeichnis;
    QTextStream& m_out;
    std::shared_ptr<TDatabase> m_datenbank;
    std::unique_ptr<TVerdan_Benutzerdatenbank> m_katalog;
    QSet<int> m_arten;
    QSet<int> m_gattungen;
    QSet<int> m_familien;
    bool m_artenGelesen = false;
    bool m_gattungenGelesen = false;
    bool m_familienGelesen = false;
    int m_fehler = 0;
    int m_hinweise = 0;
    int m_zeilen = 0;
};
