#include "page.h"

#include "stringtable.h"

QByteArray TPage::defaultTitle()
{
    return LoadStrBytes(104);
}
