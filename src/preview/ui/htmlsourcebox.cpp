#include "htmlsourcebox.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QTextBlock>

THTMLSourceBox::THTMLSourceBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("memHTML"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_updating)
            return;
        syncFromBox();
        emit userEdited();
    });
}

void THTMLSourceBox::setBytes(const QByteArray &bytes)
{
    m_updating = true;
    const int top = verticalScrollBar()->value();
    m_map.setBytes(bytes);
    setPlainText(m_map.text());
    verticalScrollBar()->setValue(top);
    m_updating = false;
}

void THTMLSourceBox::syncFromBox()
{
    // The raw text keeps non-breaking spaces, which the plain text would turn into spaces;
    // blocks are separated by the paragraph separator.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    m_map.setText(text);
}
