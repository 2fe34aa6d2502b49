#include "frmhtmlwarn.h"

#include "stringtable.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmHTMLWarn::TfrmHTMLWarn(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHTMLWarn"));
    setWindowTitle(LoadStr(1100));
    // A question that has to be answered: no close, minimise or maximise buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont arial = font();
    arial.setFamily(LoadStr(32));
    setFont(arial);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(4);
    auto *lbl1 = new QLabel(LoadStr(1101), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setWordWrap(true);
    lbl1->setAlignment(Qt::AlignCenter);
    layout->addWidget(lbl1);
    auto *lbl2 = new QLabel(LoadStr(1102), this);
    lbl2->setObjectName(QStringLiteral("lbl2"));
    lbl2->setWordWrap(true);
    lbl2->setAlignment(Qt::AlignCenter);
    layout->addWidget(lbl2);

    auto *row = new QHBoxLayout;
    m_chkHTML = new QCheckBox(LoadStr(1103), this);
    m_chkHTML->setObjectName(QStringLiteral("chkHTML"));
    auto *butYes = new QPushButton(LoadStr(4), this);
    butYes->setObjectName(QStringLiteral("butYes"));
    auto *butNo = new QPushButton(LoadStr(5), this);
    butNo->setObjectName(QStringLiteral("butNo"));
    butNo->setDefault(true);
    connect(butYes, &QPushButton::clicked, this, &TfrmHTMLWarn::butYesClick);
    connect(butNo, &QPushButton::clicked, this, &TfrmHTMLWarn::butNoClick);
    row->addWidget(m_chkHTML, 1);
    row->addWidget(butYes);
    row->addWidget(butNo);
    layout->addLayout(row);

    // Wide enough for the two explaining texts at the window's font on any screen density.
    setFixedSize(QSize(387, 140).expandedTo(sizeHint()));
}

void TfrmHTMLWarn::butYesClick()
{
    finish(TMsgResult::Yes);
}
void TfrmHTMLWarn::butNoClick()
{
    finish(TMsgResult::No);
}

void TfrmHTMLWarn::finish(TMsgResult result)
{
    m_answer.result = result;
    // The box counts whichever button is pressed.
    m_answer.dontShowAgain = m_chkHTML->isChecked();
    if (result == TMsgResult::Yes)
        accept();
    else
        reject();
}
