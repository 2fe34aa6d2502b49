#include "artpicture.h"
#include "mainwindowfixture.h"
#include "mascotwalker.h"
#include "playwave.h"

#include <QTimer>

namespace {

// Records every step of the mascot's walks and every sound the walker asked for, through the
// real PlayWave so that the sound switch is honoured.
class MascotWalk : public MainWindowFixture {
public:
    TMascotWalker *walker()
    {
        auto *found = window->findChild<TMascotWalker *>(QStringLiteral("mascotWalker"));
        EXPECT_NE(found, nullptr);
        return found;
    }

    void listen()
    {
        TMascotWalker *w = walker();
        w->setSoundPlayer([this](const QString &name) {
            const bool played = PlayWave(name);
            if (played)
                sounds << name;
            return played;
        });
        QObject::connect(w, &TMascotWalker::stepped, window.get(), [this](const TMascotStep &step) {
            steps.push_back(step);
            const QWidget *mascot = find("picWindy");
            shown.push_back(mascot->isVisible() ? mascot->geometry() : QRect());
            pictures << find<TArtPicture>("picWindy")->picture();
        });
    }

    std::vector<TMascotStep> steps;
    std::vector<QRect> shown;
    QStringList pictures;
    QStringList sounds;
};

TEST_F(MascotWalk, WalksToTheTargetIgnoringClicksAndLeavesACleanToolbar)
{
    setSetting(QStringLiteral("PlaySounds"), QStringLiteral("Yes"));
    TfrmMain &w = open();
    listen();
    // Clicks on other buttons arrive while the mascot is on its way; the walk pumps them but the
    // switch in progress must not act on them.
    QObject::connect(walker(), &TMascotWalker::stepped, &w, [this](const TMascotStep &) {
        if (steps.size() == 3) {
            QTimer::singleShot(0, window.get(), [this] { clickToolbar(10); });
            QTimer::singleShot(0, window.get(), [this] { clickToolbar(460); });
        }
    });

    clickToolbar(300);
    QCoreApplication::processEvents();

    EXPECT_EQ(w.CurrentStage(), stPreview);
    EXPECT_EQ(walker()->MascotStage(), stPreview);
    ASSERT_EQ(steps.size(), 20u);
    // The last step stands at the preview button: the build leg's edge plus ten of its steps.
    EXPECT_EQ(shown.back(), QRect(156 + 120, 12, 64, 59));
    EXPECT_EQ(shown.front(), QRect(24 + 13, 12, 64, 59));
    EXPECT_EQ(sounds, QStringList{QStringLiteral("wavGlide")});
    // Two walking poses, taking turns.
    EXPECT_EQ(pictures.mid(0, 3), (QStringList{QStringLiteral("Mascot"), QStringLiteral("MascotWalk"),
                                               QStringLiteral("Mascot")}));
    // The clean toolbar is back: no mascot, the highlight on the preview button.
    EXPECT_FALSE(find("picWindy")->isVisible());
    EXPECT_TRUE(find("picRedPill")->isVisible());
    EXPECT_EQ(find("picRedPill")->geometry(), QRect(230, 0, 170, 96));
    EXPECT_TRUE(prompts.asked().isEmpty());
}

TEST_F(MascotWalk, WalksBackFacingLeftAndStaysPutForTheSameStage)
{
    setSetting(QStringLiteral("PlaySounds"), QStringLiteral("Yes"));
    TfrmMain &w = open();
    listen();
    clickToolbar(150);
    ASSERT_EQ(w.CurrentStage(), stBuild);
    steps.clear();
    shown.clear();
    pictures.clear();

    clickToolbar(5);
    EXPECT_EQ(w.CurrentStage(), stChoose);
    ASSERT_EQ(steps.size(), 10u);
    EXPECT_EQ(shown.back(), QRect(156 - 130, 12, 64, 59));
    EXPECT_EQ(pictures.mid(0, 2), (QStringList{QStringLiteral("MascotB"), QStringLiteral("MascotBWalk")}));
    EXPECT_EQ(sounds.size(), 2);

    // Choosing the stage the mascot stands on neither walks nor sounds.
    clickToolbar(5);
    EXPECT_EQ(steps.size(), 10u);
    EXPECT_EQ(sounds.size(), 2);
}

TEST_F(MascotWalk, SilentWithSoundsSwitchedOffYetStillWalks)
{
    setSetting(QStringLiteral("PlaySounds"), QStringLiteral("No"));
    TfrmMain &w = open();
    listen();
    clickToolbar(150);
    EXPECT_EQ(w.CurrentStage(), stBuild);
    EXPECT_EQ(steps.size(), 10u);
    EXPECT_TRUE(sounds.isEmpty());
    EXPECT_TRUE(PlayWave(QStringLiteral("wavClick1")) == false);
}

} // namespace
