#include "bigpage.h"
#include "buildstage.h"
#include "page.h"
#include "pagecanvas.h"
#include "ratioreporter.h"
#include "webblock.h"

#include <QApplication>
#include <QScrollBar>

// The build stage on a 10,000-block page next to the same stage on a 16-block page: scrolling
// the column, selecting a block and dragging one within the column should cost the same on both,
// since only the eight visible slots are touched.

namespace {

struct Stage {
    explicit Stage(int blocks)
    {
        page.setChunks(BigPage(blocks));
        stage.SelectFirstBlock();
        bar = stage.findChild<QScrollBar *>(QStringLiteral("ScrollBar1"));
    }
    TPage page;
    TBuildStage stage{page};
    QScrollBar *bar = nullptr;
};

void BM_ScrollStep(benchmark::State &state)
{
    Stage s(int(state.range(0)));
    const int middle = s.bar->maximum() / 2;
    int step = 0;
    for (auto _ : state) {
        // Back and forth around the middle, one block at a time.
        s.bar->setValue(middle + (step++ % 2));
    }
}
BENCHMARK(BM_ScrollStep)->Arg(16)->Arg(10000);

void BM_SelectBlock(benchmark::State &state)
{
    Stage s(int(state.range(0)));
    s.bar->setValue(s.bar->maximum() / 2);
    const std::vector<TWebBlock *> &blocks = s.stage.canvas()->webBlocks();
    int slot = 0;
    for (auto _ : state)
        s.stage.canvas()->HighLightBlock(blocks[size_t(slot++ % 8)]->SlotIndex);
}
BENCHMARK(BM_SelectBlock)->Arg(16)->Arg(10000);

void BM_MoveWithinColumn(benchmark::State &state)
{
    // What a column drag does when the block is dropped: the model's move and the column's
    // refresh (the mouse handling around it does not depend on the page).
    Stage s(int(state.range(0)));
    TPageColumn &column = const_cast<TPageColumn &>(s.stage.column());
    column.scrollTo(s.bar->maximum() / 2);
    int step = 0;
    for (auto _ : state) {
        const int from = column.first() + (step % 2 ? 6 : 1);
        column.move(from, step % 2 ? 1 : 6);
        s.stage.canvas()->syncColumn();
        ++step;
    }
}
BENCHMARK(BM_MoveWithinColumn)->Arg(16)->Arg(10000);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ZV_TEST_MODE", "1");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    return RunWithRatios({{"BM_ScrollStep/10000", "BM_ScrollStep/16"},
                          {"BM_SelectBlock/10000", "BM_SelectBlock/16"},
                          {"BM_MoveWithinColumn/10000", "BM_MoveWithinColumn/16"}});
}
