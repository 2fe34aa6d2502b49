#include "blockpanel.h"

#include "resourcebitmap.h"
#include "stringtable.h"
#include "textcodec.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kAlignButtonSize = 25;
constexpr int kNewLineButtonSize = 24;
constexpr int kTitleHeight = 24;
constexpr int kEditHeight = 20;
constexpr int kMargin = 7;

// A pressed alignment or new-line button must be told from a raised one at a glance: pressed,
// it turns dark blue with a white glyph; the keyboard focus shows as an orange ring either way.
const QString kButtonRowStyle =
    QStringLiteral("QToolButton { background: #EEEEEE; border: 1px solid #7A7A7A; border-radius: 3px; }"
                   "QToolButton:hover { background: #FFFFFF; }"
                   "QToolButton:checked { background: #1F4E9E; border: 1px solid #0A2A5E; }"
                   "QToolButton:focus { border: 2px solid #E08000; }");

// The glyphs of the alignment and new-line buttons: four text lines set left, centred or right,
// and a return arrow, in ink.
QPixmap GlyphPixmap(int which, const QColor &ink)
{
    const QSize size(16, 16);
    const qreal ratio = qGuiApp->devicePixelRatio();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (which < 3) {
        const int widths[] = {14, 9, 14, 9};
        for (int line = 0; line < 4; ++line) {
            const qreal y = 3 + line * 3.3;
            const qreal w = widths[line];
            const qreal x = which == 0 ? 1 : which == 1 ? (16 - w) / 2 : 15 - w;
            painter.drawLine(QPointF(x, y), QPointF(x + w, y));
        }
    } else {
        QPainterPath path;
        path.moveTo(13.5, 2.5);
        path.lineTo(13.5, 10);
        path.lineTo(3, 10);
        painter.drawPath(path);
        painter.drawLine(QPointF(3, 10), QPointF(6.5, 6.5));
        painter.drawLine(QPointF(3, 10), QPointF(6.5, 13.5));
    }
    return pixmap;
}

// The glyph in the button text colour when raised and in white when pressed.
QIcon ButtonGlyph(int which, const QColor &ink)
{
    QIcon icon;
    icon.addPixmap(GlyphPixmap(which, ink), QIcon::Normal, QIcon::Off);
    icon.addPixmap(GlyphPixmap(which, Qt::white), QIcon::Normal, QIcon::On);
    return icon;
}
} // namespace

TBlockPanel::TBlockPanel(TBlockKind kind, const QString &objectName, const QString &titleName,
                         const QString &titleArt, QWidget *parent)
    : QFrame(parent), m_kind(kind)
{
    setObjectName(objectName);
    setFixedSize(kWidth, kHeight);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_body = new QVBoxLayout(this);
    m_body->setContentsMargins(kMargin, 5, kMargin, 5);
    m_body->setSpacing(1);
    if (!titleName.isEmpty()) {
        m_title = new QLabel(this);
        m_title->setObjectName(titleName);
        // The title picture spans the panel's inner width, keeping its proportions.
        const QSize stated = ResourceBitmapSize(titleArt);
        int width = kWidth - 2 * kMargin;
        int height = stated.isEmpty() ? kTitleHeight : stated.height() * width / stated.width();
        if (height > kTitleHeight) {
            width = width * kTitleHeight / height;
            height = kTitleHeight;
        }
        m_title->setPixmap(ResourcePixmap(titleArt, QSize(width, height)));
        m_body->addWidget(m_title);
        m_body->addSpacing(3);
    }
}

void TBlockPanel::StringEmUp()
{
    for (const auto &[control, id] : m_captions) {
        if (auto *label = qobject_cast<QLabel *>(control)) {
            label->setText(LoadStr(id));
            if (label->buddy())
                label->buddy()->setAccessibleName(label->text().trimmed());
        } else if (auto *box = qobject_cast<QComboBox *>(control)) {
            // A list's items are the ids from id upwards; the count is fixed when it is built.
            const int count = box->count();
            const QSignalBlocker quiet(box);
            for (int i = 0; i < count; ++i)
                box->setItemText(i, LoadStr(id + i));
        } else {
            control->setToolTip(LoadStr(id));
            control->setAccessibleName(LoadStr(id));
        }
    }
}

QLabel *TBlockPanel::addLabel(const char *name, int stringId, QBoxLayout *row)
{
    auto *label = new QLabel(LoadStr(stringId), this);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(row == nullptr);
    (row ? row : m_body)->addWidget(label);
    m_captions.emplace_back(label, stringId);
    m_lastLabel = label;
    return label;
}

void TBlockPanel::labelField(QWidget *field)
{
    if (!m_lastLabel)
        return;
    m_lastLabel->setBuddy(field);
    field->setAccessibleName(m_lastLabel->text().trimmed());
    m_lastLabel = nullptr;
}

QLineEdit *TBlockPanel::addEdit(const char *name, void (*store)(TWebChunk &, const QByteArray &),
                                QBoxLayout *row)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    box->setFixedHeight(kEditHeight);
    (row ? row : m_body)->addWidget(box);
    labelField(box);
    // textChanged, not textEdited: the image chooser fills these boxes and that must be stored.
    connect(box, &QLineEdit::textChanged, this, [this, store](const QString &text) {
        const QByteArray bytes = EncodePageText(text);
        edit([&](TWebChunk &chunk) { store(chunk, bytes); });
    });
    return box;
}

