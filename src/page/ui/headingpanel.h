#pragma once

#include "blockpanel.h"

// The heading panel: the heading's text, its size, alignment and new-line button.
class THeadingPanel : public TBlockPanel {
    Q_OBJECT
public:
    explicit THeadingPanel(QWidget *parent = nullptr);

protected:
    void fillFields(const TWebChunk &chunk) override;
    QWidget *focusField() const override;

private:
    QLineEdit *m_text = nullptr; // txtHeading
    QComboBox *m_size = nullptr; // cmbHeadSize
};
