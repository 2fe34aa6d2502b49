#include "wizardframe.h"
#include "wizardlistpage.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// The smallest wizard: two pages with an edit box each.
class TTwoPageWizard : public TWizardFrame {
public:
    TTwoPageWizard()
        : TWizardFrame(QStringLiteral("frmTwo"), QStringLiteral("Two"), QStringLiteral("pagTwo"), nullptr)
    {
        first = new QLineEdit(pageStack());
        second = new QLineEdit(pageStack());
        finishFrame({first, second}, QSize(400, 300));
        connect(NextButt, &QPushButton::clicked, this, [this] {
            setCurrentPage(1);
            ShowFinish();
        });
        connect(BackButt, &QPushButton::clicked, this, [this] {
            setCurrentPage(0);
            ShowNext();
        });
        setCurrentPage(0);
    }
    QLineEdit *first = nullptr;
    QLineEdit *second = nullptr;
    QPushButton *button(const char *name) { return findChild<QPushButton *>(QString::fromLatin1(name)); }
};

} // namespace

TEST(WizardFrame, NextAndFinishShareTheirPlaceAndBackWaitsForTheSecondPage)
{
    TTwoPageWizard wizard;
    wizard.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&wizard));
    auto *pages = wizard.findChild<QStackedWidget *>("pagTwo");
    ASSERT_NE(pages, nullptr);
    EXPECT_FALSE(wizard.button("BackButt")->isEnabled());
    EXPECT_TRUE(wizard.button("NextButt")->isVisible());
    EXPECT_FALSE(wizard.button("FinishButt")->isVisible());
    EXPECT_TRUE(wizard.button("NextButt")->isDefault());

    const int nextRight = wizard.button("NextButt")->geometry().right();
    QTest::mouseClick(wizard.button("NextButt"), Qt::LeftButton);
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_TRUE(wizard.button("BackButt")->isEnabled());
    EXPECT_FALSE(wizard.button("NextButt")->isVisible());
    EXPECT_TRUE(wizard.button("FinishButt")->isVisible());
    EXPECT_TRUE(wizard.button("FinishButt")->isDefault());
    // Finish stands where Next stood.
    EXPECT_EQ(wizard.button("FinishButt")->geometry().right(), nextRight);

    QTest::mouseClick(wizard.button("CancelButt"), Qt::LeftButton);
    EXPECT_FALSE(wizard.isVisible());
    EXPECT_EQ(wizard.result(), QDialog::Rejected);
}

TEST(WizardFrame, TabVisitsThePageBeforeTheButtons)
{
    TTwoPageWizard wizard;
    wizard.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&wizard));
    // The focus chain follows creation: the pages' controls come first, then Help.
    QWidget *afterFirst = wizard.first->nextInFocusChain();
    EXPECT_EQ(afterFirst, wizard.second);
    EXPECT_EQ(wizard.second->nextInFocusChain()->objectName(), "butHelp");
}

TEST(WizardListPage, RemovingLeavesTheSelectionTheWizardAskedFor)
{
    TWizardListTexts texts;
    texts.ListName = "lstThings";
    auto removeSecondOfThree = [](const TWizardListTexts &t) {
        TWizardListPage page(t);
        page.setNames({"a", "b", "c"});
        page.lstItems->setCurrentRow(1);
        page.removeRow(1);
        EXPECT_EQ(page.lstItems->count(), 2);
        return page.selectedRow();
    };
    texts.Removal = TWizardRemoval::SelectNothing;
    EXPECT_EQ(removeSecondOfThree(texts), -1);
    texts.Removal = TWizardRemoval::SelectNext;
    EXPECT_EQ(removeSecondOfThree(texts), 1);

    TWizardListPage page(texts);
    page.setNames({"a", "b", "c"});
    page.lstItems->setCurrentRow(2);
    page.removeRow(2);
    EXPECT_EQ(page.selectedRow(), 1); // the new last one
    page.moveRow(1, 0);
    EXPECT_EQ(page.selectedRow(), 0);
    EXPECT_EQ(page.lstItems->item(0)->text(), "b");
}

TEST(WizardFrame, EachPageTakesTheFocusAndTheKeysMoveOn)
{
    TTwoPageWizard wizard;
    wizard.show();
    QApplication::setActiveWindow(&wizard);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&wizard));
    EXPECT_EQ(QApplication::focusWidget(), wizard.first);

    // Enter presses Next, and the next page's field takes the typing at once.
    QTest::keyClick(wizard.first, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), wizard.second);
    QTest::keyClicks(QApplication::focusWidget(), "typed");
    EXPECT_EQ(wizard.second->text(), "typed");

    // The focus on Next passes to Finish when Finish takes its place, and back again.
    QTest::mouseClick(wizard.button("BackButt"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), wizard.first);
    wizard.button("NextButt")->setFocus();
    QTest::keyClick(wizard.button("NextButt"), Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), wizard.second);
    wizard.button("FinishButt")->setFocus();
    QTest::keyClick(wizard.button("FinishButt"), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), wizard.button("BackButt"));
    QTest::keyClick(wizard.button("BackButt"), Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), wizard.first);

    // Escape is Cancel.
    QTest::keyClick(wizard.first, Qt::Key_Escape);
    EXPECT_FALSE(wizard.isVisible());
    EXPECT_EQ(wizard.result(), QDialog::Rejected);
}

TEST(WizardListPage, TheKeysMoveAndDeleteTheSelectedEntry)
{
    TWizardListTexts texts;
    texts.ListName = QStringLiteral("lstThings");
    texts.ListTitle = QStringLiteral("Things");
    QWidget window;
    auto *page = new TWizardListPage(texts, &window);
    page->setNames({"one", "two", "three"});
    int deletes = 0;
    QObject::connect(page->butDelete, &QPushButton::clicked, [&] { ++deletes; });
    QObject::connect(page->spbUp, &QToolButton::clicked,
                     [&] { page->moveRow(page->selectedRow(), page->selectedRow() - 1); });
    QObject::connect(page->spbDown, &QToolButton::clicked,
                     [&] { page->moveRow(page->selectedRow(), page->selectedRow() + 1); });
    window.show();
    QApplication::setActiveWindow(&window);

    page->lstItems->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page->lstItems, Qt::Key_Down);
    ASSERT_EQ(page->selectedRow(), 1);
    QTest::keyClick(page->lstItems, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(page->lstItems->item(0)->text(), "two");
    EXPECT_EQ(page->selectedRow(), 0);
    QTest::keyClick(page->lstItems, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(page->lstItems->item(1)->text(), "two");
    QTest::keyClick(page->lstItems, Qt::Key_Delete);
    EXPECT_EQ(deletes, 1);
    // A hidden Delete button is not pressed by its key either.
    page->butDelete->hide();
    QTest::keyClick(page->lstItems, Qt::Key_Delete);
    EXPECT_EQ(deletes, 1);

    // The list and the arrows are named for a screen reader and visited in the column's order.
    EXPECT_EQ(page->lstItems->accessibleName(), "Things");
    EXPECT_FALSE(page->spbUp->accessibleName().isEmpty());
    EXPECT_FALSE(page->spbDown->accessibleName().isEmpty());
    page->lstItems->setFocus(Qt::TabFocusReason);
    QTest::keyClick(page->lstItems, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page->spbUp);
    QTest::keyClick(page->spbUp, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page->spbDown);
}
