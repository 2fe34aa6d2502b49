#include "frmsplash.h"
#include "helpeventfilter.h"
#include "menukeyfilter.h"
#include "qtprompts.h"
#include "viewerhelpservice.h"
#include "zorvinapplication.h"

int main(int argc, char **argv)
{
    TZorvinApplication app(argc, argv);
    TQtPrompts prompts;
    Prompts::install(&prompts);
    TViewerHelpService help;
    THelpService::install(&help);
    THelpEventFilter helpKeys;
    app.installEventFilter(&helpKeys);
    TMenuKeyFilter menuKeys;
    app.installEventFilter(&menuKeys);
    TfrmSplash splash;
    splash.start();
    const int result = TZorvinApplication::exec();
    THelpService::install(nullptr);
    Prompts::install(nullptr);
    return result;
}
