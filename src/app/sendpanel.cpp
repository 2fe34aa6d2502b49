#include "sendpanel.h"

#include "stringtable.h"
#include "testmode.h"

#include <QCheckBox>
#include <QTimer>
#include <QVBoxLayout>

TSendPanel::TSendPanel(QWidget *parent)
    : TStagePanel(QStringLiteral("pnlSend"), QString(), LoadStr(5004), parent)
{
    m_chkLogo = new QCheckBox(LoadStr(5006), this);
    m_chkLogo->setObjectName(QStringLiteral("chkLogo"));
    m_chkLogo->setChecked(true);
    contentLayout()->addStretch(1);
    contentLayout()->addWidget(m_chkLogo);

    m_timFlashPage = new QTimer(this);
    m_timFlashPage->setObjectName(QStringLiteral("timFlashPage"));
    m_timFlashPage->setInterval(TimerInterval(500));
}

bool TSendPanel::logoTicked() const
{
    return m_chkLogo->isChecked();
}

void TSendPanel::tickLogo()
{
    m_chkLogo->setChecked(true);
}

void TSendPanel::enterStage()
{
    m_webIndex = -1;
    refreshUploadList();
    m_timFlashPage->start();
}

void TSendPanel::stopFlashing()
{
    m_timFlashPage->stop();
}

bool TSendPanel::isFlashing() const
{
    return m_timFlashPage->isActive();
}

void TSendPanel::refreshUploadList() {}
