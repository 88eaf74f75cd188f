#pragma once

// Small data directories for the tests: tables declared as the schema files of the data
// sources declare them, column name and Paradox type.

#include "platform/DatabaseBuilder.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <initializer_list>

namespace TestTabellen {

// A blank (NULL) cell.
const QVariant Blank;

struct TSpalte
{
    const char* Name;
    const char* Typ; // Paradox type: A60, I, +, S, L, M, B
};

// The definition of a table; an unknown type fails the test.
TTableDef Tabelle(const QString& name, std::initializer_list<TSpalte> spalten,
                  const QStringList& primaerschluessel = {}, const QList<TIndexDef>& indexe = {});
void Zeilen(TDatabaseBuilder& builder, const QString& tabelle, const QList<QVariantList>& zeilen);
// The tables of the illustration index, empty: KRS_Rix (DB, Grp, Krit, Item, the four RelIDs
// and Img), KRS_R2i and KRS_R3i (SyncID, Typ, Image).
QList<TTableDef> Bildindex();

} // namespace TestTabellen
