#pragma once

#include <QPixmap>
#include <QString>

// The program's bitmap resources are compiled in under ":/bitmaps/" with their resource name
// (VERDAN_OFFGREEN), as a .bmp or .png file or as bare bitmap data without file header.

// Loads the bitmap resource name from the resource folder module (empty: ":/bitmaps") into
// bitmap; true when found and readable. With Colour256 set, name + "256" is tried first.
bool LoadBitmapResource(const QString& module, const QString& name, QPixmap& bitmap);
