#pragma once

// Small data directories for the verdan-check tests, held in memory so that a test can break
// one before it is written, and a run of the tool over them.

#include "platform/DatabaseBuilder.h"
#include "support/TestTabellen.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace VerdanCheckTests {

using TestTabellen::Blank;

struct TLauf
{
    int ExitCode = -1;
    QString Out;
    QString Err;

    // The findings and notes, one a line, without the summary.
    QStringList Befunde() const
    {
        QStringList zeilen = Out.split(u'\n');
        zeilen.removeIf(
            [](const QString& z) { return z.isEmpty() || z.startsWith("verdan-check:"); });
        return zeilen;
    }
    // The notes on one table, each without its "note: TABLE: ".
    QStringList Notizen(const QString& tabelle) const
    {
        const QString anfang = "note: " + tabelle + ": ";
        QStringList notizen;
        for (const QString& zeile : Out.split(u'\n')) {
            if (zeile.startsWith(anfang)) notizen << zeile.mid(anfang.size());
        }
        return notizen;
    }
};

inline TLauf VerdanCheck(const QStringList& argumente)
{
    QProcess prozess;
    prozess.start(VERDAN_BINARY_DIR "/bin/verdan-check", argumente);
    EXPECT_TRUE(prozess.waitForStarted()) << prozess.errorString().toStdString();
    EXPECT_TRUE(prozess.waitForFinished(60000));
    return {prozess.exitCode(), QString::fromUtf8(prozess.readAllStandardOutput()),
            QString::fromUtf8(prozess.readAllStandardError())};
}

// One table of a data directory.
struct TTabelle
{
    TTableDef Def;
    QList<QVariantList> Zeilen;

    int Spalte(const QString& name) const
    {
        for (int i = 0; i < Def.Columns.size(); ++i) {
            if (Def.Columns[i].Name == name) return i;
        }
        ADD_FAILURE() << "no column " << name.toStdString() << " in " << Def.Name.toStdString();
        return 0;
    }
    // The first row that holds name in some cell.
    QVariantList& Zeile(const QString& name)
    {
        for (QVariantList& zeile : Zeilen) {
            if (zeile.contains(QVariant(name))) return zeile;
        }
        ADD_FAILURE() << "no row " << name.toStdString() << " in " << Def.Name.toStdString();
        return Zeilen.first();
    }
    void Setze(int zeile, const QString& spalte, const QVariant& wert)
    {
        Zeilen[zeile][Spalte(spalte)] = wert;
    }
    void Setze(const QString& zeile, const QString& spalte, const QVariant& wert)
    {
        Zeile(zeile)[Spalte(spalte)] = wert;
    }
    // Removes every row that holds name in some cell.
    void Entferne(const QString& name)
    {
        Zeilen.removeIf([&](const QVariantList& z) { return z.contains(QVariant(name)); });
    }
    // Adds a blank column unless the table has it already.
    void AddSpalte(const QString& name, const QString& typ)
    {
        for (const TColumnDef& spalte : Def.Columns) {
            if (spalte.Name == name) return;
        }
        TColumnDef def;
        def.Name = name;
        EXPECT_TRUE(ParseParadoxType(typ, def)) << typ.toStdString();
        Def.Columns << def;
        for (QVariantList& zeile : Zeilen)
            zeile << Blank;
    }
    void EntferneSpalte(const QString& name)
    {
        const int i = Spalte(name);
        Def.Columns.removeAt(i);
        for (QVariantList& zeile : Zeilen)
            zeile.removeAt(i);
    }
    void SetzeTyp(const QString& spalte, const QString& typ)
    {
        EXPECT_TRUE(ParseParadoxType(typ, Def.Columns[Spalte(spalte)]));
    }
    void EntferneIndex(const QString& name)
    {
        Def.Indexes.removeIf([&](const TIndexDef& index) { return index.Name == name; });
    }
};

// The tables of a data directory by name.
using TDaten = std::map<QString, TTabelle>;

inline TTabelle& NeueTabelle(TDaten& daten, const QString& name,
                             std::initializer_list<TestTabellen::TSpalte> spalten,
                             const QStringList& primaer = {}, const QList<TIndexDef>& indexe = {})
{
    TTabelle& tabelle = daten[name];
    tabelle.Def = TestTabellen::Tabelle(name, spalten, primaer, indexe);
    return tabelle;
}

// KAT_Items, empty: the item codes of the genus and family keys.
inline TTabelle& Itemtabelle(TDaten& daten)
{
    return NeueTabelle(
        daten, "KAT_Items",
        {{"Schluessel", "I"}, {"Spalte", "A40"}, {"Nr", "I"}, {"Code", "A3"}, {"Text", "A120"}},
        {"Schluessel", "Spalte", "Nr"});
}

// The tables of the illustration index, empty.
inline void Bildtabellen(TDaten& daten)
{
    for (const TTableDef& tabelle : TestTabellen::Bildindex())
        daten[tabelle.Name].Def = tabelle;
}

inline void Schreibe(const TDaten& daten, const QString& dir)
{
    QDir().mkpath(dir);
    TDatabaseBuilder builder(dir + "/tables.sqlite");
    for (const auto& [name, tabelle] : daten) {
        builder.CreateTable(tabelle.Def);
        TestTabellen::Zeilen(builder, name, tabelle.Zeilen);
    }
    builder.Finish();
}

// Runs verdan-check over the tables written to a directory of their own; the output names
// that directory "DIR", alike in every run.
inline TLauf Pruefe(const TDaten& daten)
{
    QTemporaryDir temp;
    Schreibe(daten, temp.path());
    TLauf lauf = VerdanCheck({temp.path()});
    lauf.Out.replace(temp.path(), QStringLiteral("DIR"));
    return lauf;
}

} // namespace VerdanCheckTests
