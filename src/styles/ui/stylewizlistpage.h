#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

// The style wizard's list page: the styles in their order, the arrows that move the selected
// style, the Delete button, and the hints for modifying and deleting. The form drives the controls.
class TStyleWizListPage : public QWidget {
    Q_OBJECT
public:
    explicit TStyleWizListPage(QWidget *parent = nullptr);

    // The list's rows change only through these, which never report a changed selection: the
    // form reacts to the user's clicks, not to its own rearranging.
    void setNames(const QStringList &names);
    void addName(const QString &name);
    void setName(int row, const QString &name);
    // Moves a row and keeps it selected.
    void moveRow(int from, int to);
    // Removes a row and selects the one that takes its place (or the new last one), so that
    // several styles can be deleted one after the other.
    void removeRow(int row);
    // The selected row, -1 when none.
    int selectedRow() const;

    QLabel *lblMsg1 = nullptr;
    QLabel *lblMsg2 = nullptr;
    QListWidget *lstStyles = nullptr;
    QToolButton *spbUp = nullptr;
    QToolButton *spbDown = nullptr;
    QPushButton *butDelete = nullptr;
    QLabel *lblModify = nullptr;
    QLabel *lblDelete = nullptr;

private:
    QToolButton *arrow(const QString &objectName, const QString &picture);
};
