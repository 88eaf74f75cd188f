#include "identify/BestimmungsFixture.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TLauf
{
    int ExitCode = -1;
    QString Out;
    QString Err;
};

TLauf VerdanKey(const QStringList& argumente, const QStringList& befehle = {})
{
    QProcess prozess;
    prozess.start(VERDAN_BINARY_DIR "/bin/verdan-key", argumente);
    EXPECT_TRUE(prozess.waitForStarted()) << prozess.errorString().toStdString();
    prozess.write((befehle.join(u'\n') + u'\n').toUtf8());
    prozess.closeWriteChannel();
    EXPECT_TRUE(prozess.waitForFinished(120000));
    return {prozess.exitCode(), QString::fromUtf8(prozess.readAllStandardOutput()),
            QString::fromUtf8(prozess.readAllStandardError())};
}

// Lines as one text, for readable failure messages.
std::string Zeilen(const QStringList& zeilen)
{
    return zeilen.join(u'\n').toStdString();
}

// The output of one command: the lines after its echo ("> command") up to the next echo.
QStringList Antwort(const QString& ausgabe, const QString& befehl, int wievielte = 1)
{
    QStringList antwort;
    bool drin = false;
    int gefunden = 0;
    QStringList zeilen = ausgabe.split(u'\n');
    if (zeilen.last().isEmpty()) zeilen.removeLast();
    for (const QString& zeile : zeilen) {
        if (zeile.startsWith(QStringLiteral("> "))) {
            if (drin) break;
            drin = zeile.mid(2) == befehl && ++gefunden == wievielte;
            continue;
        }
        if (drin) antwort << zeile;
    }
    return antwort;
}

int Uebrig(const QStringList& antwort)
{
    for (const QString& zeile : antwort) {
        if (zeile.startsWith(QStringLiteral("Übrig bleiben: "))) return zeile.mid(15).toInt();
    }
    ADD_FAILURE() << "no count in: " << antwort.join(u'|').toStdString();
    return -1;
}

// The number of the listed row whose text is text, 0 when none.
int Zeilennummer(const QStringList& liste, const QString& text)
{
    static const QRegularExpression zeile(QStringLiteral("^\\s*(\\d+)  (.*)$"));
    for (const QString& z : liste) {
        const QRegularExpressionMatch treffer = zeile.match(z);
        if (treffer.hasMatch() && treffer.captured(2) == text) return treffer.captured(1).toInt();
    }
    return 0;
}

class VerdanKeyTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        BestimmungsFixture::BaueDatenbank(s_dir->path());
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static QTemporaryDir* s_dir;
};

QTemporaryDir* VerdanKeyTest::s_dir = nullptr;

TEST_F(VerdanKeyTest, WrongUsageAndMissingDataEndTheProgram)
{
    EXPECT_EQ(VerdanKey({}).ExitCode, 2);
    EXPECT_EQ(VerdanKey({"a", "b"}).ExitCode, 2);
    QTemporaryDir leer;
    const TLauf lauf = VerdanKey({leer.path() + "/fehlt"}, {"keys"});
    EXPECT_EQ(lauf.ExitCode, 1);
    EXPECT_TRUE(lauf.Err.startsWith(QStringLiteral("verdan-key: "))) << lauf.Err.toStdString();
}

