#include "bigpage.h"
#include "pagehtml.h"
#include "ratioreporter.h"

#include <QFile>
#include <QTemporaryDir>

// Generating the page of a 10,000-block document, next to writing the same page bytes to a file
// with one buffered call (what saving the generated page costs at the least).

namespace {

constexpr int kBlocks = 10000;

void BM_BuildPageHTML(benchmark::State &state)
{
    TWebChunkList chunks = BigPage(kBlocks);
    TPageHTMLSettings settings;
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray html = BuildPageHTML(chunks, "Benchmark page", settings);
        bytes = html.size();
        benchmark::DoNotOptimize(html.constData());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_WritePageBytesOnce(benchmark::State &state)
{
    TWebChunkList chunks = BigPage(kBlocks);
    const QByteArray html = BuildPageHTML(chunks, "Benchmark page", TPageHTMLSettings());
    QTemporaryDir folder;
    const QString path = folder.filePath("page.html");
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size())
            state.SkipWithError("cannot write");
    }
    state.SetBytesProcessed(state.iterations() * html.size());
}

BENCHMARK(BM_BuildPageHTML)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WritePageBytesOnce)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    return RunWithRatios({{"BM_BuildPageHTML", "BM_WritePageBytesOnce"}});
}
