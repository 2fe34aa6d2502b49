#include "emailpanel.h"

#include <QLineEdit>

TEmailPanel::TEmailPanel(QWidget *parent)
    : TBlockPanel(bkEmail, QStringLiteral("pnlEmail"), QStringLiteral("imgEmailT"), QStringLiteral("Email_T"),
                  parent)
{
    addLabel("lblEmailDesc", 5051);
    addLabel("lblEmailAddr", 5044);
    m_address = addEdit("txtEmail", [](TWebChunk &c, const QByteArray &t) { c.Email()->Address = t; });
    addLabel("lblEmailPre", 5047);
    m_pre = addEdit("txtEmailPre", [](TWebChunk &c, const QByteArray &t) { c.Email()->PreText = t; });
    addLabel("lblEmailLink", 5045);
    m_link = addEdit("txtEmailLink", [](TWebChunk &c, const QByteArray &t) { c.Email()->LinkText = t; });
    addLabel("lblEmailPost", 5046);
    m_post = addEdit("txtEmailPost", [](TWebChunk &c, const QByteArray &t) { c.Email()->PostText = t; });
    addExampleRow("lblEmailEG", 5048, 5049, 5050);
    addButtonRow(
        "spdEmail", [](TWebChunk &c, TBlockAlign align) { c.Email()->Align = align; },
        [](TWebChunk &c, uint8_t newLine) { c.Email()->NewLine = newLine; });
}

void TEmailPanel::fillFields(const TWebChunk &chunk)
{
    const TBlockEmail &email = *chunk.Email();
    setText(m_pre, email.PreText);
    setText(m_address, email.Address);
    setText(m_link, email.LinkText);
    setText(m_post, email.PostText);
    showAlign(email.Align);
    showNewLine(email.NewLine);
}

QWidget *TEmailPanel::focusField() const
{
    return m_address;
}
