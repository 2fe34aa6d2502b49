#include "prompts.h"

namespace {

class SilentPrompts final : public Prompts {
public:
    TMsgResult message(TMsgKind, const QString &, TMsgButtons buttons, const QString &) override
    {
        switch (buttons) {
        case TMsgButtons::Ok:
            return TMsgResult::Ok;
        case TMsgButtons::YesNo:
            return TMsgResult::No;
        case TMsgButtons::OkCancel:
        case TMsgButtons::YesNoCancel:
            break;
        }
        return TMsgResult::Cancel;
    }
    std::optional<TFileChoice> openFile(const TFileRequest &) override { return std::nullopt; }
    std::optional<TFileChoice> saveFile(const TFileRequest &) override { return std::nullopt; }
    std::optional<uint32_t> chooseColour(uint32_t) override { return std::nullopt; }
    TNoticeAnswer saveInformation() override { return {TMsgResult::Cancel, false}; }
    TNoticeAnswer htmlChangeAlert() override { return {TMsgResult::No, false}; }
    void styleWizard(const QString &, const QString &) override {}
    TNoticeAnswer uploadSuccess() override { return {TMsgResult::Ok, false}; }
};

SilentPrompts g_silent;
Prompts *g_current = nullptr;

} // namespace

Prompts &Prompts::current()
{
    return g_current ? *g_current : static_cast<Prompts &>(g_silent);
}

void Prompts::install(Prompts *prompts)
{
    g_current = prompts;
}

std::optional<QString> Prompts::chooseFolder(const TFileRequest &)
{
    // A prompter that cannot show a folder dialog behaves as if the user cancelled it.
    return std::nullopt;
}
