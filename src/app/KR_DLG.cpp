#include "app/KR_DLG.h"

#include "app/KR_MYSYS.h"

#include <cstdio>

namespace {

constexpr int kNoAnswer = 0;
constexpr int kYes = 1;

TKR_MessageHandler& Handler()
{
    static TKR_MessageHandler handler;
    return handler;
}

int WriteToStderr(TKR_MessageKind kind, const QString& title, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(),
                 text.toLocal8Bit().constData());
    if (kind == TKR_MessageKind::Question) std::fprintf(stderr, "(%s)\n", "Nein");
    std::fflush(stderr);
    return kNoAnswer;
}

int Dispatch(TKR_MessageKind kind, const QString& title, const QString& text)
{
    const QString caption = title.isEmpty() ? SetupBlock.ProgramId : title;
    const TKR_MessageHandler& handler = Handler();
    return handler ? handler(kind, caption, text) : WriteToStderr(kind, caption, text);
}

} // namespace

TKR_MessageHandler SetMessageHandler(TKR_MessageHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

void ShowMessageDlg(const QString& title, const QString& text)
{
    Dispatch(TKR_MessageKind::Message, title, text);
}

bool AskMessageDlg(const QString& title, const QString& text)
{
    const QString question = text.contains(u'?') ? text : text + u'?';
    return Dispatch(TKR_MessageKind::Question, title, question) == kYes;
}
