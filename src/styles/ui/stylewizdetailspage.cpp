#include "stylewizdetailspage.h"

#include "colourpanel.h"
#include "resourcebitmap.h"
#include "stringtable.h"
#include "stylechunk.h"
#include "tpageviewer.h"
#include "wizardlabel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QGroupBox *group(const QString &objectName, int id, QWidget *parent)
{
    auto *box = new QGroupBox(LoadStr(id), parent);
    box->setObjectName(objectName);
    return box;
}

} // namespace

TStyleWizDetailsPage::TStyleWizDetailsPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab2"));

    lblName = WizardLabel(QStringLiteral("lblName"), 508, this);
    txtStyleName = new QLineEdit(this);
    txtStyleName->setObjectName(QStringLiteral("txtStyleName"));
    lblName->setBuddy(txtStyleName);

    grpBack = group(QStringLiteral("grpBack"), 509, this);
    lblColour = WizardLabel(QStringLiteral("lblColour"), 510, grpBack);
    lblColour->setWordWrap(false);
    pnlBack = colourPanel(QStringLiteral("pnlBack"));
    lblImg = WizardLabel(QStringLiteral("lblImg"), 511, grpBack);
    txtImgFilename = new QLineEdit(grpBack);
    txtImgFilename->setObjectName(QStringLiteral("txtImgFilename"));
    lblImg->setBuddy(txtImgFilename);
    spdImgFile = new QToolButton(grpBack);
    spdImgFile->setObjectName(QStringLiteral("spdImgFile"));
    spdImgFile->setIcon(QIcon(ResourceBitmapPath(QStringLiteral("StyleWizBrowse"))));
    spdImgFile->setIconSize(QSize(18, 18));
    spdImgFile->setText(QStringLiteral("..."));
    spdImgFile->setAutoRaise(false);
    butClear = new QPushButton(LoadStr(512), grpBack);
    butClear->setObjectName(QStringLiteral("butClear"));
    butClear->setAutoDefault(false);

    auto *back = new QGridLayout(grpBack);
    back->setHorizontalSpacing(8);
    back->setVerticalSpacing(8);
    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(pnlBack);
    colourRow->addWidget(lblColour);
    colourRow->addStretch(1);
    back->addLayout(colourRow, 0, 0, 1, 3);
    back->addWidget(lblImg, 1, 0, 1, 3);
    back->addWidget(txtImgFilename, 2, 0);
    back->addWidget(spdImgFile, 2, 1);
    back->addWidget(butClear, 2, 2);

    grpLinks = group(QStringLiteral("grpLinks"), 525, this);
    pnlDoc = colourPanel(QStringLiteral("pnlDoc"));
    pnlStandard = colourPanel(QStringLiteral("pnlStandard"));
    pnlActive = colourPanel(QStringLiteral("pnlActive"));
    pnlVisited = colourPanel(QStringLiteral("pnlVisited"));
    lblDocText = WizardLabel(QStringLiteral("lblDocText"), 513, grpLinks);
    lblStandard = WizardLabel(QStringLiteral("lblStandard"), 516, grpLinks);
    lblActive = WizardLabel(QStringLiteral("lblActive"), 514, grpLinks);
    lblVisited = WizardLabel(QStringLiteral("lblVisited"), 515, grpLinks);
    auto *links = new QGridLayout(grpLinks);
    links->setHorizontalSpacing(8);
    links->setVerticalSpacing(10);
    const std::pair<TColourPanel *, QLabel *> swatches[] = {
        {pnlDoc, lblDocText}, {pnlStandard, lblStandard}, {pnlActive, lblActive}, {pnlVisited, lblVisited}};
    // A screen reader names each swatch by its caption, and so does the background's.
    lblColour->setBuddy(pnlBack);
    pnlBack->setAccessibleName(lblColour->text());
    spdImgFile->setAccessibleName(lblImg->text());
    for (const auto &[panel, label] : swatches) {
        label->setBuddy(panel);
        panel->setAccessibleName(label->text());
    }
    for (int i = 0; i < 4; ++i) {
        const int row = i / 2;
        const int column = (i % 2) * 2;
        links->addWidget(swatches[i].first, row, column);
        links->addWidget(swatches[i].second, row, column + 1);
    }
    links->setColumnStretch(1, 1);
    links->setColumnStretch(3, 1);

    // The sample page: a plain viewer without history, links or selection, so that it only
    // ever shows the style being edited.
    ctlHTML = new TPageViewer(this);
    ctlHTML->setObjectName(QStringLiteral("ctlHTML"));
    ctlHTML->SetShowImages(true);
    ctlHTML->SetBorderStyle(TViewerBorderStyle::vbSingle);
    ctlHTML->SetHistoryLimit(0);
    ctlHTML->SetDefaultBackground(clSilverValue);
    ctlHTML->SetDefaultFontName(LoadStr(32));
    ctlHTML->SetNoSelect(true);
    ctlHTML->SetScrollBars(TScrollStyle::ssVertical);
    ctlHTML->setFocusPolicy(Qt::NoFocus);
    ctlHTML->setMinimumSize(190, 180);

    auto *fields = new QVBoxLayout;
    fields->setSpacing(8);
    fields->addWidget(lblName);
    fields->addWidget(txtStyleName);
    fields->addSpacing(4);
    fields->addWidget(grpBack);
    fields->addWidget(grpLinks);
    fields->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    layout->addLayout(fields, 3);
    layout->addWidget(ctlHTML, 2);
}

TColourPanel *TStyleWizDetailsPage::colourPanel(const QString &objectName)
{
    auto *panel = new TColourPanel(this);
    panel->setObjectName(objectName);
    return panel;
}
