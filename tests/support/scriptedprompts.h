#pragma once

#include "prompts.h"

#include <QList>
#include <QString>

#include <deque>

// Answers the program's questions from a script and records every question asked.
// Install it for the length of a test:  ScriptedPrompts prompts;  (installs itself, uninstalls
// on destruction). A question with no scripted answer fails the test and is answered with Cancel.
class ScriptedPrompts final : public Prompts {
public:
    struct Asked {
        enum Kind { Message, OpenFile, SaveFile, Colour } kind = Message;
        TMsgKind msgKind = TMsgKind::Information;
        TMsgButtons buttons = TMsgButtons::Ok;
        QString text; // message text, or dialog title
        TFileRequest request;
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;

    // Queue answers, consumed in order.
    void answer(TMsgResult result);
    void chooseFile(const QString &path, int filterIndex = 0);
    void cancelFile();
    void pickColour(uint32_t colour);
    void cancelColour();

    const QList<Asked> &asked() const { return m_asked; }
    QStringList messages() const; // the texts of the message boxes shown, in order
    bool allAnswersUsed() const { return m_answers.empty(); }
    void clear();

    TMsgResult message(TMsgKind kind, const QString &text, TMsgButtons buttons,
                       const QString &caption) override;
    std::optional<TFileChoice> openFile(const TFileRequest &request) override;
    std::optional<TFileChoice> saveFile(const TFileRequest &request) override;
    std::optional<uint32_t> chooseColour(uint32_t initial) override;

private:
    struct Answer {
        enum Kind { Message, File, Colour } kind = Message;
        TMsgResult result = TMsgResult::Cancel;
        std::optional<TFileChoice> file;
        std::optional<uint32_t> colour;
    };
    Answer next(Answer::Kind expected, const QString &what);
    std::optional<TFileChoice> fileAnswer(Asked::Kind kind, const TFileRequest &request);

    std::deque<Answer> m_answers;
    QList<Asked> m_asked;
};
