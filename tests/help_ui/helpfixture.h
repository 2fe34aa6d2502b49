#pragma once

#include <QList>
#include <QString>

// The help pages shipped with the program, as the source tree holds them.
inline QString ShippedHelpFolder()
{
    return QStringLiteral(ZV_SOURCE_ROOT "/data/Help/");
}

// Every topic a control, a wizard or a dialog of the program asks for.
inline const QList<int> &ProgramHelpTopics()
{
    static const QList<int> topics{11, 12, 13, 14, 15, 16, 17, 20, 21, 30, 31, 32,  40,  41,
                                   44, 45, 47, 48, 50, 52, 53, 54, 55, 56, 57, 59,  61,  62,
                                   63, 64, 71, 75, 76, 79, 87, 92, 93, 94, 95, 102, 103, 104};
    return topics;
}
