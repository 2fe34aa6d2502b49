#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

// What a removed row leaves selected.
enum class TWizardRemoval {
    SelectNothing, // a second click on Delete never removes an entry the user did not pick
    SelectNext,    // the row that takes its place (or the new last one), to delete one after another
};

// What makes one wizard's list page its own.
struct TWizardListTexts {
    QString PageName, ListName;
    // What a screen reader calls the list.
    QString ListTitle;
    // The two texts above the list; the second is hidden at first when HideSecond is set.
    QString FirstName, SecondName;
    int First = -1, Second = -1;
    bool HideSecond = false;
    // The hints below the list, for modifying and for deleting.
    int Modify = -1, Delete = -1;
    QIcon Up, Down;
    TWizardRemoval Removal = TWizardRemoval::SelectNothing;
};

// A wizard's list page: the entries in their order, the arrows that move the selected entry, the
// Delete button and the hints for modifying and deleting. The wizard drives the controls. On the
// keyboard the arrow keys choose an entry, Ctrl with Up or Down presses the arrows and Delete
// presses the Delete button while it is shown.
class TWizardListPage : public QWidget {
    Q_OBJECT
public:
    TWizardListPage(const TWizardListTexts &texts, QWidget *parent = nullptr);

    // The list's rows change only through these, which never report a changed selection: the
    // wizard reacts to the user's clicks, not to its own rearranging.
    void setNames(const QStringList &names);
    void addName(const QString &name);
    void setName(int row, const QString &name);
    // Moves a row and keeps it selected.
    void moveRow(int from, int to);
    // Removes a row; what stays selected follows the page's TWizardRemoval.
    void removeRow(int row);
    // The selected row, -1 when none.
    int selectedRow() const;

    QLabel *lblFirst = nullptr;
    QLabel *lblSecond = nullptr;
    QListWidget *lstItems = nullptr;
    QToolButton *spbUp = nullptr;
    QToolButton *spbDown = nullptr;
    QPushButton *butDelete = nullptr;
    QLabel *lblModify = nullptr;
    QLabel *lblDelete = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *arrow(const QString &objectName, const QString &name, const QIcon &icon);

    TWizardRemoval m_removal;
};
