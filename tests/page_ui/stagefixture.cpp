#include "stagefixture.h"

#include "tempsettings.h"
#include "webchunk.h"

#include <QDir>

namespace {
// Settings and the program folder of every test go to a temporary folder, never the user's.
class StageEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        m_settings = std::make_unique<TempSettings>();
        qputenv("ZORVIN_HOME", m_home.path().toLocal8Bit());
    }
    void TearDown() override { m_settings.reset(); }

private:
    QTemporaryDir m_home;
    std::unique_ptr<TempSettings> m_settings;
};
const auto *const kEnvironment = ::testing::AddGlobalTestEnvironment(new StageEnvironment);
} // namespace

void StageTest::SetUp()
{
    ASSERT_TRUE(folder.isValid());
    stage = std::make_unique<TBuildStage>(page);
    stage->setHtmlFolder(folder.path() + QDir::separator());
    stage->show();
}

void StageTest::TearDown()
{
    stage.reset();
}

void StageTest::press(TWebBlock *picture)
{
    QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, QPoint(47, 5));
    // The first move picks the picture up and takes hold of its top edge's middle.
    QTest::mouseMove(picture, QPoint(48, 5));
}

void StageTest::carryTo(TWebBlock *picture, int left, int top)
{
    QTest::mouseMove(picture, QPoint(left + 47 - picture->x(), top - picture->y()));
}

void StageTest::release(TWebBlock *picture)
{
    QTest::mouseRelease(picture, Qt::LeftButton, Qt::NoModifier, QPoint(47, 1));
}

void StageTest::dropNew(TBlockKind kind, int row)
{
    TWebBlock *image = toolbox(kind);
    press(image);
    carryTo(image, TPageCanvas::kColumnLeft, toolboxRowTop(row));
    release(image);
    QTRY_VERIFY(!canvas()->toolboxDragging());
}

void StageTest::dragBlock(int slot, int row, int left)
{
    QPointer<TWebBlock> held = block(slot);
    press(held);
    carryTo(held, left, columnRowTop(row));
    release(held);
    QTRY_VERIFY(held.isNull()); // the carried block is freed after the drop
}

void StageTest::loadParagraphs(int count)
{
    for (int i = 0; i < count; ++i) {
        TWebChunk chunk = NewWebChunk(bkPara);
        chunk.Para()->Text = QByteArray::number(i);
        EXPECT_TRUE(page.appendChunk(chunk));
    }
}

QByteArray StageTest::order() const
{
    QByteArray out;
    for (const TWebChunk &chunk : page.WebChunks()) {
        if (chunk.Para())
            out += chunk.Para()->Text.isEmpty() ? QByteArray("P") : chunk.Para()->Text;
        else
            out += TWebBlock::BrickName(chunk.Kind()).toLatin1();
        out += ' ';
    }
    return out.trimmed();
}
