#pragma once

#include "blockpanel.h"

class QToolButton;
struct TChosenImage;

// The image panel: where the picture is, its size, its description, the page it links to,
// alignment and new line. The folder button next to the file box asks the stage to run the
// image chooser.
class TImagePanel : public TBlockPanel {
    Q_OBJECT
public:
    explicit TImagePanel(QWidget *parent = nullptr);

    // Puts a chosen picture's place and size into the boxes, which store them in the record.
    void showChosenImage(const TChosenImage &image);

signals:
    void spdImgFileClick();

protected:
    void fillFields(const TWebChunk &chunk) override;
    QWidget *focusField() const override;

private:
    QLineEdit *m_fileName = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_description = nullptr;
    QLineEdit *m_link = nullptr;
    QToolButton *m_chooser = nullptr;
};
