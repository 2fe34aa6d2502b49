#include "command.h"
#include "stringtable.h"

// "zvtool strings": the program's string table, one "id<TAB>text" line per entry, sorted by id.
static int runStrings(const QStringList &args)
{
    if (!args.isEmpty())
        return zvFail(QStringLiteral("strings takes no arguments"));
    zvWrite(StringTableListing());
    return 0;
}

static const ZvCommand stringsCommand{"strings", "print the string table (id<TAB>text)", false, runStrings};
