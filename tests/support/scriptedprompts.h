#pragma once

#include "prompts.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>

// Answers the program's questions from a script and records every question asked.
// Install it for the length of a test:  ScriptedPrompts prompts;  (installs itself, uninstalls
// on destruction). A question with no scripted answer fails the test and is answered with Cancel.
// Notices with nothing to decide (a message with only OK, the File Save Information dialog) are
// answered with OK when no answer of their kind is next in the script.
class ScriptedPrompts final : public Prompts {
public:
    struct Asked {
        enum Kind {
            Message,
            OpenFile,
            SaveFile,
            Colour,
            SaveInformation,
            HTMLChangeAlert,
            StyleWizard,
            ChooseFolder,
            UploadSuccess
        } kind = Message;
        TMsgKind msgKind = TMsgKind::Information;
        TMsgButtons buttons = TMsgButtons::Ok;
        QString text; // message text, or dialog title
        TFileRequest request;
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;

    // Queue answers, consumed in order.
    void answer(TMsgResult result);
    // File dialogs, and the folder dialog as well, take these answers.
    void chooseFile(const QString &path, int filterIndex = 0);
    void cancelFile();
    void pickColour(uint32_t colour);
    void cancelColour();
    // The File Save Information dialog: OK, with or without "Don't show this screen again.",
    // or closed (result Cancel).
    void answerSaveInformation(TMsgResult result = TMsgResult::Ok, bool dontShowAgain = false);
    // The HTML Change Alert: Yes or No, with or without its check box ticked.
    void answerHTMLChangeAlert(TMsgResult result, bool dontShowAgain = false);
    // The style wizard: runs whatTheUserDoes (writing the styles file, say) while it is "open".
    void runStyleWizard(std::function<void()> whatTheUserDoes = {});
    // The Upload Successful dialog: closed with or without "Don't show this screen again." ticked.
    // Without a scripted answer it is closed with the box left alone.
    void answerUploadSuccess(bool dontShowAgain);

    const QList<Asked> &asked() const { return m_asked; }
    QStringList messages() const;      // the texts of the message boxes shown, in order
    int count(Asked::Kind kind) const; // how often a kind of question was asked
    bool allAnswersUsed() const { return m_answers.empty(); }
    void clear();

    TMsgResult message(TMsgKind kind, const QString &text, TMsgButtons buttons,
                       const QString &caption) override;
    std::optional<TFileChoice> openFile(const TFileRequest &request) override;
    std::optional<TFileChoice> saveFile(const TFileRequest &request) override;
    std::optional<QString> chooseFolder(const TFileRequest &request) override;
    std::optional<uint32_t> chooseColour(uint32_t initial) override;
    TNoticeAnswer saveInformation() override;
    TNoticeAnswer htmlChangeAlert() override;
    void styleWizard(const QString &programFolder, const QString &htmlFolder) override;
    TNoticeAnswer uploadSuccess() override;

private:
    struct Answer {
        enum Kind {
            Message,
            File,
            Colour,
            SaveInformation,
            HTMLChangeAlert,
            StyleWizard,
            UploadSuccess
        } kind = Message;
        TMsgResult result = TMsgResult::Cancel;
        bool dontShowAgain = false;
        std::optional<TFileChoice> file;
        std::optional<uint32_t> colour;
        std::function<void()> action;
    };
    void record(Asked::Kind kind, const QString &text);
    Answer next(Answer::Kind expected, const QString &what);
    std::optional<TFileChoice> fileAnswer(Asked::Kind kind, const TFileRequest &request);

    std::deque<Answer> m_answers;
    QList<Asked> m_asked;
};