TEST_F(VerdanKeyTest, TicksNarrowTheListAndRowsLeadOnAndBack)
{
    const TLauf lauf = VerdanKey(
        {s_dir->path()},
        {"open 3",     "criteria",  "tick 1 2", "tick 1 1", "criteria", "sql",    "list",
         "untick 1 1", "list",      "follow 1", "levels",   "list",     "back 1", "follow 5",
         "describe 4", "german on", "list",     "back 0",   "list",     "quit",   "keys"});
    EXPECT_EQ(lauf.ExitCode, 0);
    const QString& aus = lauf.Out;

    // The fixture has no table of genus key items.
    EXPECT_TRUE(aus.startsWith(QStringLiteral("Probleme des Katalogs:\n"))) << aus.toStdString();
    EXPECT_EQ(Zeilen(Antwort(aus, "open 3")),
              Zeilen({"BLÜTENPFLANZEN.Anfang", "Übrig bleiben: 7"}));
    EXPECT_TRUE(Antwort(aus, "criteria").contains(QStringLiteral("       1 [ ] holzig")));

    // One ticked value per criterion: the second tick replaces the first.
    EXPECT_EQ(Uebrig(Antwort(aus, "tick 1 2")), 6);
    EXPECT_EQ(Uebrig(Antwort(aus, "tick 1 1")), 2);
    const QStringList kriterien = Antwort(aus, "criteria", 2);
    EXPECT_TRUE(kriterien.contains(QStringLiteral("       1 [x] holzig")));
    EXPECT_TRUE(kriterien.contains(QStringLiteral("       2 [ ] krautig")));
    EXPECT_TRUE(
        Antwort(aus, "sql").contains(QStringLiteral("   ((A.\"L\" = \"h\") OR (A.\"L\"=\"*\"))")));
    EXPECT_EQ(Zeilen(Antwort(aus, "list")),
              Zeilen({"   1  Allium -> Allium", "   2  Quercus robur", "Übrig bleiben: 2"}));

    const QStringList alle = Antwort(aus, "list", 2);
    EXPECT_EQ(Uebrig(alle), 7);
    EXPECT_EQ(Zeilennummer(alle, "Allium -> Allium"), 1);
    EXPECT_EQ(Zeilennummer(alle, "Allium ursinum"), 7);

    // The group row opens its key; the bar leads back to the row it was opened from.
    EXPECT_EQ(Zeilen(Antwort(aus, "follow 1")),
              Zeilen({"ALLIUM.Blütenpflanzen.Anfang", "Übrig bleiben: 2"}));
    EXPECT_EQ(Zeilen(Antwort(aus, "levels")),
              Zeilen({"ALLIUM.Blütenpflanzen.Anfang", " 2  Allium  [current]",
                      " 1  Blütenpflanzen  [from row 1]", " 0  Anfang"}));
    EXPECT_EQ(
        Zeilen(Antwort(aus, "list", 3)),
        Zeilen({"   1  Allium ursinum", "   2  Allium sphaerocephalon agg.", "Übrig bleiben: 2"}));
    EXPECT_EQ(Zeilen(Antwort(aus, "back 1")),
              Zeilen({"BLÜTENPFLANZEN.Anfang", "Übrig bleiben: 7", "row 1: Allium -> Allium"}));

    // A taxon row is described instead.
    const QString taxon = Antwort(aus, "follow 5").join(u'\n');
    EXPECT_TRUE(taxon.contains(QStringLiteral("Taraxacum officinale"))) << taxon.toStdString();
    EXPECT_TRUE(taxon.contains(QStringLiteral("<li>Milchsaft weiß</li>")));
    EXPECT_TRUE(Antwort(aus, "describe 4").contains(QStringLiteral("Keine Art ausgewählt<br>")));

    EXPECT_TRUE(Antwort(aus, "list", 4)
                    .contains(QStringLiteral("   1  Bär-Lauch (Allium ursinum) -> Lauch")));
    EXPECT_EQ(Zeilen(Antwort(aus, "back 0")), Zeilen({"Anfang"}));
    EXPECT_EQ(Zeilen(Antwort(aus, "list", 5)), Zeilen({"error: no key is open (open N)"}));
    // Nothing after quit.
    EXPECT_FALSE(aus.contains(QStringLiteral("> keys")));
}

