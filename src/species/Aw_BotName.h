#pragma once

#include <QString>

// Genus and epithet read from what a user types to find a species.
struct TAW_BotanischerName
{
    QString Gattung;
    QString Art;
};

// Splits a search text into genus and epithet: "ssp." counts as "subsp."; a part in single
// quotes is dropped; a rank marker ("subsp.", "var.", "f.", "s.l") is dropped together with
// the word after it; accented letters typed as their ASCII codes are turned back. Then the
// first two "/"-separated parts when the text holds a "/", else the first two words.
TAW_BotanischerName TeileBotanischenNamen(const QString& text);
