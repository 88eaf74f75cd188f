// The identification window on the shipped data, key 3 (Blütenpflanzen), shown offscreen at
// 1000 x 640: one tick as the user sees it (a value of the criteria panel toggled, until the
// grid holds the display texts of its first screen of rows), and the search over all rows for
// a text that matches nothing (answered by the message "Suchtext nicht gefunden"). The figures
// are in docs/performance.md.

#include "app/KR_DLG.h"
#include "app/KR_MYSYS.h"
#include "foundation/Kr_vcldb.h"
#include "identify/Verdan_Bestimmungsformular.h"
#include "identify/Verdan_FilterFlagoutPanel.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Opens key 3 in a fresh window; messages are counted instead of shown.
class Fenster
{
public:
    Fenster()
    {
        SetupBlock.GlobalDir = QStringLiteral(VERDAN_DATA_DIR);
        SetupBlock.MaximizeChildren = false;
        m_fenster = std::make_unique<TVerdan_Bestimmung>();
        m_fenster->resize(1000, 640);
        m_fenster->show();
        QCoreApplication::processEvents();
        m_fenster->OpenGrundtabelleClick();
        QCoreApplication::processEvents();
    }

    TVerdan_Bestimmung& F() { return *m_fenster; }
    int Nachrichten() const { return m_nachrichten; }

    // Asks for the display texts of the rows the grid shows on its first screen; returns
    // how many rows that were.
    int ErsterBildschirm()
    {
        TKR_DBGrid* grid = F().PflanzenGrid;
        QAbstractItemModel* model = grid->model();
        const int hoehe = grid->viewport()->height();
        int r = 0;
        for (; r < model->rowCount() && grid->rowViewportPosition(r) < hoehe; ++r)
            for (int s = 0; s < model->columnCount(); ++s)
                benchmark::DoNotOptimize(model->data(model->index(r, s), Qt::DisplayRole));
        return r;
    }

private:
    int m_nachrichten = 0;
    TKR_ScopedMessageHandler m_dialoge{[this](TKR_MessageKind, const QString&, const QString&) {
        ++m_nachrichten;
        return 1;
    }};
    std::unique_ptr<TVerdan_Bestimmung> m_fenster;
};

void BM_Ankreuzen(benchmark::State& state)
{
    Fenster fenster;
    TVerdan_FilterFlagoutPanel& panel = *fenster.F().FilterFlagOutPanel;
    QTreeWidgetItem* kriterium = panel.Baum->topLevelItem(0);
    if (kriterium == nullptr || kriterium->childCount() == 0) {
        state.SkipWithError("no value in the criteria tree");
        return;
    }
    kriterium->setExpanded(true);
    auto* wert = static_cast<TVerdan_FlagOutBaumKnoten*>(kriterium->child(0));
    // Each iteration is one tick: on and off alternate.
    int zeilen = 0;
    for (auto _ : state) {
        panel.ToggleKnoten(wert, true);
        zeilen = fenster.ErsterBildschirm();
    }
    state.counters["Zeilen"] = zeilen;
    state.counters["Uebrig"] = fenster.F().PflanzenGrid->model()->rowCount();
    if (fenster.Nachrichten() != 0) state.SkipWithError("unexpected message");
}
BENCHMARK(BM_Ankreuzen)->Unit(benchmark::kMillisecond)->Iterations(40)->Repetitions(5);

void BM_SucheOhneTreffer(benchmark::State& state)
{
    Fenster fenster;
    fenster.F().Suchtext->setText(QStringLiteral("xqzxqz"));
    for (auto _ : state)
        fenster.F().SuchbuttonClick();
    if (fenster.Nachrichten() != static_cast<int>(state.iterations()))
        state.SkipWithError("the search did not answer \"Suchtext nicht gefunden\"");
}
BENCHMARK(BM_SucheOhneTreffer)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
