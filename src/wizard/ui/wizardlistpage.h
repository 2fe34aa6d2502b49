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
// Delete button and the hints for modifying and deleting. The wizard drives the controls.
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

private:
    QToolButton *arrow(const QString &objectName, const QIcon &icon);

    TWizardRemoval m_removal;
};
