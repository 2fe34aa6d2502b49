#include "scriptedprompts.h"

#include <gtest/gtest.h>

#include <algorithm>

ScriptedPrompts::ScriptedPrompts()
{
    Prompts::install(this);
}
ScriptedPrompts::~ScriptedPrompts()
{
    Prompts::install(nullptr);
}

void ScriptedPrompts::answer(TMsgResult result)
{
    Answer a;
    a.kind = Answer::Message;
    a.result = result;
    m_answers.push_back(a);
}

void ScriptedPrompts::chooseFile(const QString &path, int filterIndex)
{
    Answer a;
    a.kind = Answer::File;
    a.file = TFileChoice{path, filterIndex};
    m_answers.push_back(a);
}

void ScriptedPrompts::cancelFile()
{
    Answer a;
    a.kind = Answer::File;
    m_answers.push_back(a);
}

void ScriptedPrompts::pickColour(uint32_t colour)
{
    Answer a;
    a.kind = Answer::Colour;
    a.colour = colour;
    m_answers.push_back(a);
}

void ScriptedPrompts::cancelColour()
{
    Answer a;
    a.kind = Answer::Colour;
    m_answers.push_back(a);
}

void ScriptedPrompts::answerSaveInformation(TMsgResult result, bool dontShowAgain)
{
    Answer a;
    a.kind = Answer::SaveInformation;
    a.result = result;
    a.dontShowAgain = dontShowAgain;
    m_answers.push_back(a);
}

void ScriptedPrompts::answerHTMLChangeAlert(TMsgResult result, bool dontShowAgain)
{
    Answer a;
    a.kind = Answer::HTMLChangeAlert;
    a.result = result;
    a.dontShowAgain = dontShowAgain;
    m_answers.push_back(a);
}

void ScriptedPrompts::answerUploadSuccess(bool dontShowAgain)
{
    Answer a;
    a.kind = Answer::UploadSuccess;
    a.result = TMsgResult::Ok;
    a.dontShowAgain = dontShowAgain;
    m_answers.push_back(a);
}

void ScriptedPrompts::runStyleWizard(std::function<void()> whatTheUserDoes)
{
    Answer a;
    a.kind = Answer::StyleWizard;
    a.action = std::move(whatTheUserDoes);
    m_answers.push_back(a);
}

int ScriptedPrompts::count(Asked::Kind kind) const
{
    return int(
        std::count_if(m_asked.begin(), m_asked.end(), [kind](const Asked &a) { return a.kind == kind; }));
}

void ScriptedPrompts::record(Asked::Kind kind, const QString &text)
{
    Asked asked;
    asked.kind = kind;
    asked.text = text;
    m_asked << asked;
}

QStringList ScriptedPrompts::messages() const
{
    QStringList out;
    for (const Asked &a : m_asked) {
        if (a.kind == Asked::Message)
            out << a.text;
    }
    return out;
}

void ScriptedPrompts::clear()
{
    m_answers.clear();
    m_asked.clear();
}

ScriptedPrompts::Answer ScriptedPrompts::next(Answer::Kind expected, const QString &what)
{
    if (m_answers.empty() || m_answers.front().kind != expected) {
        ADD_FAILURE() << "unexpected question: " << what.toStdString();
        Answer cancel;
        cancel.kind = expected;
        return cancel;
    }
    Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

TMsgResult ScriptedPrompts::message(TMsgKind kind, const QString &text, TMsgButtons buttons, const QString &)
{
    Asked asked;
    asked.kind = Asked::Message;
    asked.msgKind = kind;
    asked.buttons = buttons;
    asked.text = text;
    m_asked << asked;
    if (buttons == TMsgButtons::Ok && (m_answers.empty() || m_answers.front().kind != Answer::Message))
        return TMsgResult::Ok; // a plain notice needs no scripted answer
    return next(Answer::Message, text).result;
}

std::optional<TFileChoice> ScriptedPrompts::fileAnswer(Asked::Kind kind, const TFileRequest &request)
{
    Asked asked;
    asked.kind = kind;
    asked.text = request.title;
    asked.request = request;
    m_asked << asked;
    return next(Answer::File, QStringLiteral("file dialog ") + request.title).file;
}

std::optional<TFileChoice> ScriptedPrompts::openFile(const TFileRequest &request)
{
    return fileAnswer(Asked::OpenFile, request);
}

std::optional<TFileChoice> ScriptedPrompts::saveFile(const TFileRequest &request)
{
    return fileAnswer(Asked::SaveFile, request);
}

std::optional<QString> ScriptedPrompts::chooseFolder(const TFileRequest &request)
{
    const std::optional<TFileChoice> choice = fileAnswer(Asked::ChooseFolder, request);
    if (!choice)
        return std::nullopt;
    return choice->path;
}

std::optional<uint32_t> ScriptedPrompts::chooseColour(uint32_t)
{
    Asked asked;
    asked.kind = Asked::Colour;
    m_asked << asked;
    return next(Answer::Colour, QStringLiteral("colour dialog")).colour;
}

TNoticeAnswer ScriptedPrompts::saveInformation()
{
    record(Asked::SaveInformation, QStringLiteral("File Save Information"));
    if (m_answers.empty() || m_answers.front().kind != Answer::SaveInformation)
        return {TMsgResult::Ok, false}; // a notice like any other: OK, the box left alone
    const Answer a = next(Answer::SaveInformation, QStringLiteral("File Save Information"));
    return {a.result, a.dontShowAgain};
}

TNoticeAnswer ScriptedPrompts::htmlChangeAlert()
{
    record(Asked::HTMLChangeAlert, QStringLiteral("HTML Change Alert"));
    const Answer a = next(Answer::HTMLChangeAlert, QStringLiteral("HTML Change Alert"));
    // An unexpected alert is answered like a closed one.
    if (a.result != TMsgResult::Yes)
        return {TMsgResult::No, a.dontShowAgain};
    return {a.result, a.dontShowAgain};
}

void ScriptedPrompts::styleWizard(const QString &programFolder, const QString &)
{
    record(Asked::StyleWizard, programFolder);
    const Answer a = next(Answer::StyleWizard, QStringLiteral("style wizard"));
    if (a.action)
        a.action();
}

TNoticeAnswer ScriptedPrompts::uploadSuccess()
{
    record(Asked::UploadSuccess, QStringLiteral("Upload Successful"));
    if (m_answers.empty() || m_answers.front().kind != Answer::UploadSuccess)
        return {TMsgResult::Ok, false};
    const Answer a = next(Answer::UploadSuccess, QStringLiteral("Upload Successful"));
    return {TMsgResult::Ok, a.dontShowAgain};
}
