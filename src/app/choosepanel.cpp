#include "choosepanel.h"

#include "stringtable.h"

#include <QVBoxLayout>

TChoosePanel::TChoosePanel(QWidget *parent)
    : TStagePanel(QStringLiteral("pnlChoose"), LoadStr(5007), LoadStr(5008), parent)
{
    contentLayout()->addStretch(1);
}

std::optional<TChoosePanel::TGalleryItem> TChoosePanel::selectedItem() const
{
    // The gallery list itself arrives with the gallery; until then nothing can be selected.
    return std::nullopt;
}

void TChoosePanel::GetTemplates() {}

void TChoosePanel::clearGallery() {}
