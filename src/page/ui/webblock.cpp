#include "webblock.h"

#include "resourcebitmap.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <array>

TWebBlock::TWebBlock(TBlockKind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // Bricks are reached with Tab as well; the canvas says what their keys do.
    setFocusPolicy(Qt::TabFocus);
}

namespace {

// For each kind: the words its brick picture shows, and the name of that picture.
struct TKindNames {
    const char *words;
    const char *brick;
};
constexpr std::array<TKindNames, kBlockKindCount> kKindNames = {{
    {"Paragraph", "Para"},
    {"Link", "Link"},
    {"Image", "Image"},
    {"Heading", "Heading"},
    {"E-mail Link", "Email"},
    {"Horizontal Line", "Line"},
}};
static_assert(bkPara == 0 && bkLink == 1 && bkImage == 2 && bkHeading == 3 && bkEmail == 4 && bkLine == 5,
              "the table follows the kinds' order");

} // namespace

QString TWebBlock::KindName(TBlockKind kind)
{
    return kind >= 0 && kind < kBlockKindCount ? QString::fromLatin1(kKindNames[size_t(kind)].words)
                                               : QString();
}

void TWebBlock::setKind(TBlockKind kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    update();
}

void TWebBlock::setLook(TLook look)
{
    if (look == m_look)
        return;
    m_look = look;
    update();
}

QString TWebBlock::BrickName(TBlockKind kind)
{
    return kind >= 0 && kind < kBlockKindCount ? QString::fromLatin1(kKindNames[size_t(kind)].brick)
                                               : QString();
}

QPixmap TWebBlock::BrickPicture(TBlockKind kind, TLook look)
{
    // Every block of a kind shows the same picture, so a page of any length holds twelve.
    static std::array<QPixmap, 2 * kBlockKindCount> pictures;
    if (kind < 0 || kind >= kBlockKindCount)
        return QPixmap();
    QPixmap &picture = pictures[size_t(2 * kind + (look == TLook::Highlighted ? 1 : 0))];
    if (picture.isNull()) {
        QString name = BrickName(kind);
        if (look == TLook::Highlighted)
            name += QStringLiteral("_H");
        picture = ResourcePixmap(name, QSize(kWidth, kHeight));
    }
    return picture;
}

void TWebBlock::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, BrickPicture(m_kind, m_look));
    if (hasFocus()) {
        // Dark, so that it shows on every brick colour, the orange line brick included.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x10, 0x18, 0x30), 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
    }
}

void TWebBlock::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    emit menuRequested(this, event->globalPos());
}

void TWebBlock::keyPressEvent(QKeyEvent *event)
{
    // The canvas accepts the keys it acts on; the rest (Tab among them) go on as usual.
    event->ignore();
    emit keyPressed(this, event);
    if (!event->isAccepted())
        QWidget::keyPressEvent(event);
}

void TWebBlock::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(this, event);
}

void TWebBlock::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(this, event);
}

void TWebBlock::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(this);
    emit mouseUp(this, event);
}
