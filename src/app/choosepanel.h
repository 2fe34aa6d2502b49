#pragma once

#include "stagepanel.h"

#include <optional>

// The choose stage: the welcome text and, above all, the gallery of templates and saved pages
// the user starts from.
class TChoosePanel : public TStagePanel {
    Q_OBJECT
public:
    struct TGalleryItem {
        QString path;
        bool isSavedPage = false;
    };

    explicit TChoosePanel(QWidget *parent = nullptr);

    // The gallery entry the user has selected, if any. Stage switches load it first.
    std::optional<TGalleryItem> selectedItem() const;
    // Refills the gallery from the template and save folders and shows the front picture.
    void GetTemplates();
    // Empties the gallery; it is refilled the next time the stage is shown.
    void clearGallery();
};
