#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

// The server wizard's list page: the servers in their order, the arrows that move the selected
// server, the Delete button and the hints for modifying and deleting. The form drives the controls.
class TServerWizListPage : public QWidget {
    Q_OBJECT
public:
    explicit TServerWizListPage(QWidget *parent = nullptr);

    // The list's rows change only through these, which never report a changed selection: the form
    // reacts to the user's clicks, not to its own rearranging.
    void setNames(const QStringList &names);
    void addName(const QString &name);
    void setName(int row, const QString &name);
    // Moves a row and keeps it selected.
    void moveRow(int from, int to);
    // Removes a row and leaves nothing selected, so that a second click on Delete never removes a
    // server the user did not pick.
    void removeRow(int row);
    // The selected row, -1 when none.
    int selectedRow() const;

    QLabel *lblModDesc = nullptr;
    QLabel *lblDelDesc = nullptr;
    QListWidget *lstServers = nullptr;
    QToolButton *spbUp = nullptr;
    QToolButton *spbDown = nullptr;
    QPushButton *butDelete = nullptr;
    QLabel *lblModify = nullptr;
    QLabel *lblDelete = nullptr;

private:
    QToolButton *arrow(const QString &objectName, const QString &picture);
};
