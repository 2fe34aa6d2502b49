#include "buildhost.h"

#include "page.h"
#include "stringtable.h"
#include "testmode.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kHintShownMs = 1000;
constexpr int kHintHiddenMs = 500;

} // namespace

TBuildHost::TBuildHost(TPage &page, QWidget *parent)
    : TStagePanel(QStringLiteral("pnlBuild"), QString(), LoadStr(5012), parent), m_page(page)
{
    m_lblBuildRight = new QLabel(LoadStr(5013), this);
    m_lblBuildRight->setObjectName(QStringLiteral("lblBuildRight"));
    m_lblBuildRight->setWordWrap(true);
    QFont hintFont = m_lblBuildRight->font();
    hintFont.setBold(true);
    m_lblBuildRight->setFont(hintFont);
    QPalette blue = m_lblBuildRight->palette();
    blue.setColor(QPalette::WindowText, QColor(0x1d, 0x3f, 0x8a));
    m_lblBuildRight->setPalette(blue);
    // The hint's room is kept while it blinks, so nothing below it jumps.
    QSizePolicy keep = m_lblBuildRight->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_lblBuildRight->setSizePolicy(keep);
    contentLayout()->addWidget(m_lblBuildRight);

    m_lblBlocks = new QLabel(this);
    m_lblBlocks->setObjectName(QStringLiteral("lblBuildBlocks"));
    contentLayout()->addWidget(m_lblBlocks);
    contentLayout()->addStretch(1);
    showBlockCount();

    m_timInit = new QTimer(this);
    m_timInit->setObjectName(QStringLiteral("timInit"));
    m_timInit->setInterval(TimerInterval(kHintShownMs));
    connect(m_timInit, &QTimer::timeout, this, &TBuildHost::timInitTimer);
    m_timInit->start();
}

void TBuildHost::ClearPage()
{
    m_page.WebChunks.clear();
    m_page.PageTitle = LoadStrBytes(104);
    showBlankPanel();
    showBlockCount();
}

void TBuildHost::LoadChunk(int chunkIndex)
{
    if (chunkIndex < 0 || chunkIndex >= int(m_page.WebChunks.size()))
        return;
    stopHint();
    showBlockCount();
}

void TBuildHost::selectFirstBlock() {}

void TBuildHost::showBlankPanel() {}

void TBuildHost::raiseShredder() {}

bool TBuildHost::hintBlinking() const
{
    return m_timInit->isActive();
}

void TBuildHost::timInitTimer()
{
    const bool show = m_lblBuildRight->isHidden();
    m_lblBuildRight->setVisible(show);
    m_timInit->setInterval(TimerInterval(show ? kHintShownMs : kHintHiddenMs));
}

void TBuildHost::stopHint()
{
    m_timInit->stop();
    m_lblBuildRight->setVisible(true);
}

void TBuildHost::showBlockCount()
{
    m_lblBlocks->setText(QString::number(m_page.WebChunks.size()) + LoadStr(5052));
}
