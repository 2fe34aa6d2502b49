#include "command.h"

#include <cstdio>
#include <cstring>

namespace {
std::vector<const ZvCommand *> &registry()
{
    static std::vector<const ZvCommand *> commands;
    return commands;
}
} // namespace

ZvCommand::ZvCommand(const char *name, const char *usage, bool needsGui, Runner run)
    : name(name), usage(usage), needsGui(needsGui), run(run)
{
    registry().push_back(this);
}

const std::vector<const ZvCommand *> &ZvCommand::all()
{
    return registry();
}

const ZvCommand *ZvCommand::find(const char *name)
{
    for (const ZvCommand *c : registry()) {
        if (!std::strcmp(c->name, name))
            return c;
    }
    return nullptr;
}

void zvWarn(const QString &message)
{
    std::fprintf(stderr, "zvtool: %s\n", message.toLocal8Bit().constData());
}

int zvFail(const QString &message)
{
    zvWarn(message);
    return 1;
}

void zvWrite(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}
