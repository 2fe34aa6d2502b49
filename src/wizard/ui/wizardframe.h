#pragma once

#include <QDialog>
#include <QList>
#include <QSize>
#include <QString>

class QPushButton;
class QStackedWidget;

// The frame of the program's wizards: a modal dialog showing one page at a time (pages without
// headers) above a rule and the buttons Help, Back, Next or Finish (one place; only one of the
// two is visible) and Cancel, which, like Escape, closes without saving or asking. A wizard
// derives from it, creates its pages in pageStack() and hands them to finishFrame:
//
//     TfrmMyWizard::TfrmMyWizard(QWidget *parent)
//         : TWizardFrame(QStringLiteral("frmMyWizard"), LoadStr(700), QStringLiteral("pagMine"), parent)
//     {
//         m_first = new TMyFirstPage(pageStack());
//         m_second = new TMySecondPage(pageStack());
//         finishFrame({m_first, m_second}, QSize(620, 400));
//         connect(NextButt, &QPushButton::clicked, this, &TfrmMyWizard::NextButtClick);
//     }
//
// The frame moves between pages only when asked; what Next, Back, Finish and Help do is the
// wizard's own.
class TWizardFrame : public QDialog {
    Q_OBJECT
protected:
    // pagesName names the page stack, so that tests can ask which page is shown.
    TWizardFrame(const QString &objectName, const QString &caption, const QString &pagesName,
                 QWidget *parent);

    // Where the wizard creates its pages; they are created before the buttons so that the Tab key
    // visits a page's controls before the buttons.
    QStackedWidget *pageStack() const { return m_pages; }
    // Adds the pages in order, then the buttons, and lays the dialog out at size.
    void finishFrame(const QList<QWidget *> &pages, QSize size);

    int currentPage() const;
    // Shows page index; Back is enabled on every page but the first. The page's first control
    // that takes the focus gets it, so the keyboard carries on where the eye does; a page with none
    // leaves it to the Next or Finish button.
    void setCurrentPage(int index);
    void ShowNext();
    void ShowFinish();

    QPushButton *butHelp = nullptr;
    QPushButton *BackButt = nullptr;
    QPushButton *NextButt = nullptr;
    QPushButton *FinishButt = nullptr;
    QPushButton *CancelButt = nullptr;

private:
    void focusPage(QWidget *page);

    QStackedWidget *m_pages = nullptr;
};
