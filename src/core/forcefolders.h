#pragma once

#include <QString>

// Creates the folder path and every missing folder above it. One trailing separator is ignored;
// paths of fewer than three characters (a bare drive or root) are taken to exist. Returns whether
// the folder exists afterwards.
bool ForceFolders(const QString &path);
