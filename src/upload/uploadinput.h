#pragma once

#include <QString>

// What one upload needs to know: the server and the document whose page goes to it.
struct TUploadInput {
    QString Address;   // "host", "host:port", "ftp://...", "ftps://...", "sftp://..."
    QString Directory; // remote folder below the login folder; empty for the login folder itself
    QString UserName;
    QString Password;
    bool FlatDir = false;   // the server keeps every file in one folder
    bool GeoCities = false; // the server's ISP is the free host whose pages carry its banner
    QString DocFileName;    // full path of the builder document
    QString HTMLFolder;     // where the page and its pictures are
    // Where the sizes and hashes of what went to each server are kept, so that unchanged pictures
    // are not sent again. Empty: nothing is remembered and every file is sent.
    QString UploadRecordFile;
    // Where SSH host keys are remembered; empty for the program's own file.
    QString KnownHostsFile;
};