QComboBox *TBlockPanel::addChoice(const char *name, int firstItemId, int lastItemId,
                                  void (*store)(TWebChunk &, const QByteArray &))
{
    auto *box = new QComboBox(this);
    box->setObjectName(QLatin1String(name));
    for (int id = firstItemId; id <= lastItemId; ++id)
        box->addItem(LoadStr(id));
    m_captions.emplace_back(box, firstItemId);
    m_body->addWidget(box);
    labelField(box);
    connect(box, &QComboBox::currentIndexChanged, this, [this, box, store](int) {
        const QByteArray bytes = EncodePageText(box->currentText());
        edit([&](TWebChunk &chunk) { store(chunk, bytes); });
    });
    return box;
}

void TBlockPanel::addExampleRow(const char *prefix, int beforeId, int linkId, int afterId)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    const int ids[] = {beforeId, linkId, afterId};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(LoadStr(ids[i]), this);
        label->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i + 1));
        // The example is set a size smaller than the captions, which also lets a long sample
        // address fit the row.
        QFont small = font();
        small.setPixelSize(std::max(8, QFontInfo(small).pixelSize() - 1));
        label->setFont(small);
        if (i == 1)
            label->setStyleSheet(QStringLiteral("color: #0000EE; text-decoration: underline;"));
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        m_captions.emplace_back(label, ids[i]);
        row->addWidget(label);
    }
    row->addStretch();
    m_body->addLayout(row);
}

void TBlockPanel::addButtonRow(const char *prefix, void (*storeAlign)(TWebChunk &, TBlockAlign),
                               void (*storeNewLine)(TWebChunk &, uint8_t))
{
    m_storeAlign = storeAlign;
    m_body->addStretch();
    auto *row = new QHBoxLayout;
    row->setSpacing(3);
    const QColor ink = palette().color(QPalette::ButtonText);
    const char *names[] = {"Left", "Center", "Right"};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(prefix) + QLatin1String(names[i]));
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setFixedSize(kAlignButtonSize, kAlignButtonSize);
        button->setIcon(ButtonGlyph(i, ink));
        button->setStyleSheet(kButtonRowStyle);
        button->setToolTip(LoadStr(5020 + i));
        // A screen reader names the button by its hint and reports whether it is pressed.
        button->setAccessibleName(LoadStr(5020 + i));
        m_captions.emplace_back(button, 5020 + i);
        // clicked reports the user's click only, never the panel's own filling.
        connect(button, &QToolButton::clicked, this, [this, i](bool down) { alignClicked(i, down); });
        m_align[size_t(i)] = button;
        row->addWidget(button);
    }
    row->addSpacing(8);
    m_newLine = new QToolButton(this);
    m_newLine->setObjectName(QLatin1String(prefix) + QLatin1String("Return"));
    m_newLine->setCheckable(true);
    m_newLine->setFixedSize(kNewLineButtonSize, kNewLineButtonSize);
    m_newLine->setIcon(ButtonGlyph(3, ink));
    m_newLine->setStyleSheet(kButtonRowStyle);
    m_newLine->setToolTip(LoadStr(5023));
    m_newLine->setAccessibleName(LoadStr(5023));
    m_captions.emplace_back(m_newLine, 5023);
    connect(m_newLine, &QToolButton::clicked, this, [this, storeNewLine](bool down) {
        edit([&](TWebChunk &chunk) { storeNewLine(chunk, down ? 1 : 0); });
    });
    row->addWidget(m_newLine);
    row->addStretch();
    m_body->addLayout(row);
}

void TBlockPanel::alignClicked(int index, bool down)
{
    // One group in which at most one button is down; a down button can be raised again.
    if (down) {
        for (int i = 0; i < 3; ++i) {
            if (i != index)
                m_align[size_t(i)]->setChecked(false);
        }
    }
    const TBlockAlign value = down ? TBlockAlign(baLeft + index) : baNone;
    edit([&](TWebChunk &chunk) { m_storeAlign(chunk, value); });
}

void TBlockPanel::edit(const TRecordEdit &change)
{
    if (m_filling || !m_editor)
        return;
    m_editor(m_kind, change);
}

void TBlockPanel::raiseButtons()
{
    for (QToolButton *button : m_align) {
        if (button)
            button->setChecked(false);
    }
    if (m_newLine && m_resetNewLine)
        m_newLine->setChecked(false);
}

void TBlockPanel::showAlign(TBlockAlign align)
{
    for (int i = 0; i < 3; ++i) {
        if (m_align[size_t(i)])
            m_align[size_t(i)]->setChecked(align == baLeft + i);
    }
}

void TBlockPanel::showNewLine(uint8_t newLine)
{
    if (m_newLine)
        m_newLine->setChecked(newLine != 0);
}

void TBlockPanel::showChoice(QComboBox *box, const QByteArray &text)
{
    const int index = box->findText(DecodePageText(text), Qt::MatchFixedString);
    if (index >= 0) {
        box->setCurrentIndex(index);
        return;
    }
    box->setCurrentIndex(0);
    // Not an item of the list (a damaged document): the first item replaces it in the record.
    const bool wasFilling = m_filling;
    m_filling = false;
    emit box->currentIndexChanged(0);
    m_filling = wasFilling;
}

void TBlockPanel::setText(QLineEdit *edit, const QByteArray &text)
{
    edit->setText(DecodePageText(text));
    edit->setCursorPosition(0);
}

void TBlockPanel::fill(const TWebChunk &chunk, TFocusRule focus)
{
    if (chunk.Kind() != m_kind)
        return;
    m_filling = true;
    fillFields(chunk);
    m_filling = false;
    if (focus == TFocusRule::TakeFocus && focusField())
        focusField()->setFocus();
}
