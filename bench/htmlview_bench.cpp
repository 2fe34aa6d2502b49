// Reading, layout and painting of the viewer compared with QTextDocument and litehtml on the
// same pages at the same widths, measured side by side in one run.
#include "anchorlist.h"
#include "htmlreader.h"
#include "htmlviewmemory.h"
#include "htmlviewpages.h"
#include "litehtmlpeer.h"
#include "tpageviewer.h"
#include "tpainterhost.h"
#include "viewdocument.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 760;
constexpr int kOtherWidth = 520;

struct Page {
    const char *name;
    QByteArray bytes;
    // Written the way people write pages by hand; read + layout should reach 50 MB/s on them.
    bool handWritten = false;
};

const std::vector<Page> &pages()
{
    static const std::vector<Page> all = {
        {"builder-2000", HtmlViewPages::builderPage(2000)},
        {"mixed-1MB", HtmlViewPages::mixedPage(1 << 20)},
        {"manual-1MB", HtmlViewPages::manualPage(1 << 20), true},
        {"news-512KB", HtmlViewPages::newsPage(1 << 19), true},
    };
    return all;
}

// ---- the three engines, each loading a page and laying it out at a width ----

class Ours {
public:
    int load(const QByteArray &page, int width)
    {
        // A fresh host each time, so its cache of word widths starts cold as on a first load.
        m_doc.reset();
        m_host = std::make_unique<TPainterHost>();
        m_doc = std::make_unique<TViewDocument>(m_host.get());
        m_doc->DefaultFontName = QStringLiteral("Liberation Serif");
        m_doc->PreFontName = QStringLiteral("Liberation Mono");
        m_doc->UpdateFonts();
        m_anchors.Clear();
        ParseHtmlBuffer(*m_doc, m_anchors, page.constData(), page.size());
        return m_doc->LayoutDocument(width).Height;
    }
    int relayout(int width) { return m_doc->LayoutDocument(width).Height; }
    void clear() { m_doc.reset(); }

private:
    std::unique_ptr<TPainterHost> m_host;
    TAnchorList m_anchors;
    std::unique_ptr<TViewDocument> m_doc;
};

class TextDocumentPeer {
public:
    int load(const QByteArray &page, int width)
    {
        m_doc = std::make_unique<QTextDocument>();
        m_doc->setDefaultFont(QFont(QStringLiteral("Liberation Serif"), 12));
        m_doc->setHtml(QString::fromLatin1(page));
        m_doc->setTextWidth(width);
        return int(m_doc->documentLayout()->documentSize().height());
    }
    int relayout(int width)
    {
        m_doc->setTextWidth(width);
        return int(m_doc->documentLayout()->documentSize().height());
    }
    void clear() { m_doc.reset(); }

private:
    std::unique_ptr<QTextDocument> m_doc;
};

template <typename Engine> void BM_Load(benchmark::State &state, const Page *page)
{
    Engine engine;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.load(page->bytes, kWidth));
        state.PauseTiming();
        engine.clear();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * page->bytes.size());
}

template <typename Engine> void BM_Relayout(benchmark::State &state, const Page *page)
{
    Engine engine;
    engine.load(page->bytes, kWidth);
    bool narrow = false;
    for (auto _ : state) {
        narrow = !narrow;
        benchmark::DoNotOptimize(engine.relayout(narrow ? kOtherWidth : kWidth));
    }
}

// One screenful (800 x 600) of the page, painted from the middle of the document.
class Screenful {
public:
    explicit Screenful(const Page &page) : m_image(800, 600, QImage::Format_ARGB32_Premultiplied)
    {
        m_viewer.resize(802, 602);
        m_viewer.LoadLines(page.bytes.split('\n'));
        m_viewer.SetPosition(m_viewer.DocumentHeight() / 2);
    }
    void paint()
    {
        QPainter painter(&m_image);
        m_viewer.PaintDocument(painter, QRect(QPoint(0, 0), m_viewer.ViewSize()));
    }

private:
    TPageViewer m_viewer;
    QImage m_image;
};

void BM_PaintScreenful(benchmark::State &state, const Page *page)
{
    Screenful screen(*page);
    for (auto _ : state)
        screen.paint();
}

void registerBenchmarks()
{
    for (const Page &page : pages()) {
        const std::string n = page.name;
        benchmark::RegisterBenchmark(("load/ours/" + n).c_str(), BM_Load<Ours>, &page)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("load/qtextdocument/" + n).c_str(), BM_Load<TextDocumentPeer>, &page)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("load/litehtml/" + n).c_str(), BM_Load<LitehtmlPeer>, &page)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("relayout/ours/" + n).c_str(), BM_Relayout<Ours>, &page)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("relayout/qtextdocument/" + n).c_str(), BM_Relayout<TextDocumentPeer>,
                                     &page)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("relayout/litehtml/" + n).c_str(), BM_Relayout<LitehtmlPeer>, &page)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("paint-screenful/ours/" + n).c_str(), BM_PaintScreenful, &page)
            ->Unit(benchmark::kMillisecond);
    }
}

