#include "command.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        std::fprintf(stderr, "usage: zvtool COMMAND [ARGUMENTS]\n\ncommands:\n");
        for (const ZvCommand *c : ZvCommand::all())
            std::fprintf(stderr, "  %-8s %s\n", c->name, c->usage);
        return argc < 2 ? 2 : 0;
    }
    const ZvCommand *command = ZvCommand::find(argv[1]);
    if (!command) {
        std::fprintf(stderr, "zvtool: unknown command '%s' (see zvtool --help)\n", argv[1]);
        return 2;
    }
    // The tool works on the same program folder and settings as the program, wherever it is
    // installed: the names below choose the user's data folder and settings file.
    QCoreApplication::setOrganizationName(QStringLiteral("Pellory"));
    QCoreApplication::setApplicationName(QStringLiteral("Zorvin Express"));
    // Commands that measure text or paint need the GUI side of Qt for fonts and pictures, but
    // never a display: the tool shows nothing, so it always takes the platform that draws into
    // memory, whatever the desktop around it uses. The other commands need no GUI at all.
    if (command->needsGui) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return command->run(QCoreApplication::arguments().mid(2));
    }
    QCoreApplication app(argc, argv);
    return command->run(QCoreApplication::arguments().mid(2));
}