TEST_F(VerdanKeyTest, BadCommandsAndEngineErrorsAreReportedAndTheSessionGoesOn)
{
    const TLauf lauf = VerdanKey(
        {s_dir->path()}, {"list", "frobnicate", "open x", "open 99", "open 3", "tick 1 9",
                          "tick 99 1", "tick 1", "follow 0", "follow 8", "back 1", "back 4",
                          "german maybe", "describe zwei", "open 8", "sql", "open 3", "list"});
    EXPECT_EQ(lauf.ExitCode, 0);
    const QString& aus = lauf.Out;
    const auto eineFehlerzeile = [&](const QString& befehl, const QString& beginn) {
        const QStringList antwort = Antwort(aus, befehl);
        ASSERT_EQ(antwort.size(), 1)
            << befehl.toStdString() << ": " << antwort.join(u'|').toStdString();
        EXPECT_TRUE(antwort[0].startsWith(beginn)) << antwort[0].toStdString();
    };
    eineFehlerzeile("list", "error: no key is open");
    eineFehlerzeile("frobnicate", "error: unknown command: frobnicate");
    eineFehlerzeile("open x", "error: key is not a number: x");
    eineFehlerzeile("open 99", "error: no key 99 (1 to 61)");
    eineFehlerzeile("tick 1 9", "error: criterion 1 has no item 9 (1 to 2)");
    eineFehlerzeile("tick 99 1", "error: no criterion 99 in this key");
    eineFehlerzeile("tick 1", "error: usage: tick F I");
    eineFehlerzeile("follow 0", "error: no row 0 (1 to 7)");
    eineFehlerzeile("follow 8", "error: no row 8 (1 to 7)");
    eineFehlerzeile("back 1", "error: level 1 is the current level");
    eineFehlerzeile("back 4", "error: no level 4 (0 to 1, see levels)");
    eineFehlerzeile("german maybe", "error: usage: german on|off");
    eineFehlerzeile("describe zwei", "error: row is not a number: zwei");

    // Key 8 has no table in the fixture: the engine's error, and the level stays open.
    const QStringList ohneTabelle = Antwort(aus, "open 8");
    ASSERT_EQ(ohneTabelle.size(), 2);
    EXPECT_EQ(ohneTabelle[0], QStringLiteral("AMARANTHUS.Anfang"));
    EXPECT_TRUE(ohneTabelle[1].startsWith(QStringLiteral("error: ")))
        << ohneTabelle[1].toStdString();
    EXPECT_TRUE(ohneTabelle[1].contains(QStringLiteral("VDB_8"))) << ohneTabelle[1].toStdString();
    EXPECT_TRUE(Antwort(aus, "sql").contains(QStringLiteral("From \"VDB_8\" A")));
    EXPECT_EQ(Uebrig(Antwort(aus, "list", 2)), 7);
}

// The shipped data: ticking "holzig" narrows the basic table, a genus row leads into its
// key, and the nesting bar leads back.
TEST(VerdanKeyShippedData, TickFollowAndBack)
{
    const TLauf erste = VerdanKey({VERDAN_DATA_DIR}, {"open 3", "tick 1 1", "list"});
    ASSERT_EQ(erste.ExitCode, 0) << erste.Err.toStdString();
    const int alle = Uebrig(Antwort(erste.Out, "open 3"));
    const QStringList holzig = Antwort(erste.Out, "list");
    EXPECT_GT(Uebrig(holzig), 0);
    EXPECT_LT(Uebrig(holzig), alle);
    const int quercus = Zeilennummer(holzig, "Quercus -> Quercus");
    ASSERT_GT(quercus, 0) << holzig.join(u'\n').toStdString();

    const TLauf zweite =
        VerdanKey({VERDAN_DATA_DIR}, {"open 3", "tick 1 1",
                                      QStringLiteral("follow %1").arg(quercus), "list", "back 1"});
    ASSERT_EQ(zweite.ExitCode, 0) << zweite.Err.toStdString();
    const QStringList folge = Antwort(zweite.Out, QStringLiteral("follow %1").arg(quercus));
    ASSERT_FALSE(folge.isEmpty());
    EXPECT_EQ(folge[0], QStringLiteral("QUERCUS.Blütenpflanzen.Anfang"));
    const QStringList eichen = Antwort(zweite.Out, "list");
    EXPECT_GT(Uebrig(eichen), 1);
    EXPECT_TRUE(eichen.filter(QStringLiteral("Quercus robur")).size() == 1)
        << eichen.join(u'\n').toStdString();
    EXPECT_EQ(
        Zeilen(Antwort(zweite.Out, "back 1")),
        Zeilen({"BLÜTENPFLANZEN.Anfang", QStringLiteral("Übrig bleiben: %1").arg(Uebrig(holzig)),
                QStringLiteral("row %1: Quercus -> Quercus").arg(quercus)}));
}

} // namespace

