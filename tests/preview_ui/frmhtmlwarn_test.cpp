#include "frmhtmlwarn.h"
#include "mainwindowfixture.h"
#include "stringtable.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

using HTMLWarn = MainWindowFixture;

TEST_F(HTMLWarn, ShowsItsTextsAsStoredAndAnswersNoUnlessYesIsPressed)
{
    TfrmHTMLWarn alert;
    EXPECT_EQ(alert.windowTitle(), LoadStr(1100));
    EXPECT_EQ(alert.findChild<QLabel *>(QStringLiteral("lbl1"))->text(), LoadStr(1101));
    // The doubled apostrophe is part of the stored text and is shown.
    EXPECT_EQ(alert.findChild<QCheckBox *>(QStringLiteral("chkHTML"))->text(),
              QStringLiteral("Don''t show this screen again."));
    EXPECT_EQ(alert.answer().result, TMsgResult::No);
    alert.reject();
    EXPECT_EQ(alert.answer().result, TMsgResult::No);
    EXPECT_FALSE(alert.answer().dontShowAgain);
}

TEST_F(HTMLWarn, TheCheckBoxCountsWithEitherButton)
{
    for (const char *button : {"butYes", "butNo"}) {
        TfrmHTMLWarn alert;
        alert.show();
        alert.findChild<QCheckBox *>(QStringLiteral("chkHTML"))->setChecked(true);
        QTest::mouseClick(alert.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
        EXPECT_EQ(alert.answer().result, QByteArray(button) == "butYes" ? TMsgResult::Yes : TMsgResult::No);
        EXPECT_TRUE(alert.answer().dontShowAgain) << button;
        EXPECT_FALSE(alert.isVisible());
    }
    // The alert itself stores nothing; the preview stage that showed it does.
    EXPECT_NE(setting(QStringLiteral("ShowHTMLWarning")), QStringLiteral("No"));
}

} // namespace
