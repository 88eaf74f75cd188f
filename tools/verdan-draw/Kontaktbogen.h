#pragma once

#include "Strukturtabellen.h"

#include <QImage>

// A sheet of pictures of one kind with their captions, for looking over the drawings.
QImage Kontaktbogen(const std::vector<TBild>& bilder, int bildart, int spalten);