namespace {

// The tick command for the item of criterion titel whose text begins with anfang, read from
// the answer to "criteria"; empty when there is none.
QString Haken(const QStringList& kriterien, const QString& titel, const QString& anfang)
{
    const QRegularExpression kriterium(QStringLiteral("^ +(\\d+) (.+)$"));
    const QRegularExpression item(QStringLiteral("^ +(\\d+) \\[.\\] (.+)$"));
    QString nummer;
    for (const QString& zeile : kriterien) {
        if (const auto i = item.match(zeile); i.hasMatch()) {
            if (!nummer.isEmpty() && i.captured(2).startsWith(anfang))
                return QStringLiteral("tick %1 %2").arg(nummer, i.captured(1));
        } else if (const auto k = kriterium.match(zeile); k.hasMatch()) {
            nummer = k.captured(2) == titel ? k.captured(1) : QString();
        }
    }
    return {};
}

} // namespace

// The shipped genus keys narrow to a species with the characters a field guide names for it.
TEST(VerdanKeyShippedData, FieldGuideCharactersNarrowAGenusKeyToItsSpecies)
{
    struct TFall
    {
        int Schluessel;
        const char* Art;
        std::vector<std::pair<const char*, const char*>> Merkmale; // criterion, item text
        int HoechstensUebrig;
    };
    const TFall faelle[] = {
        {7, "Allium ursinum", {{"Blattform", "elliptisch"}, {"Blütenfarbe", "weiß"}}, 2},
        {22,
         "Equisetum arvense",
         {{"fertile Sprosse", "bleich, unverzweigt"},
          {"Verzweigung", "regelmäßig quirlig"},
          {"Stängel-Farbe", "grün"}},
         1},
        {22, "Equisetum sylvaticum", {{"Verzweigung", "quirlig verzweigt, Äste nochmals"}}, 1},
        {41, "Pinus cembra", {{"Nadel-Zahl", "5"}, {"Samen", "ungeflügelt"}}, 1},
        {41, "Pinus strobus", {{"Nadel-Zahl", "5"}, {"Zapfen-Form", "schmal walzenförmig"}}, 1},
        {38, "Cypripedium calceolus", {{"Lippe-Form", "schuhförmig"}}, 1},
        {38,
         "Neottia nidus-avis",
         {{"Chlorophyll", "ohne grüne"}, {"Speicherorgane", "büschelig"}},
         1},
        {59,
         "Viola odorata",
         {{"Blattstellung", "nur grundständig"},
          {"Ausläufer", "oberirdische"},
          {"Duft", "duftend"}},
         2},
        {59,
         "Viola tricolor",
         {{"Blütenform", "Stiefmütterchen"},
          {"Blütenfarbe", "mehrfarbig"},
          {"Nebenblätter", "groß, laubblattartig"}},
         3},
        {49, "Quercus robur", {{"Blattgrund", "geöhrt"}, {"Eicheln", "lang gestielt"}}, 1},
        {49,
         "Quercus petraea",
         {{"Blattgrund", "keilförmig"}, {"Blattbehaarung", "unterseits mit zerstreuten"}},
         1},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Art);
        const QString oeffne = QStringLiteral("open %1").arg(fall.Schluessel);
        const TLauf uebersicht = VerdanKey({VERDAN_DATA_DIR}, {oeffne, "criteria"});
        ASSERT_EQ(uebersicht.ExitCode, 0) << uebersicht.Err.toStdString();
        const QStringList kriterien = Antwort(uebersicht.Out, "criteria");
        QStringList befehle = {oeffne};
        for (const auto& [titel, anfang] : fall.Merkmale) {
            const QString haken =
                Haken(kriterien, QString::fromUtf8(titel), QString::fromUtf8(anfang));
            ASSERT_FALSE(haken.isEmpty()) << titel << ": " << anfang;
            befehle << haken;
        }
        befehle << "list";
        const TLauf lauf = VerdanKey({VERDAN_DATA_DIR}, befehle);
        ASSERT_EQ(lauf.ExitCode, 0) << lauf.Err.toStdString();
        const QStringList liste = Antwort(lauf.Out, "list");
        EXPECT_GT(Zeilennummer(liste, QString::fromUtf8(fall.Art)), 0)
            << liste.join(u'\n').toStdString();
        EXPECT_LE(Uebrig(liste), fall.HoechstensUebrig) << liste.join(u'\n').toStdString();
    }
}
