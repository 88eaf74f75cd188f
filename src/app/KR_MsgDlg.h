#pragma once

#include "app/KR_DLG.h"

#include <QDialog>
#include <memory>

class QLabel;
class QPushButton;
class QWidget;

// The program's message dialog: a bold centred message over a bottom panel with the buttons
// "&Ja" and "&Nein" (a question) or "&Weiter" (a message).
class TKR_MsgDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int NoAnswer = 0;
    static constexpr int AnswerJa = 1;
    static constexpr int AnswerNeinOrWeiter = 2;

    explicit TKR_MsgDlg(QWidget* parent = nullptr);

    // Shows text modally under title and returns the result: 1 "Ja", 2 "Nein" or "Weiter",
    // 0 when closed otherwise.
    int Execute(TKR_MessageKind kind, const QString& title, const QString& text);
    int Result() const { return m_result; }

    QLabel* MELDUNG1 = nullptr;
    QWidget* MainPanel = nullptr;
    QWidget* ButtonPanel = nullptr;
    QPushButton* Ja = nullptr;
    QPushButton* Nein = nullptr;
    QPushButton* Weiter = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Answer(int result);
    void PlaceForText();
    void CentreButtonPanel();

    int m_result = NoAnswer;
};

// Makes the message dialog the program's message handler while it lives. The one dialog is
// created on first use and reused; it goes with this object.
class TKR_MsgDlgHandler
{
public:
    TKR_MsgDlgHandler();
    ~TKR_MsgDlgHandler();
    TKR_MsgDlgHandler(const TKR_MsgDlgHandler&) = delete;
    TKR_MsgDlgHandler& operator=(const TKR_MsgDlgHandler&) = delete;

    // The dialog, once a message has been shown.
    TKR_MsgDlg* Dialog() const { return m_dialog.get(); }

private:
    std::unique_ptr<TKR_MsgDlg> m_dialog;
    TKR_MessageHandler m_previous;
};
