// The species list on the shipped data: opening the window (catalogue, server, species table,
// first portrait), switching to German names, and the German search over every entry, cold
// (every display text built on the way) and warm (the texts already built). The figures and
// their reading are in docs/performance.md.

#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "data/Verdan_BdBServer.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "key/Verdan_Definition.h"
#include "platform/Query.h"
#include "species/Verdan_ArtenBrowserDM.h"
#include "species/Verdan_ArtenlistenForm.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Begins no German name: the search walks the whole list.
const QString KeinName = QStringLiteral("Xyzzy");

struct Daten
{
    Daten()
        : Katalog(ErstelleKatalog()), Server(nullptr, nullptr, Katalog.get(), SetupBlock.GlobalDir)
    {}
    std::unique_ptr<TVerdan_Benutzerdatenbank> Katalog;
    TVerdan_Datenbankserver Server;
};

void BM_ArtenlisteOeffnen(benchmark::State& state)
{
    for (auto _ : state) {
        auto* liste = ZeigeArtenliste(nullptr);
        liste->resize(800, 600);
        QApplication::processEvents();
        benchmark::DoNotOptimize(liste);
        delete liste;
    }
}
BENCHMARK(BM_ArtenlisteOeffnen)->Unit(benchmark::kMillisecond);

void BM_DeutscheNamenEinschalten(benchmark::State& state)
{
    Daten daten;
    for (auto _ : state) {
        TVerdan_ArtenBrowserDataModul modul(nullptr, &daten.Server);
        modul.SetDeutscheNamen(true);
        benchmark::DoNotOptimize(modul.VerdanDeutschArtQuery->RecordCount());
    }
}
BENCHMARK(BM_DeutscheNamenEinschalten)->Unit(benchmark::kMillisecond);

void BM_SucheDeutschKalt(benchmark::State& state)
{
    Daten daten;
    for (auto _ : state) {
        state.PauseTiming();
        auto modul = std::make_unique<TVerdan_ArtenBrowserDataModul>(nullptr, &daten.Server);
        modul->SetDeutscheNamen(true);
        state.ResumeTiming();
        benchmark::DoNotOptimize(modul->SucheDeutsch(KeinName));
    }
}
BENCHMARK(BM_SucheDeutschKalt)->Unit(benchmark::kMillisecond);

void BM_SucheDeutschWarm(benchmark::State& state)
{
    Daten daten;
    TVerdan_ArtenBrowserDataModul modul(nullptr, &daten.Server);
    modul.SetDeutscheNamen(true);
    modul.SucheDeutsch(KeinName);
    for (auto _ : state)
        benchmark::DoNotOptimize(modul.SucheDeutsch(KeinName));
    state.counters["Eintraege"] = modul.VerdanDeutschArtQuery->RecordCount();
}
BENCHMARK(BM_SucheDeutschWarm)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetupBlock.GlobalDir = QStringLiteral(VERDAN_DATA_DIR);
    SetupBlock.MaximizeChildren = false;
    TKR_ScopedMessageHandler still(
        [](TKR_MessageKind, const QString&, const QString&) { return 2; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
