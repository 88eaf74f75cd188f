#include "app/KR_MsgDlg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>

namespace {

constexpr int kClientWidth = 442;
constexpr int kClientHeight = 77;
constexpr int kShownWidth = 450;
constexpr int kWideLabel = 300;
constexpr int kLabelMargin = 70;
constexpr int kLabelTop = 12;
constexpr int kMainPanelHeight = 39;
constexpr int kButtonPanelWidth = 187;
constexpr int kButtonTop = 8;

QPushButton* MakeButton(const QString& caption, int x, int width, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(x, kButtonTop, width, 23);
    button->setAutoDefault(false);
    button->hide();
    return button;
}

} // namespace

TKR_MsgDlg::TKR_MsgDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Dialog"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 10));
    setModal(true);

    MELDUNG1 = new QLabel(this);
    MELDUNG1->setObjectName(QStringLiteral("MELDUNG1"));
    QFont bold = font();
    bold.setBold(true);
    MELDUNG1->setFont(bold);
    MELDUNG1->setAlignment(Qt::AlignCenter);

    MainPanel = new QWidget(this);
    MainPanel->setObjectName(QStringLiteral("MainPanel"));
    ButtonPanel = new QWidget(MainPanel);
    ButtonPanel->setObjectName(QStringLiteral("ButtonPanel"));
    ButtonPanel->resize(kButtonPanelWidth, kMainPanelHeight);

    // "&Ja" and "&Nein" side by side, "&Weiter" alone, each centred in the button panel.
    Ja = MakeButton(QStringLiteral("&Ja"), 31, 55, ButtonPanel);
    Nein = MakeButton(QStringLiteral("&Nein"), 101, 55, ButtonPanel);
    Weiter = MakeButton(QStringLiteral("&Weiter"), 58, 70, ButtonPanel);
    Ja->setObjectName(QStringLiteral("Ja"));
    Nein->setObjectName(QStringLiteral("Nein"));
    Weiter->setObjectName(QStringLiteral("Weiter"));
    connect(Ja, &QPushButton::clicked, this, [this] { Answer(AnswerJa); });
    connect(Nein, &QPushButton::clicked, this, [this] { Answer(AnswerNeinOrWeiter); });
    connect(Weiter, &QPushButton::clicked, this, [this] { Answer(AnswerNeinOrWeiter); });

    setFixedSize(kClientWidth, kClientHeight);
}

int TKR_MsgDlg::Execute(TKR_MessageKind kind, const QString& title, const QString& text)
{
    setWindowTitle(title);
    MELDUNG1->setText(text);
    const bool question = kind == TKR_MessageKind::Question;
    Ja->setVisible(question);
    Nein->setVisible(question);
    Weiter->setVisible(!question);
    m_result = NoAnswer;
    PlaceForText();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    (question ? Ja : Weiter)->setFocus();
    raise();
    exec();
    return m_result;
}

void TKR_MsgDlg::Answer(int result)
{
    m_result = result;
    accept();
}

void TKR_MsgDlg::PlaceForText()
{
    // A text too wide for the screen wraps instead of running off it.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int widest =
        screen ? std::max(kShownWidth, screen->availableGeometry().width() - 100) : 800;
    MELDUNG1->setWordWrap(false);
    MELDUNG1->adjustSize();
    if (MELDUNG1->width() + kLabelMargin > widest) {
        MELDUNG1->setWordWrap(true);
        MELDUNG1->setFixedWidth(widest - kLabelMargin);
        MELDUNG1->setMinimumHeight(MELDUNG1->heightForWidth(widest - kLabelMargin));
        MELDUNG1->adjustSize();
    } else {
        MELDUNG1->setMinimumSize(0, 0);
        MELDUNG1->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    const int labelWidth = MELDUNG1->width();
    const int width = labelWidth > kWideLabel ? labelWidth + kLabelMargin : kShownWidth;
    const int height =
        std::max(kClientHeight, kLabelTop + MELDUNG1->height() + 8 + kMainPanelHeight);
    setFixedSize(width, height);
    MELDUNG1->move((width - labelWidth) / 2, kLabelTop);
}

void TKR_MsgDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    MainPanel->setGeometry(0, height() - kMainPanelHeight, width(), kMainPanelHeight);
    CentreButtonPanel();
}

void TKR_MsgDlg::CentreButtonPanel()
{
    ButtonPanel->move((MainPanel->width() - ButtonPanel->width()) / 2, 0);
}

TKR_MsgDlgHandler::TKR_MsgDlgHandler()
{
    m_previous =
        SetMessageHandler([this](TKR_MessageKind kind, const QString& title, const QString& text) {
            if (!m_dialog) m_dialog = std::make_unique<TKR_MsgDlg>();
            return m_dialog->Execute(kind, title, text);
        });
}

TKR_MsgDlgHandler::~TKR_MsgDlgHandler()
{
    SetMessageHandler(std::move(m_previous));
}
