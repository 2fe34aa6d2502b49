#include "frmsaveinfo.h"

#include "helpservice.h"
#include "stringtable.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The help topic of the tutorial on creating links.
constexpr int kLinkTutorialTopic = 102;

} // namespace

TfrmSaveInfo::TfrmSaveInfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSaveInfo"));
    setWindowTitle(LoadStr(700));
    // A plain notice: no system menu icons and no resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont arial = font();
    arial.setFamily(LoadStr(32));
    setFont(arial);
    setAutoFillBackground(true);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    setPalette(silver);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(6);

    auto *message = new QLabel(LoadStr(701), this);
    message->setObjectName(QStringLiteral("lblMessage"));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    layout->addWidget(message);

    m_lblLink = new QLabel(this);
    m_lblLink->setObjectName(QStringLiteral("lblLink"));
    m_lblLink->setText(
        QStringLiteral("<a href=\"#\" style=\"color:#0000ff\">%1</a>").arg(LoadStr(702).toHtmlEscaped()));
    m_lblLink->setAlignment(Qt::AlignCenter);
    m_lblLink->setCursor(Qt::PointingHandCursor);
    connect(m_lblLink, &QLabel::linkActivated, this,
            [] { THelpService::current().ShowTopic(kLinkTutorialTopic); });
    layout->addWidget(m_lblLink);

    auto *row = new QHBoxLayout;
    m_chkShow = new QCheckBox(LoadStr(30), this);
    m_chkShow->setObjectName(QStringLiteral("chkShow"));
    m_btnJoy = new QPushButton(LoadStr(6), this);
    m_btnJoy->setObjectName(QStringLiteral("btnJoy"));
    m_btnJoy->setDefault(true);
    connect(m_btnJoy, &QPushButton::clicked, this, &TfrmSaveInfo::btnJoyClick);
    row->addWidget(m_chkShow, 1);
    row->addWidget(m_btnJoy);
    layout->addLayout(row);

    setFixedSize(349, 144);
}

void TfrmSaveInfo::btnJoyClick()
{
    m_answer.result = TMsgResult::Ok;
    // Only the OK button tells the choice; closing the dialog otherwise means nothing.
    m_answer.dontShowAgain = m_chkShow->isChecked();
    accept();
}
