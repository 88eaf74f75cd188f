// Identification on the shipped data: building the catalogue of keys, and one tick on the
// basic table (key 3) as the identification window runs it: the statement of the level
// stack, running it, and the display texts of the first 40 rows of the name column. Next to
// it the bare statement: the same lines through the engine without display texts. Both also
// on a generated basic table ten times the shipped one (the shipped rows repeated with
// numbered names, over the shipped species, group, genus and family lists). The figures and
// their reading are in docs/performance.md.

#include "app/KR_MYSYS.h"
#include "data/KR_TEXT.h"
#include "data/Verdan_BdBServer.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "identify/Verdan_Bestimmungszeile.h"
#include "key/Verdan_Abfrageliste.h"
#include "key/Verdan_Definition.h"
#include "key/Verdan_Flagoutstuktur.h"
#include "platform/DatabaseBuilder.h"
#include "platform/Query.h"

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Grundtabelle = 3;
constexpr int AngezeigteZeilen = 40;
constexpr int Vervielfachung = 10;

const QString Daten = QStringLiteral(VERDAN_DATA_DIR);

// Copies table name of the shipped data into builder, with the given primary key and
// indexes; each row passes through zeilen, which may add further ones.
template <class ZeilenFn>
void Kopiere(TDatabaseBuilder& builder, const QString& name, const QStringList& primaer,
             const QList<TIndexDef>& indexe, ZeilenFn zeilen)
{
    TQuery quelle;
    quelle.SetDatabaseName(Daten);
    quelle.SetSQL({QStringLiteral("Select * From \"%1\"").arg(name)});
    quelle.Open();
    TTableDef tabelle;
    tabelle.Name = name;
    for (int i = 0; i < quelle.FieldCount(); ++i) {
        const TField* feld = quelle.Fields(i);
        tabelle.Columns << TColumnDef{feld->FieldName(), feld->DataType(), feld->Size()};
    }
    tabelle.PrimaryKey = primaer;
    tabelle.Indexes = indexe;
    builder.CreateTable(tabelle);
    for (quelle.First(); !quelle.Eof(); quelle.Next()) {
        QVariantList werte;
        for (int i = 0; i < quelle.FieldCount(); ++i)
            werte << quelle.Fields(i)->Value();
        for (const QVariantList& zeile : zeilen(quelle, werte))
            builder.AddRow(name, zeile);
    }
}

QList<QVariantList> Unveraendert(const TQuery&, const QVariantList& werte)
{
    return {werte};
}

// The shipped basic table ten times: each copy a new RelID and a numbered name, so that the
// DISTINCT of the statement keeps every copy.
QList<QVariantList> Zehnfach(const TQuery& quelle, const QVariantList& werte)
{
    const int relId = quelle.FieldByName(QStringLiteral("RelID"))->Index();
    const int name = quelle.FieldByName(QStringLiteral("SIP"))->Index();
    QList<QVariantList> zeilen;
    for (int kopie = 0; kopie < Vervielfachung; ++kopie) {
        QVariantList zeile = werte;
        zeile[relId] = werte[relId].toInt() + kopie * 100000;
        if (kopie > 0) zeile[name] = werte[name].toString() + QStringLiteral(" %1").arg(kopie);
        zeilen << zeile;
    }
    return zeilen;
}

// The generated data directory, built once.
const QString& GrosseDaten()
{
    static QTemporaryDir dir;
    static const QString pfad = [] {
        TDatabaseBuilder builder(dir.path() + QStringLiteral("/tables.sqlite"));
        Kopiere(builder, QStringLiteral("VDB_1"), {"ID"}, {}, Unveraendert);
        Kopiere(builder, QStringLiteral("VDB_4"), {"Gruppe"}, {}, Unveraendert);
        Kopiere(builder, QStringLiteral("VDB_6"), {"GN"},
                {{QStringLiteral("Gattungsliste_GN_SN_IX"), {"GN", "GN_SN"}}}, Unveraendert);
        Kopiere(builder, QStringLiteral("VDB_60"), {"FN"},
                {{QStringLiteral("Familienliste_FN_IX"), {"FN"}}}, Unveraendert);
        Kopiere(builder, QStringLiteral("VDB_3"), {"RelID"}, {}, Zehnfach);
        builder.Finish();
        return dir.path();
    }();
    return pfad;
}

// An identification window's objects on a data directory, on key 3 with "krautig" ticked.
struct TFenster
{
    explicit TFenster(const QString& verzeichnis, bool deutsch)
        : katalog(ErstelleKatalog(Daten)), server(nullptr, nullptr, katalog.get(), verzeichnis),
          ebenen(*katalog, server), zeile(ebenen, server)
    {
        SetupBlock.GlobalDir = verzeichnis;
        zeile.DeutscheNamen = deutsch;
        ebenen.NeueEbene(Grundtabelle, 0, 0, 0);
        // Criterion 1 "Lebensform", item 2 "krautig".
        ebenen.AktuelleStruktur()->ObjektNr(1)->Unterstruktur->ObjektNr(2)->SetGewaehlt(true);
    }

    std::unique_ptr<TVerdan_Benutzerdatenbank> katalog;
    TVerdan_Datenbankserver server;
    TVerdan_AbfrageListe ebenen;
    TVerdan_Bestimmungszeile zeile;
    TQuery abfrage;
};

const QString& Verzeichnis(int64_t gross)
{
    return gross ? GrosseDaten() : Daten;
}

void BM_ErstelleKatalog(benchmark::State& state)
{
    for (auto _ : state) {
        std::unique_ptr<TVerdan_Benutzerdatenbank> katalog = ErstelleKatalog(Daten);
        benchmark::DoNotOptimize(katalog.get());
    }
}
BENCHMARK(BM_ErstelleKatalog)->Unit(benchmark::kMillisecond);

// Arguments: generated table (0 shipped, 1 ten times), German names.
void BM_Ankreuzen(benchmark::State& state)
{
    TFenster fenster(Verzeichnis(state.range(0)), state.range(1) != 0);
    int zeilen = 0;
    for (auto _ : state) {
        const QString meldung = fenster.zeile.AbfrageStarten(fenster.abfrage);
        const TField* name = fenster.abfrage.FieldByName(QStringLiteral("Bezeichnung"));
        const int anzahl = std::min(AngezeigteZeilen, fenster.abfrage.RecordCount());
        for (int nummer = 1; nummer <= anzahl; ++nummer) {
            const TDataSet::TRecordView ansicht(fenster.abfrage, nummer);
            benchmark::DoNotOptimize(name->DisplayText());
        }
        zeilen = fenster.abfrage.RecordCount();
        benchmark::DoNotOptimize(meldung);
    }
    state.counters["rows"] = zeilen;
}
BENCHMARK(BM_Ankreuzen)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"x10", "deutsch"})
    ->Unit(benchmark::kMicrosecond);

void BM_BlosseAbfrage(benchmark::State& state)
{
    TFenster fenster(Verzeichnis(state.range(0)), state.range(1) != 0);
    TKR_Textus sql;
    fenster.ebenen.ErstelleSQL(0, sql, fenster.zeile.DeutscheNamen);
    QStringList zeilen;
    sql.ToStrings(zeilen);
    TQuery abfrage;
    abfrage.SetDatabaseName(Verzeichnis(state.range(0)));
    abfrage.SetSQL(zeilen);
    for (auto _ : state) {
        abfrage.Close();
        abfrage.Open();
        benchmark::DoNotOptimize(abfrage.RecordCount());
    }
    state.counters["rows"] = abfrage.RecordCount();
}
BENCHMARK(BM_BlosseAbfrage)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"x10", "deutsch"})
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
