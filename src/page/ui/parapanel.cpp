#include "parapanel.h"

#include "textcodec.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
// The record keeps the paragraph's lines separated by CR LF, as typed; the box shows LF only.
QString ToDisplay(const QByteArray &text)
{
    QString shown = DecodePageText(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

QByteArray ToRecord(const QString &text)
{
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return EncodePageText(stored);
}
} // namespace

TParaPanel::TParaPanel(QWidget *parent)
    : TBlockPanel(bkPara, QStringLiteral("pnlPara"), QStringLiteral("imgParagraphT"),
                  QStringLiteral("Para_T"), parent)
{
    addLabel("lblPara", 5024);
    addLabel("lblParaDesc", 5019);
    addLabel("lblParaPara", 5018);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtParagraph"));
    m_text->setFixedSize(254, 119);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setTabChangesFocus(true);
    body()->addWidget(m_text);
    labelField(m_text);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        const QByteArray text = ToRecord(m_text->toPlainText());
        edit([&](TWebChunk &chunk) { chunk.Para()->Text = text; });
    });
    addButtonRow(
        "spdPara", [](TWebChunk &chunk, TBlockAlign align) { chunk.Para()->Align = align; },
        [](TWebChunk &chunk, uint8_t newLine) { chunk.Para()->NewLine = newLine; });
}

void TParaPanel::fillFields(const TWebChunk &chunk)
{
    m_text->setPlainText(ToDisplay(chunk.Para()->Text));
    showAlign(chunk.Para()->Align);
    showNewLine(chunk.Para()->NewLine);
}

QWidget *TParaPanel::focusField() const
{
    return m_text;
}
