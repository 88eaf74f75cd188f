#include "app/KR_DLG.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Shown
{
    TKR_MessageKind kind;
    QString title;
    QString text;
};

TEST(KR_DLG, MessagesReachTheInstalledHandler)
{
    std::vector<Shown> shown;
    int answer = 1;
    TKR_ScopedMessageHandler handler(
        [&](TKR_MessageKind kind, const QString& title, const QString& text) {
            shown.push_back({kind, title, text});
            return answer;
        });
    ShowMessageDlg("", "Hallo");
    EXPECT_TRUE(AskMessageDlg("Frage", "Weiter"));
    answer = 2;
    EXPECT_FALSE(AskMessageDlg("Frage", "Wirklich? Ja"));
    answer = 0;
    EXPECT_FALSE(AskMessageDlg("Frage", "Nochmal"));

    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].kind, TKR_MessageKind::Message);
    EXPECT_EQ(shown[0].title, "Verdan"); // an empty title is the program's name
    EXPECT_EQ(shown[0].text, "Hallo");
    EXPECT_EQ(shown[1].kind, TKR_MessageKind::Question);
    EXPECT_EQ(shown[1].text, "Weiter?");
    EXPECT_EQ(shown[2].text, "Wirklich? Ja"); // has a question mark already
}

TEST(KR_DLG, WithoutAHandlerMessagesGoToStderrAndQuestionsAreAnsweredNo)
{
    TKR_ScopedMessageHandler none{TKR_MessageHandler()};
    testing::internal::CaptureStderr();
    ShowMessageDlg("WARNING", "Text eins");
    const bool answer = AskMessageDlg("", "Loeschen");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(answer);
    EXPECT_NE(err.find("WARNING: Text eins"), std::string::npos);
    EXPECT_NE(err.find("Verdan: Loeschen?"), std::string::npos);
}

TEST(KR_DLG, TheScopedHandlerRestoresThePreviousOne)
{
    int outer = 0;
    TKR_ScopedMessageHandler first([&](TKR_MessageKind, const QString&, const QString&) {
        ++outer;
        return 1;
    });
    {
        TKR_ScopedMessageHandler second(
            [](TKR_MessageKind, const QString&, const QString&) { return 2; });
        EXPECT_FALSE(AskMessageDlg("", "x"));
    }
    EXPECT_TRUE(AskMessageDlg("", "x"));
    EXPECT_EQ(outer, 1);
}

} // namespace
