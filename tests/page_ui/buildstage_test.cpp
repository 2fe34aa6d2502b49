#include "stagefixture.h"
#include "stringtable.h"

#include <QScrollBar>

namespace {

using BuildStageView = StageTest;

TEST_F(BuildStageView, GoingBackToBuildingAsksOnlyAboutHandEditsAndThenDropsTheText)
{
    loadParagraphs(2);
    page.generateHTML();
    EXPECT_TRUE(stage->mayEnter(stPreview));
    EXPECT_TRUE(prompts.asked().isEmpty());

    page.editHTML(page.PageHTML() + "<!-- mine -->");
    prompts.answer(TMsgResult::No);
    EXPECT_FALSE(stage->mayEnter(stPreview));
    EXPECT_EQ(prompts.messages(), QStringList{LoadStr(102)});
    EXPECT_EQ(prompts.asked().last().buttons, TMsgButtons::YesNo);
    EXPECT_TRUE(page.PageHTML().endsWith("<!-- mine -->"));

    prompts.answer(TMsgResult::Yes);
    EXPECT_TRUE(stage->mayEnter(stSend));
    stage->enter(stSend);
    EXPECT_FALSE(page.HTMLGenerated());
    EXPECT_FALSE(page.HTMLHandEdited());
    // The blocks themselves stay, of course.
    EXPECT_EQ(order(), "0 1");
    expectSound();
}

TEST_F(BuildStageView, TheColumnFollowsThePageWhateverChangesIt)
{
    loadParagraphs(3);
    stage->SelectBlock(2);
    EXPECT_EQ(canvas()->webBlocks().size(), 3u);

    // A whole page put in at once shows from its top, with nothing selected.
    TWebChunkList chunks;
    for (int i = 0; i < 12; ++i)
        chunks.push_back(NewWebChunk(bkLine));
    page.setChunks(chunks);
    EXPECT_EQ(canvas()->webBlocks().size(), 8u);
    EXPECT_EQ(stage->SelectedIndex(), -1);
    EXPECT_TRUE(find<QScrollBar>("ScrollBar1")->isVisible());
    EXPECT_TRUE(find<QWidget>("pnlBlank")->isVisible());
    expectSound();

    // Blocks a reader appends land below, without moving the view.
    find<QScrollBar>("ScrollBar1")->setValue(2);
    page.appendChunk(NewWebChunk(bkPara));
    EXPECT_EQ(find<QScrollBar>("ScrollBar1")->value(), 2);
    EXPECT_EQ(find<QScrollBar>("ScrollBar1")->maximum(), 5);
    expectSound();

    page.clear();
    EXPECT_TRUE(canvas()->webBlocks().empty());
    EXPECT_FALSE(find<QScrollBar>("ScrollBar1")->isVisible());
    expectSound();
}

} // namespace
