#include "command.h"

#include <QApplication>
#include <QCoreApplication>

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
    // Commands that measure text or paint need the GUI side of Qt, but never a display; the
    // thumbnail maker lays the page out in the preview's own viewer widget.
    if (command->needsGui) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return command->run(QCoreApplication::arguments().mid(2));
    }
    QCoreApplication app(argc, argv);
    return command->run(QCoreApplication::arguments().mid(2));
}
