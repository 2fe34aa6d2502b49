#pragma once

#include "buildstage.h"
#include "page.h"
#include "pagecanvas.h"
#include "qtprinters.h"
#include "scriptedprompts.h"
#include "webblock.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A fresh build stage on an empty page for every test, shown offscreen, with the HTML folder in
// a temporary folder and the scripted prompts answering.
class StageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TPageCanvas *canvas() const { return stage->canvas(); }
    TWebBlock *toolbox(TBlockKind kind) const { return canvas()->toolboxImage(kind); }
    TWebBlock *block(int slot) const { return canvas()->webBlocks().at(size_t(slot)); }
    template <typename T> T *find(const char *name) const
    {
        T *widget = stage->findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Held pictures are carried by the middle of their top edge: a pointer at (x, y) of the
    // toolbox panel puts the picture's top left at (x - 47, y), before the column's snapping.
    static void press(TWebBlock *picture);
    static void carryTo(TWebBlock *picture, int left, int top);
    static void release(TWebBlock *picture);
    // The top a pointer needs to be over a row: toolbox pictures count rows of 32 pixels from
    // the top, column blocks rows of 31 from the first slot.
    static int toolboxRowTop(int row) { return 32 * row + 2; }
    static int columnRowTop(int row) { return 1 + 31 * row + 2; }

    // A whole drag of a toolbox picture into a row, waiting until it is home again.
    void dropNew(TBlockKind kind, int row);
    // A whole drag of the column block in a slot to a row and a left edge.
    void dragBlock(int slot, int row, int left = TPageCanvas::kColumnLeft);
    // Puts paragraphs "0", "1", ... on the page as a document reader would.
    void loadParagraphs(int count);
    QByteArray order() const;
    void expectSound() const { EXPECT_EQ(stage->selfCheck(), QStringList()); }

    QTemporaryDir folder;
    ScriptedPrompts prompts;
    TPage page;
    std::unique_ptr<TBuildStage> stage;
};
