#pragma once

#include "helpeventfilter.h"
#include "menukeyfilter.h"

#include <QCoreApplication>

// The program's keyboard filters, F1 for help and the menu keys, installed on the application for
// as long as this object lives, as the program installs them at start-up. Header only: it is for
// tests that link the help library.
class TProgramKeyFilters {
public:
    TProgramKeyFilters()
    {
        qApp->installEventFilter(&m_help);
        qApp->installEventFilter(&m_menus);
    }
    ~TProgramKeyFilters()
    {
        qApp->removeEventFilter(&m_menus);
        qApp->removeEventFilter(&m_help);
    }
    TProgramKeyFilters(const TProgramKeyFilters &) = delete;
    TProgramKeyFilters &operator=(const TProgramKeyFilters &) = delete;

private:
    THelpEventFilter m_help;
    TMenuKeyFilter m_menus;
};
