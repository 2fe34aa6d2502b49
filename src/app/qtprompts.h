#pragma once

#include "prompts.h"

#include <QMessageBox>

class QWidget;

// Shows the program's questions in real dialogs: message boxes, the standard open and save file
// dialogs, the colour dialog and the program's own dialogs (File Save Information, HTML Change
// Alert, style wizard, Upload Successful). Dialogs are modal to the main window, or to the dialog that asks.
class TQtPrompts final : public Prompts {
public:
    TMsgResult message(TMsgKind kind, const QString &text, TMsgButtons buttons,
                       const QString &caption = QString()) override;
    std::optional<TFileChoice> openFile(const TFileRequest &request) override;
    std::optional<TFileChoice> saveFile(const TFileRequest &request) override;
    std::optional<QString> chooseFolder(const TFileRequest &request) override;
    std::optional<uint32_t> chooseColour(uint32_t initial) override;
    TNoticeAnswer saveInformation() override;
    TNoticeAnswer htmlChangeAlert() override;
    void styleWizard(const QString &programFolder, const QString &htmlFolder) override;
    TNoticeAnswer uploadSuccess() override;

    // The pieces of a message box, kept apart so they can be checked without showing one.
    static QMessageBox::Icon iconFor(TMsgKind kind);
    static QMessageBox::StandardButtons buttonsFor(TMsgButtons buttons);
    static QMessageBox::StandardButton defaultButtonFor(TMsgButtons buttons);
    // What a button (or closing the box, NoButton) answers.
    static TMsgResult resultFor(QMessageBox::StandardButton button, TMsgButtons buttons);
    // The caption: the given one, or the program's name.
    static QString captionFor(const QString &caption);
    // Prepares, without showing, the message box that message() would show.
    static void setUpMessageBox(QMessageBox &box, TMsgKind kind, const QString &text, TMsgButtons buttons,
                                const QString &caption);

private:
    enum class TFileDialogKind { Open, Save };
    std::optional<TFileChoice> fileDialog(const TFileRequest &request, TFileDialogKind kind);
};
