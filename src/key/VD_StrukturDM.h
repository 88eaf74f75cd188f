#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class TField;
class TQuery;
class TTable;

// Where a glossary term's picture lies in the illustration index: key, field and item.
struct TBildAdresse
{
    int Gruppe = 0;
    int Feld = 0;
    int Item = 0;
};

bool operator==(const TBildAdresse& a, const TBildAdresse& b);

// Reads a glossary "Code-Nummer" ("61x2x3": key x field x item). A part that is missing or
// not a number counts 0. The family list (key 60) has no drawings of its own; its terms are
// drawn under the glossary key 61, so 60 reads as 61.
TBildAdresse GlossarBildAdresse(const QString& codeNummer);

// The illustration index: the structure tables KRS_* of the data directory, which hold the
// drawings of criteria and values, addressed by (database, key, field, item) numbers. Image
// kind 2 is the small picture of the slide strip, kind 1 the large one of the detail view and
// the glossary. Everything is read-only; tables open on first use and stay open.
class TVD_StrukturDataModul : public QObject
{
    Q_OBJECT

public:
    // The tables are looked for in SetupBlock.GlobalDir as it is at creation.
    explicit TVD_StrukturDataModul(QObject* parent = nullptr);
    // The same for another data directory.
    TVD_StrukturDataModul(const QString& datenVerzeichnis, QObject* parent);
    ~TVD_StrukturDataModul() override;

    // The module's create event: takes GlobalDir of the setup block as the data directory.
    void VD_StrukturDataModulCreate();
    QString DatenVerzeichnis() const { return m_datenVerzeichnis; }

    // Opens BildlisteQuery on the illustrated values of criterion kriterium of key gruppe
    // (always of database 1; item is not used). True when it found one: the query then stays
    // open on its first row, with the fields DB, Grp, Krit, Item, DB_RelID, Grp_RelID,
    // Krit_RelID, Item_RelID and Img. Otherwise, and on any database error, false with the
    // query closed.
    bool OeffneBildliste(int datenbank, int gruppe, int kriterium, int item);
    TQuery& BildlisteQuery() const { return *m_bildliste; }

    // The RelID of the value row (item > 0) or the criterion row (item 0, kriterium > 0) of
    // the index row (datenbank, gruppe, kriterium, item); 0 when there is none, when the row
    // says it has no images, or when the index cannot be read.
    int FindeIndexRelID(int datenbank, int gruppe, int kriterium, int item);

    // The picture of kind art of a value (item > 0) or of a criterion (item 0), as the bytes of
    // the image file; a null QByteArray when there is none. A copy: it stays valid whatever the
    // tables do next.
    QByteArray GetBild(int datenbank, int gruppe, int kriterium, int item, int art);
    // The same as the Image field of the image row, positioned on it, or nullptr. The field
    // reads this picture only until the image table moves: load it at once.
    TField* GetBildFeld(int datenbank, int gruppe, int kriterium, int item, int art);

private:
    TTable& Tabelle(std::unique_ptr<TTable>& tabelle, const QString& name,
                    const QString& indexFelder);
    TField* SucheBild(std::unique_ptr<TTable>& tabelle, const QString& name, int relId, int art);

    QString m_datenVerzeichnis;
    std::unique_ptr<TQuery> m_bildliste;
    std::unique_ptr<TTable> m_index;     // KRS_Rix
    std::unique_ptr<TTable> m_kriterien; // KRS_R2i
    std::unique_ptr<TTable> m_werte;     // KRS_R3i
};
