#pragma once

#include "blockpanel.h"

// The e-mail link panel: the address, the texts before, on and after the link, alignment and
// new line.
class TEmailPanel : public TBlockPanel {
    Q_OBJECT
public:
    explicit TEmailPanel(QWidget *parent = nullptr);

protected:
    void fillFields(const TWebChunk &chunk) override;
    QWidget *focusField() const override;

private:
    QLineEdit *m_address = nullptr;
    QLineEdit *m_pre = nullptr;
    QLineEdit *m_link = nullptr;
    QLineEdit *m_post = nullptr;
};
