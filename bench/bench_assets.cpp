// Listing a new stock on a large market.
#include "BenchSupport.h"
#include "assets/Form6.h"
#include "assets/Form7.h"
#include "assets/Symbols.h"
#include "game/Module1.h"
#include "ui/Forms.h"
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

void BM_AddAsset(benchmark::State& state)
{
    EnsureApplication();
    BenchMarket market(int(state.range(0)));
    Form6& f = Forms::Get<Form6>();
    f.Text1->setText(QStringLiteral("New company"));
    f.Text3->setText(QStringLiteral("12.5"));
    int n = 0;
    for (auto _ : state) {
        f.Text2->setText(QStringLiteral("NEW%1").arg(++n));
        Module1::AddAsset();
    }
    FinishBenchGame();
}
BENCHMARK(BM_AddAsset)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
