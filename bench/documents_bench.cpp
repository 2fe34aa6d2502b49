#include "bigpage.h"
#include "builderdocument.h"
#include "ratioreporter.h"

#include <QFile>
#include <QTemporaryDir>

// Writing and reading a 10,000-block builder document, next to the plain limit of the same work:
// writing and reading the same bytes with one buffered call each.

namespace {

constexpr int kBlocks = 10000;

struct Fixture {
    TWebChunkList chunks = BigPage(kBlocks);
    QByteArray bytes = DocumentBytes("Starry Night", "Benchmark page", chunks);
    QTemporaryDir folder;
    QString path = folder.filePath("big.zve");
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void writeRaw(benchmark::State &state, const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        state.SkipWithError("cannot write");
}

QByteArray readRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void BM_WriteDocument(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        if (!WriteDocument(f.path, "Starry Night", "Benchmark page", f.chunks))
            state.SkipWithError("cannot write");
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_WriteBytesOnce(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state)
        writeRaw(state, f.path, f.bytes);
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_ReadDocument(benchmark::State &state)
{
    Fixture &f = fixture();
    writeRaw(state, f.path, f.bytes);
    for (auto _ : state) {
        const TDocumentRead read = ReadDocument(f.path);
        if (read.Chunks.size() != size_t(kBlocks))
            state.SkipWithError("document did not read back");
        benchmark::DoNotOptimize(read.Chunks.data());
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_ReadBytesOnce(benchmark::State &state)
{
    Fixture &f = fixture();
    writeRaw(state, f.path, f.bytes);
    for (auto _ : state) {
        const QByteArray bytes = readRaw(f.path);
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_DocumentRoundTrip(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        WriteDocument(f.path, "Starry Night", "Benchmark page", f.chunks);
        const TDocumentRead read = ReadDocument(f.path);
        benchmark::DoNotOptimize(read.Chunks.data());
    }
}

void BM_RawRoundTrip(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        writeRaw(state, f.path, f.bytes);
        const QByteArray bytes = readRaw(f.path);
        benchmark::DoNotOptimize(bytes.constData());
    }
}

BENCHMARK(BM_WriteDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBytesOnce)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBytesOnce)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocumentRoundTrip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    return RunWithRatios({{"BM_WriteDocument", "BM_WriteBytesOnce"},
                          {"BM_ReadDocument", "BM_ReadBytesOnce"},
                          {"BM_DocumentRoundTrip", "BM_RawRoundTrip"}});
}
