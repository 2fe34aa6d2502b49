#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Every message box, file dialog and colour dialog of the program goes through this interface.
// The program installs an implementation that shows real dialogs; the tests install one that
// answers from a script and records what was asked. Model code never uses it.

enum class TMsgKind { Warning, Error, Information, Confirmation };
enum class TMsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class TMsgResult { Ok, Cancel, Yes, No };

struct TFileRequest {
    QString title;
    QString folder;        // folder the dialog opens in
    QString fileName;      // proposed file name (save dialogs)
    QString filter;        // "Builder documents (*.zve);;Templates (*.zvt)"
    int filterIndex = 0;   // 0-based index of the preselected filter
    QString defaultSuffix; // appended when the user types a name without extension
};

struct TFileChoice {
    QString path;
    int filterIndex = 0; // 0-based index of the filter the user picked
};

// The answer of one of the program's own dialogs that offer "Don't show this screen again.".
// Whoever asks decides what the tick means; the dialog only reports it.
struct TNoticeAnswer {
    TMsgResult result = TMsgResult::Cancel;
    bool dontShowAgain = false;
};

class Prompts {
public:
    virtual ~Prompts() = default;

    virtual TMsgResult message(TMsgKind kind, const QString &text, TMsgButtons buttons,
                               const QString &caption = QString()) = 0;
    // Both return nothing when the user cancels.
    virtual std::optional<TFileChoice> openFile(const TFileRequest &request) = 0;
    virtual std::optional<TFileChoice> saveFile(const TFileRequest &request) = 0;
    // A folder, for the commands that write several files at once; nothing when cancelled. The
    // request's folder is where the dialog opens; only its title and folder are used.
    virtual std::optional<QString> chooseFolder(const TFileRequest &request);
    // Colours are 0x00BBGGRR values; nothing when cancelled.
    virtual std::optional<uint32_t> chooseColour(uint32_t initial) = 0;

    // The File Save Information dialog, shown before a document is first saved. Its result is
    // Ok for the OK button and Cancel when it was closed any other way.
    virtual TNoticeAnswer saveInformation() = 0;
    // The HTML Change Alert, shown before the first hand edit of the page HTML text. Its result
    // is Yes when the user goes on editing and No otherwise.
    virtual TNoticeAnswer htmlChangeAlert() = 0;
    // The style wizard over the "Styles.data" of programFolder; the sample page goes into
    // htmlFolder. It writes the file itself when the user finishes; the caller reads it again.
    virtual void styleWizard(const QString &programFolder, const QString &htmlFolder) = 0;
    // The Upload Successful dialog, shown after a page went up. Its result is Ok however it was
    // closed; only the tick of its check box matters.
    virtual TNoticeAnswer uploadSuccess() = 0;

    // The implementation in use. Until one is installed a silent one answers every
    // question with Cancel (or No, for Yes/No questions), picks no file and runs no wizard.
    static Prompts &current();
    // Does not take ownership; pass nullptr to go back to the silent answers.
    static void install(Prompts *prompts);
};
