#pragma once

#include "ispdetails.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// A definition read from one file, with the reason when the file could not be used.
struct TISPRead {
    ISPDetails Details;
    QString Error; // empty when the file was read; a definition without a name is not an error
};

// The definition in the bytes of a ".inf" file; missing keys and values that are not numbers
// take the defaults of ISPDetails.
TISPRead ParseISPDefinition(QByteArrayView bytes);

// The definition in the file fileName of serversFolder.
TISPRead ReadISPFile(const QString &serversFolder, const QString &fileName);

// Every "*.inf" file of serversFolder (the pattern ignores letter case) in name order, keeping
// the definitions that have a name. Entries that are not files, and files that cannot be read,
// are skipped; a line for each goes into warnings when it is given.
TISPList LoadISPs(const QString &serversFolder, QStringList *warnings = nullptr);

// The index of the last definition whose Name equals name exactly; -1 when there is none.
int FindISP(const TISPList &isps, const QString &name);

// Whether a definition is the GeoCities one, whose prompts and web address differ.
bool IsGeoCities(const QString &ispName);
