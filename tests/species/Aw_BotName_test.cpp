#include "species/Aw_BotName.h"

#include <gtest/gtest.h>

TEST(Aw_BotName, SplitsGenusAndEpithetOutOfWhatUsersType)
{
    struct Fall
    {
        QString text;
        QString gattung;
        QString art;
    };
    const Fall faelle[] = {
        {"Bellis perennis", "Bellis", "perennis"},
        {"  Bellis   per  ", "Bellis", "per"},
        {"Bellis", "Bellis", ""},
        {"Bellis/perennis/L.", "Bellis", "perennis"},
        {"Bellis / perennis", "Bellis", "perennis"},
        {"Achillea millefolium ssp. sudetica", "Achillea", "millefolium"},
        {"Achillea millefolium subsp. sudetica", "Achillea", "millefolium"},
        {"Achillea ssp. sudetica millefolium", "Achillea", "millefolium"},
        {"Viola var. minor tricolor", "Viola", "tricolor"},
        {"Rosa f. alba canina", "Rosa", "canina"},
        {"Rosa canina s.l", "Rosa", "canina"},
        {"Rosa 'Gloria Dei' canina", "Rosa", "canina"},
        {"Rosa canina 'offen", "Rosa", "canina"},
        {"Rosa/ssp./canina", "Rosa", ""},
        {"Gue_nthera", "Günthera", ""},
        {"ssp.", "", ""},
        {"'", "", ""},
        {"/", "", ""},
        {"   ", "", ""},
        {"", "", ""},
    };
    for (const Fall& fall : faelle) {
        const TAW_BotanischerName name = TeileBotanischenNamen(fall.text);
        EXPECT_EQ(name.Gattung, fall.gattung) << fall.text.toStdString();
        EXPECT_EQ(name.Art, fall.art) << fall.text.toStdString();
    }
}
