#pragma once

#include "blockpanel.h"

// The horizontal line panel: the width in percent of the page and the thickness.
class TLinePanel : public TBlockPanel {
    Q_OBJECT
public:
    explicit TLinePanel(QWidget *parent = nullptr);

protected:
    void fillFields(const TWebChunk &chunk) override;
    QWidget *focusField() const override;

private:
    QLineEdit *m_width = nullptr;     // txtLineWidth
    QComboBox *m_thickness = nullptr; // cmbLineThick
};
