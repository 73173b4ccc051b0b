#pragma once

#include <QString>

// Registers a font of the program's bundle with the font database, reading it where it lies in
// the program when it is stored uncompressed. Returns the font's id, or -1 if it is unusable.
int registerBundledFont(const QString &path);
