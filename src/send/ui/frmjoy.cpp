#include "frmjoy.h"

#include "joyfireworks.h"
#include "playwave.h"
#include "stringtable.h"
#include "testmode.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kFrameMs = 200;
constexpr int kFrames = 11;
} // namespace

TfrmJoy::TfrmJoy(QWidget *parent) : QDialog(parent)
{
    FormCreate();
}

void TfrmJoy::FormCreate()
{
    setObjectName(QStringLiteral("frmJoy"));
    setWindowTitle(LoadStr(1000));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    QFont arial = font();
    arial.setFamily(LoadStr(32));
    setFont(arial);

    auto label = [this](int id, const char *name) {
        auto *l = new QLabel(LoadStr(id), this);
        l->setObjectName(QLatin1String(name));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    lbl1 = label(1001, "lbl1");
    QFont bold = lbl1->font();
    bold.setBold(true);
    lbl1->setFont(bold);
    lbl2 = label(1002, "lbl2");
    lbl3 = label(1003, "lbl3");
    lbl4 = label(1004, "lbl4");
    imgJoy = new TJoyFireworks(this);
    // The stored text has two apostrophes in a row, and it is shown that way.
    chkJoy = new QCheckBox(LoadStr(30), this);
    chkJoy->setObjectName(QStringLiteral("chkJoy"));
    btnJoy = new QPushButton(LoadStr(6), this);
    btnJoy->setObjectName(QStringLiteral("btnJoy"));
    btnJoy->setDefault(true);
    // The focus starts on OK, as in a message box: Space or Enter closes the dialog, and Tab
    // reaches the check box.
    btnJoy->setFocus(Qt::OtherFocusReason);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 10);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(8);
    grid->addWidget(imgJoy, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(lbl1, 0, 1);
    grid->addWidget(lbl2, 1, 1);
    grid->addWidget(lbl3, 2, 1);
    grid->addWidget(lbl4, 3, 1);
    grid->addWidget(chkJoy, 4, 0, 1, 2);
    grid->addWidget(btnJoy, 4, 1, Qt::AlignRight);
    grid->setColumnMinimumWidth(1, 300);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    timAnimation = new QTimer(this);
    timAnimation->setObjectName(QStringLiteral("timAnimation"));
    timAnimation->setInterval(TimerInterval(kFrameMs));
    connect(timAnimation, &QTimer::timeout, this, &TfrmJoy::timAnimationTimer);
    timAnimation->start();
    connect(btnJoy, &QPushButton::clicked, this, &TfrmJoy::btnJoyClick);
}

void TfrmJoy::timAnimationTimer()
{
    ++m_joyFrame;
    imgJoy->showFrame(QStringLiteral("Fire%1").arg(m_joyFrame));
    if (m_joyFrame == 1)
        PlayWave(QStringLiteral("wavWorks"));
    // After the last frame the next tick starts the next round.
    if (m_joyFrame == kFrames)
        m_joyFrame = 0;
}

void TfrmJoy::btnJoyClick()
{
    m_answer.dontShowAgain = chkJoy->isChecked();
    accept();
}
