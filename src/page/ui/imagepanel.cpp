#include "imagepanel.h"

#include "imagechooser.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TImagePanel::TImagePanel(QWidget *parent)
    : TBlockPanel(bkImage, QStringLiteral("pnlImage"), QStringLiteral("imgImageT"), QStringLiteral("Image_T"),
                  parent)
{
    addLabel("lblImg", 5039);
    addLabel("lblImgFilename", 5033);
    auto *fileRow = new QHBoxLayout;
    fileRow->setSpacing(3);
    m_fileName = addEdit(
        "txtImgFileName", [](TWebChunk &c, const QByteArray &t) { c.Image()->FileName = t; }, fileRow);
    m_chooser = new QToolButton(this);
    m_chooser->setObjectName(QStringLiteral("spdImgFile"));
    m_chooser->setFixedSize(21, 21);
    m_chooser->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    m_chooser->setAccessibleName(QStringLiteral("Choose a picture file"));
    connect(m_chooser, &QToolButton::clicked, this, &TImagePanel::spdImgFileClick);
    fileRow->addWidget(m_chooser);
    body()->addLayout(fileRow);

    auto *sizeRow = new QHBoxLayout;
    sizeRow->setSpacing(4);
    addLabel("lblImgHeight", 5034, sizeRow);
    m_height = addEdit(
        "txtImgHeight", [](TWebChunk &c, const QByteArray &t) { c.Image()->Height = t; }, sizeRow);
    addLabel("lblImgWidth", 5035, sizeRow);
    m_width = addEdit(
        "txtImgWidth", [](TWebChunk &c, const QByteArray &t) { c.Image()->Width = t; }, sizeRow);
    m_height->setFixedWidth(56);
    m_width->setFixedWidth(56);
    sizeRow->addStretch();
    body()->addLayout(sizeRow);

    addLabel("lblImgAlt", 5036);
    m_description = addEdit("txtImgDesc", [](TWebChunk &c, const QByteArray &t) { c.Image()->AltText = t; });
    addLabel("lblImgLink", 5038);
    addLabel("lblImgURL", 5037);
    m_link = addEdit("txtImgLink", [](TWebChunk &c, const QByteArray &t) { c.Image()->LinkURL = t; });
    addButtonRow(
        "spdImage", [](TWebChunk &c, TBlockAlign align) { c.Image()->Align = align; },
        [](TWebChunk &c, uint8_t newLine) { c.Image()->NewLine = newLine; });
}

void TImagePanel::showChosenImage(const TChosenImage &image)
{
    m_fileName->setText(image.FileName);
    m_height->setText(QString::number(image.Height));
    m_width->setText(QString::number(image.Width));
}

void TImagePanel::fillFields(const TWebChunk &chunk)
{
    const TBlockImage &image = *chunk.Image();
    setText(m_fileName, image.FileName);
    setText(m_height, image.Height);
    setText(m_width, image.Width);
    showAlign(image.Align);
    showNewLine(image.NewLine);
    setText(m_description, image.AltText);
    setText(m_link, image.LinkURL);
}

QWidget *TImagePanel::focusField() const
{
    return m_fileName;
}
