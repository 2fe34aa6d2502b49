#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The program's numbered texts: captions, hints, list items and messages. The table is compiled
// into the program; a CR LF inside a text is stored as the two characters "\n".

// The text of id, with CR LF restored; empty for an id the table does not have.
QString LoadStr(int id);
// The same text as Windows-1252 bytes, for texts that go into generated HTML.
QByteArray LoadStrBytes(int id);
// Every id of the table, ascending.
QList<int> StringIds();

// The whole table as "id<TAB>text" lines sorted by id, UTF-8, each line ended by a line feed and
// every CR LF inside a text written as the two characters "\n" - the form the table is kept in.
QByteArray StringTableListing();
