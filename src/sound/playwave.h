#pragma once

#include <QString>

// Plays the sound resource ":/sounds/<name>.wav" asynchronously - the call returns at once - but
// only when the "PlaySounds" switch of the "General" section reads exactly "Yes". Returns whether the
// sound was started. Without an audio device the program simply stays silent. In test mode the
// decision is made and reported the same way, but nothing is played.
bool PlayWave(const QString &name);

// The resource path of a sound, empty when the program has no such sound.
QString WaveResourcePath(const QString &name);
