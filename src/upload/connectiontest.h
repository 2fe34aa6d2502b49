#pragma once

#include "uploadinput.h"

#include <QString>

class TFtpControl;

// What trying a server's details showed.
enum class TConnectionVerdict {
    Works,               // logged in and listed the folder
    FolderWillBeCreated, // logged in; the folder is missing, and the upload creates it
    FolderMissing,       // logged in; the folder is missing, and the upload would not create it
    NoAddress,           // nothing to try: the address is empty
    BadAddress,          // the address is not one the program can use
    HostNotFound,        // the name does not lead to any computer
    NoAnswer,            // nothing accepts connections at that address and port
    TimedOut,            // the server did not answer in time
    LoginRefused,        // wrong login name or password
    TlsRefused,          // "ftps://" asked for TLS and the server would not or could not
    CertificateRefused,  // the server's TLS certificate did not verify
    HostKeyChanged,      // an SSH server shows another key than the one remembered
    Cancelled,           // the test was stopped
    Failed,              // anything else; the text carries the details
};

struct TConnectionReport {
    TConnectionVerdict Verdict = TConnectionVerdict::Failed;
    // One or two short sentences for the user, saying what worked or what to check.
    QString Text;
    // Entries of the folder when it could be listed, else -1.
    int Entries = -1;

    // Whether an upload with these details can be expected to work.
    bool ok() const
    {
        return Verdict == TConnectionVerdict::Works || Verdict == TConnectionVerdict::FolderWillBeCreated;
    }
};

// Logs in to the server of input, enters and lists its folder, and says in plain words how it
// went. Nothing on the server changes: a missing folder is reported, not created. The control's
// operations block but keep the event loop running, so a window calling this stays alive and may
// stop the test with ftp.Abort(); the connection is closed again before this returns.
TConnectionReport TestServerConnection(const TUploadInput &input, TFtpControl &ftp);
