#include "TestTabellen.h"

#include <gtest/gtest.h>

namespace TestTabellen {

TTableDef Tabelle(const QString& name, std::initializer_list<TSpalte> spalten,
                  const QStringList& primaerschluessel, const QList<TIndexDef>& indexe)
{
    TTableDef tabelle;
    tabelle.Name = name;
    for (const TSpalte& spalte : spalten) {
        TColumnDef def;
        def.Name = QString::fromUtf8(spalte.Name);
        EXPECT_TRUE(ParseParadoxType(QString::fromUtf8(spalte.Typ), def)) << spalte.Typ;
        tabelle.Columns << def;
    }
    tabelle.PrimaryKey = primaerschluessel;
    tabelle.Indexes = indexe;
    return tabelle;
}

void Zeilen(TDatabaseBuilder& builder, const QString& tabelle, const QList<QVariantList>& zeilen)
{
    for (const QVariantList& zeile : zeilen)
        builder.AddRow(tabelle, zeile);
}

QList<TTableDef> Bildindex()
{
    QList<TTableDef> tabellen{Tabelle("KRS_Rix",
                                      {{"DB", "I"},
                                       {"Grp", "I"},
                                       {"Krit", "I"},
                                       {"Item", "I"},
                                       {"DB_RelID", "I"},
                                       {"Grp_RelID", "I"},
                                       {"Krit_RelID", "I"},
                                       {"Item_RelID", "I"},
                                       {"Img", "L"}},
                                      {"DB", "Grp", "Krit", "Item"})};
    for (const char* name : {"KRS_R2i", "KRS_R3i"})
        tabellen << Tabelle(QString::fromLatin1(name),
                            {{"SyncID", "I"}, {"Typ", "I"}, {"Image", "B"}}, {"SyncID", "Typ"});
    return tabellen;
}

} // namespace TestTabellen