// ---- the printed summary: interleaved repetitions, ratios with their spread ----

struct Spread {
    double min = 0, median = 0, max = 0;
};

Spread spreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

// CPU time of this thread: the benchmark machine is shared, and wall time would count the
// other programs' turns as ours.
double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double millisecondsOf(const std::function<void()> &work)
{
    const double start = threadMilliseconds();
    work();
    return threadMilliseconds() - start;
}

template <typename Engine> size_t peakBytesOfLoad(const QByteArray &page)
{
    Engine engine;
    HtmlViewMemory::resetPeak();
    engine.load(page, kWidth);
    const size_t peak = HtmlViewMemory::peakSinceReset();
    engine.clear();
    return peak;
}

void printRatio(const char *what, const std::vector<double> &ours, const std::vector<double> &peer,
                double goal)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < ours.size(); ++i)
        ratios.push_back(ours[i] / peer[i]);
    const Spread r = spreadOf(ratios);
    const Spread o = spreadOf(ours);
    const Spread p = spreadOf(peer);
    std::printf(
        "  %-34s ours %8.2f ms  peer %8.2f ms  ratio min %.3f  median %.3f  max %.3f  goal <= %.2f  %s\n",
        what, o.median, p.median, r.min, r.median, r.max, goal, r.median <= goal ? "met" : "MISSED");
}

void printSummary(int repetitions)
{
    std::printf("\nSummary (CPU time, %d interleaved repetitions, width %d, re-layout %d <-> %d)\n",
                repetitions, kWidth, kWidth, kOtherWidth);
    for (const Page &page : pages()) {
        std::printf("%s (%lld bytes)\n", page.name, (long long)page.bytes.size());
        std::vector<double> loadOurs, loadQtd, loadLite, reOurs, reQtd, reLite, paint;
        Ours ours;
        TextDocumentPeer qtd;
        LitehtmlPeer lite;
        // The heights show that every engine really laid the page out.
        std::printf("  laid-out height at %d: ours %d  QTextDocument %d  litehtml %d\n", kWidth,
                    ours.load(page.bytes, kWidth), qtd.load(page.bytes, kWidth),
                    lite.load(page.bytes, kWidth));
        for (int i = 0; i < repetitions; ++i) {
            loadOurs.push_back(millisecondsOf([&] { ours.load(page.bytes, kWidth); }));
            loadQtd.push_back(millisecondsOf([&] { qtd.load(page.bytes, kWidth); }));
            loadLite.push_back(millisecondsOf([&] { lite.load(page.bytes, kWidth); }));
            const int width = i % 2 ? kWidth : kOtherWidth;
            reOurs.push_back(millisecondsOf([&] { ours.relayout(width); }));
            reQtd.push_back(millisecondsOf([&] { qtd.relayout(width); }));
            reLite.push_back(millisecondsOf([&] { lite.relayout(width); }));
            ours.clear();
            qtd.clear();
            lite.clear();
        }
        const double megabytesPerSecond =
            page.bytes.size() / 1048576.0 / (spreadOf(loadOurs).median / 1000.0);
        if (page.handWritten)
            std::printf("  %-34s %.1f MB/s  goal >= 50 MB/s  %s\n", "read+layout throughput",
                        megabytesPerSecond, megabytesPerSecond >= 50 ? "met" : "MISSED");
        else
            std::printf("  %-34s %.1f MB/s\n", "read+layout throughput", megabytesPerSecond);
        printRatio("read+layout vs QTextDocument", loadOurs, loadQtd, 0.2);
        printRatio("read+layout vs litehtml", loadOurs, loadLite, 1.0);
        printRatio("re-layout vs QTextDocument", reOurs, reQtd, 0.1);
        printRatio("re-layout vs litehtml", reOurs, reLite, 1.0);

        Screenful screen(page);
        for (int i = 0; i < repetitions; ++i)
            paint.push_back(millisecondsOf([&] { screen.paint(); }));
        const Spread s = spreadOf(paint);
        std::printf("  %-34s min %.2f  median %.2f  max %.2f ms  goal <= 5 ms  %s\n", "paint one screenful",
                    s.min, s.median, s.max, s.median <= 5.0 ? "met" : "MISSED");

        const size_t memOurs = peakBytesOfLoad<Ours>(page.bytes);
        const size_t memQtd = peakBytesOfLoad<TextDocumentPeer>(page.bytes);
        const size_t memLite = peakBytesOfLoad<LitehtmlPeer>(page.bytes);
        std::printf("  %-34s ours %.1f MB  QTextDocument %.1f MB  litehtml %.1f MB  %s\n",
                    "peak heap while loading", memOurs / 1048576.0, memQtd / 1048576.0, memLite / 1048576.0,
                    memOurs < memQtd ? "less than QTextDocument: met" : "MISSED");
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary(qEnvironmentVariableIntValue("ZV_BENCH_REPETITIONS") > 0
                     ? qEnvironmentVariableIntValue("ZV_BENCH_REPETITIONS")
                     : 7);
    return 0;
}
