#include "stagepanel.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

TStagePanel::TStagePanel(const QString &objectName, const QString &title, const QString &text,
                         QWidget *parent)
    : QFrame(parent)
{
    setObjectName(objectName);
    setFrameShape(QFrame::NoFrame);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(8);

    m_title = new QLabel(title, this);
    m_title->setObjectName(objectName + QStringLiteral("Title"));
    QFont titleFont = font();
    titleFont.setPixelSize(17);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    QPalette blue = m_title->palette();
    blue.setColor(QPalette::WindowText, QColor(0x1d, 0x3f, 0x8a));
    m_title->setPalette(blue);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_title->setVisible(!title.isEmpty());
    layout->addWidget(m_title);

    m_text = new QLabel(text, this);
    m_text->setObjectName(objectName + QStringLiteral("Text"));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setVisible(!text.isEmpty());
    layout->addWidget(m_text);
    m_title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    m_text->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    m_content = new QVBoxLayout;
    m_content->setSpacing(6);
    layout->addLayout(m_content, 1);
}

void TStagePanel::paintEvent(QPaintEvent *)
{
    // A light card with a soft border, so each stage reads as one sheet on the silver window.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x9c, 0x9c, 0x9c));
    painter.setBrush(QColor(0xf7, 0xf7, 0xf4));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

void TStagePanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    // A wrapped label would otherwise be given the height it needs at some narrower width,
    // leaving a gap under the text; it gets exactly the lines it fills at the panel's width.
    const QMargins margins = layout()->contentsMargins();
    const int width = contentsRect().width() - margins.left() - margins.right();
    m_text->setFixedHeight(m_text->heightForWidth(width));
}
