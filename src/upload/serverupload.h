#pragma once

#include "uploadinput.h"

struct tWWWServerType;
class QString;

// The upload of one document to one server from the user's list. The send stage and the command-line
// publisher both start their jobs from here, so that a page goes up the same way from either.
// stateFolder is where the program keeps what it remembers between uploads: the record of what was
// sent to each server and the SSH host keys it has seen.
TUploadInput UploadInputForServer(const tWWWServerType &server, const QString &docFileName,
                                  const QString &htmlFolder, const QString &stateFolder);

// The folder the program keeps that memory in: beside the settings store, in the program's own
// configuration folder, whichever executable (the program or its companion tool) runs the upload.
// It is the folder the FTP control keeps SSH host keys in by default.
QString UploadStateFolder();
