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
    EXPECT_EQ(alert.answer(), TMsgResult::No);
    alert.reject();
    EXPECT_EQ(alert.answer(), TMsgResult::No);
    EXPECT_NE(setting(QStringLiteral("ShowHTMLWarning")), QStringLiteral("No"));
}

TEST_F(HTMLWarn, TheCheckBoxWithYesAlsoSwitchesTheAlertOff)
{
    TfrmHTMLWarn alert;
    alert.show();
    alert.findChild<QCheckBox *>(QStringLiteral("chkHTML"))->setChecked(true);
    QTest::mouseClick(alert.findChild<QPushButton *>(QStringLiteral("butYes")), Qt::LeftButton);
    EXPECT_EQ(alert.answer(), TMsgResult::Yes);
    EXPECT_EQ(setting(QStringLiteral("ShowHTMLWarning")), QStringLiteral("No"));
    EXPECT_FALSE(alert.isVisible());
}

} // namespace
