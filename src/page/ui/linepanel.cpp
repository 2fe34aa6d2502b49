#include "linepanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

TLinePanel::TLinePanel(QWidget *parent)
    : TBlockPanel(bkLine, QStringLiteral("pnlLine"), QStringLiteral("imgLineT"), QStringLiteral("Line_T"),
                  parent)
{
    addLabel("lblLine", 5014);
    addLabel("lblLineDesc1", 5015);
    body()->addSpacing(6);
    addLabel("lblLineWidth", 5016);
    m_width = addEdit("txtLineWidth", [](TWebChunk &c, const QByteArray &t) { c.Line()->Width = t; });
    addLabel("lblLineThick", 5017);
    m_thickness =
        addChoice("cmbLineThick", 17, 22, [](TWebChunk &c, const QByteArray &t) { c.Line()->Thickness = t; });
    body()->addStretch();
}

void TLinePanel::fillFields(const TWebChunk &chunk)
{
    setText(m_width, chunk.Line()->Width);
    showChoice(m_thickness, chunk.Line()->Thickness);
}

QWidget *TLinePanel::focusField() const
{
    return m_width;
}
