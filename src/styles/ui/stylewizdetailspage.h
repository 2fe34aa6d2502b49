#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TColourPanel;
class TPageViewer;

// The style wizard's details page: the style's name, its background colour and picture, the four
// text and link colours, and the live sample page in the style. The form drives the controls.
class TStyleWizDetailsPage : public QWidget {
    Q_OBJECT
public:
    explicit TStyleWizDetailsPage(QWidget *parent = nullptr);

    QLabel *lblName = nullptr;
    QLineEdit *txtStyleName = nullptr;
    QGroupBox *grpBack = nullptr;
    QLabel *lblColour = nullptr;
    TColourPanel *pnlBack = nullptr;
    QLabel *lblImg = nullptr;
    QLineEdit *txtImgFilename = nullptr;
    QToolButton *spdImgFile = nullptr;
    QPushButton *butClear = nullptr;
    QGroupBox *grpLinks = nullptr;
    TColourPanel *pnlDoc = nullptr;
    TColourPanel *pnlStandard = nullptr;
    TColourPanel *pnlActive = nullptr;
    TColourPanel *pnlVisited = nullptr;
    QLabel *lblDocText = nullptr;
    QLabel *lblStandard = nullptr;
    QLabel *lblActive = nullptr;
    QLabel *lblVisited = nullptr;
    TPageViewer *ctlHTML = nullptr;

private:
    TColourPanel *colourPanel(const QString &objectName);
};
