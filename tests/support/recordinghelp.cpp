#include "recordinghelp.h"

TRecordingHelp::TRecordingHelp()
{
    THelpService::install(this);
}

TRecordingHelp::~TRecordingHelp()
{
    THelpService::install(nullptr);
}
