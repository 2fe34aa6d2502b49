#include "stagepanel.h"

#include <QLabel>
#include <QVBoxLayout>

TStagePanel::TStagePanel(const QString &objectName, const QString &title, const QString &text,
                         QWidget *parent)
    : QFrame(parent)
{
    setObjectName(objectName);
    setFrameShape(QFrame::StyledPanel);
    // Only this panel's own frame is styled; the stage's controls keep the window's look.
    setStyleSheet(QStringLiteral("#%1 { background: #f7f7f4; border: 1px solid #9c9c9c;"
                                 " border-radius: 6px; }")
                      .arg(objectName));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(8);

    m_title = new QLabel(title, this);
    m_title->setObjectName(objectName + QStringLiteral("Title"));
    QFont titleFont = font();
    titleFont.setPixelSize(17);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setStyleSheet(QStringLiteral("color: #1d3f8a;"));
    m_title->setWordWrap(true);
    m_title->setVisible(!title.isEmpty());
    layout->addWidget(m_title);

    m_text = new QLabel(text, this);
    m_text->setObjectName(objectName + QStringLiteral("Text"));
    m_text->setWordWrap(true);
    m_text->setStyleSheet(QStringLiteral("color: #303030;"));
    m_text->setVisible(!text.isEmpty());
    layout->addWidget(m_text);
    m_title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    m_text->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    m_content = new QVBoxLayout;
    m_content->setSpacing(6);
    layout->addLayout(m_content, 1);
}
