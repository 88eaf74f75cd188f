#pragma once

#include <QString>
#include <functional>

// The program's modal messages go through one place: a handler that shows them and returns
// the answer. The program installs the message dialog as handler; tests install their own.
// Without a handler, messages go to stderr and every question is answered "Nein".

enum class TKR_MessageKind
{
    Message,  // one button "&Weiter"
    Question, // "&Ja" and "&Nein"
};

// Result of a message: 0 no answer (closed otherwise), 1 "Ja", 2 "Nein" or "Weiter".
using TKR_MessageHandler =
    std::function<int(TKR_MessageKind kind, const QString& title, const QString& text)>;

// Installs handler (an empty one restores the stderr default); returns the previous one.
TKR_MessageHandler SetMessageHandler(TKR_MessageHandler handler);

// A message with the single button "&Weiter". An empty title becomes ProgramId.
void ShowMessageDlg(const QString& title, const QString& text);
// A question with "&Ja" and "&Nein"; "?" is appended to a text without one. True for "Ja".
bool AskMessageDlg(const QString& title, const QString& text);

// Installs a handler for the lifetime of the object and restores the previous one after.
class TKR_ScopedMessageHandler
{
public:
    explicit TKR_ScopedMessageHandler(TKR_MessageHandler handler)
        : m_previous(SetMessageHandler(std::move(handler)))
    {}
    ~TKR_ScopedMessageHandler() { SetMessageHandler(std::move(m_previous)); }
    TKR_ScopedMessageHandler(const TKR_ScopedMessageHandler&) = delete;
    TKR_ScopedMessageHandler& operator=(const TKR_ScopedMessageHandler&) = delete;

private:
    TKR_MessageHandler m_previous;
};
