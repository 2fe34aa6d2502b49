#pragma once

#include "blockpanel.h"

class QPlainTextEdit;

// The paragraph panel: the paragraph's text, its alignment and the new-line flag.
class TParaPanel : public TBlockPanel {
    Q_OBJECT
public:
    explicit TParaPanel(QWidget *parent = nullptr);

protected:
    void fillFields(const TWebChunk &chunk) override;
    QWidget *focusField() const override;

private:
    QPlainTextEdit *m_text = nullptr; // txtParagraph
};
