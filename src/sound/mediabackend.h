#pragma once

// Chooses the media backend that plays the splash animation and the sounds. The FFmpeg backend
// comes with the multimedia library itself; the GStreamer one depends on plug-ins a machine may
// lack, and without them Qt's player crashes instead of reporting an error. A backend the user
// chose through QT_MEDIA_BACKEND is kept. Call before the first sound or media player is made.
void PrepareMediaBackend();
