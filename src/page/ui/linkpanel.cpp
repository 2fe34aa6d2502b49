#include "linkpanel.h"

#include <QLineEdit>

TLinkPanel::TLinkPanel(QWidget *parent)
    : TBlockPanel(bkLink, QStringLiteral("pnlLink"), QStringLiteral("imgLinkT"), QStringLiteral("Link_T"),
                  parent)
{
    addLabel("lblLInkDesc", 5028);
    addLabel("lblLinkURL", 5029);
    m_url = addEdit("txtLinkURL", [](TWebChunk &c, const QByteArray &t) { c.Link()->URL = t; });
    addLabel("lblLinkPre", 5025);
    m_pre = addEdit("txtLinkPre", [](TWebChunk &c, const QByteArray &t) { c.Link()->PreText = t; });
    addLabel("lblLinkLink", 5026);
    m_link = addEdit("txtLinkLink", [](TWebChunk &c, const QByteArray &t) { c.Link()->LinkText = t; });
    addLabel("lblLinkPost", 5027);
    m_post = addEdit("txtLinkPost", [](TWebChunk &c, const QByteArray &t) { c.Link()->PostText = t; });
    addExampleRow("lblLinkEG", 5030, 5031, 5032);
    addButtonRow(
        "spdLink", [](TWebChunk &c, TBlockAlign align) { c.Link()->Align = align; },
        [](TWebChunk &c, uint8_t newLine) { c.Link()->NewLine = newLine; });
}

void TLinkPanel::fillFields(const TWebChunk &chunk)
{
    const TBlockLink &link = *chunk.Link();
    setText(m_pre, link.PreText);
    setText(m_url, link.URL);
    setText(m_link, link.LinkText);
    setText(m_post, link.PostText);
    showAlign(link.Align);
    showNewLine(link.NewLine);
}

QWidget *TLinkPanel::focusField() const
{
    return m_url;
}
