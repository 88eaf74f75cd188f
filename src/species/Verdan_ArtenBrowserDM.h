#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class TField;
class TKR_DataSource;
class TQuery;
class TTable;
class TVerdan_Datenbankserver;

// The data behind the species list: every species of key 1 in two orders. By scientific
// name it is the species table itself on its search index, shown through the calculated
// field "Pflanzenname"; by German name it is a query over the species and genus tables,
// shown through its field "Deutsch". VerdanArtDataSource names whichever of the two the
// list shows.
//
// Building and opening never raise: a failure leaves the module with what it reached, and
// the list then stays empty.
class TVerdan_ArtenBrowserDataModul : public QObject
{
    Q_OBJECT

public:
    TVerdan_ArtenBrowserDataModul(QObject* owner, TVerdan_Datenbankserver* server);
    ~TVerdan_ArtenBrowserDataModul() override;

    TTable* VerdanArtTable;
    TKR_DataSource* VerdanArtDataSource;
    TQuery* VerdanDeutschArtQuery;

    TVerdan_Datenbankserver* Server() const { return m_server; }

    // On: the German-name query (opened when closed) becomes the data source's set; off:
    // the species table. An engine error leaves that set closed.
    void SetDeutscheNamen(bool on);
    // Moves the table to the nearest species for genus and epithet on its search index;
    // nothing happens when the table is closed. Always true: the nearest entry is the answer.
    bool FindeArt(const QString& gattung, const QString& art);
    // Moves the German list to the first entry whose display text begins with text, letter
    // case aside. True when found or text is empty; false when nothing begins so, and then
    // the list stays where it was.
    bool SucheDeutsch(const QString& text);

    // The German query's statement for the given species and genus tables.
    static QStringList DeutschSQL(const QString& artenTabelle, const QString& gattungsTabelle);
    // Genus, epithet, bracketed authors and infraspecific name, blanks tidied.
    static QString Pflanzenname(const QString& gattung, const QString& art, const QString& autor,
                                const QString& unterart, const QString& autor1);
    // The German display text of a record of the query: the species' German name, else the
    // genus's, else the family's, then the scientific name in parentheses.
    QString DeutscherText(int id, int gattung, int familie);

private:
    void VerdanArtTablePflanzennameGetText(TField& sender, QString& text, bool displayText);
    void VerdanDeutschArtQueryDeutschGetText(TField& sender, QString& text, bool displayText);
    void ZeigeNurFeld(class TDataSet& dataSet, const QString& feldName);
    bool SucheDeutschImOffenenSatz(const QString& gesucht);

    struct TTextSchluessel
    {
        int ID;
        int GN;
        int FN;
        bool operator==(const TTextSchluessel&) const = default;
    };
    friend size_t qHash(const TTextSchluessel& key, size_t seed)
    {
        return qHashMulti(seed, key.ID, key.GN, key.FN);
    }

    TVerdan_Datenbankserver* m_server;
    // German display texts already built: one text costs several key searches, and the
    // search walks them all.
    QHash<TTextSchluessel, QString> m_deutscheTexte;
};
