#include "headingpanel.h"

#include <QComboBox>
#include <QLineEdit>

THeadingPanel::THeadingPanel(QWidget *parent)
    : TBlockPanel(bkHeading, QStringLiteral("pnlHeading"), QStringLiteral("imgHeadingT"),
                  QStringLiteral("Heading_T"), parent)
{
    m_resetNewLine = false;
    addLabel("lblHeadDesc", 5040);
    addLabel("lblHead2", 5043);
    addLabel("lblHeadHeading", 5041);
    m_text = addEdit("txtHeading", [](TWebChunk &c, const QByteArray &t) { c.Heading()->Text = t; });
    addLabel("lblHeadSize", 5042);
    m_size =
        addChoice("cmbHeadSize", 23, 28, [](TWebChunk &c, const QByteArray &t) { c.Heading()->Size = t; });
    addButtonRow(
        "spdHead", [](TWebChunk &c, TBlockAlign align) { c.Heading()->Align = align; },
        [](TWebChunk &c, uint8_t newLine) { c.Heading()->NewLine = newLine; });
}

void THeadingPanel::fillFields(const TWebChunk &chunk)
{
    const TBlockHeading &heading = *chunk.Heading();
    showChoice(m_size, heading.Size);
    setText(m_text, heading.Text);
    showAlign(heading.Align);
    // The button shows the selected heading's own flag rather than whatever the previous
    // heading left in it, so that it never claims a state the record does not have.
    showNewLine(heading.NewLine);
}

QWidget *THeadingPanel::focusField() const
{
    return m_text;
}
