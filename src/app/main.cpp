#include "frmsplash.h"
#include "qtprompts.h"
#include "zorvinapplication.h"

int main(int argc, char **argv)
{
    TZorvinApplication app(argc, argv);
    TQtPrompts prompts;
    Prompts::install(&prompts);
    TfrmSplash splash;
    splash.start();
    const int result = TZorvinApplication::exec();
    Prompts::install(nullptr);
    return result;
}
