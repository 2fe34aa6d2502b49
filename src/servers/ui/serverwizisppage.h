#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

// The server wizard's page for choosing the Internet Service Provider: "Common" for a server set
// up by hand, then the names of the ISP definitions. A right click on the page or its texts, or
// the menu keys on the box, asks for the page's "What's This?" help.
class TServerWizISPPage : public QWidget {
    Q_OBJECT
public:
    explicit TServerWizISPPage(QWidget *parent = nullptr);

    QLabel *lblISP = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *cmbServerType = nullptr;

signals:
    void whatsThisRequested(QPoint globalPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};
