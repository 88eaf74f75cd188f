#include "html/kr_htmlD.h"

#include "foundation/KR_Align.h"
#include "foundation/KR_Colors.h"
#include "foundation/KR_Graph.h"
#include "html/Kr_htmlv.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

// The header and footer stand this far from the paper's right edge and from the body, in
// pixels of a 96 dpi screen, whatever the printer's resolution.
constexpr double kPrintRightDistance = 50;
constexpr double kPrintBodyDistance = 40;

TKR_Panel* AlignedPanel(QWidget* parent, const QString& name, TKR_Align align, int thickness)
{
    auto* panel = new TKR_Panel(parent);
    panel->setObjectName(name);
    if (align == TKR_Align::Left || align == TKR_Align::Right)
        panel->resize(thickness, panel->height());
    else
        panel->resize(panel->width(), thickness);
    SetAlign(panel, align);
    return panel;
}

QPushButton* FormButton(QWidget* parent, const QString& name, const QString& caption, QPoint at)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(QRect(at, QSize(75, 25)));
    button->setAutoDefault(false);
    return button;
}

double PrintUnit(const QPainter& painter)
{
    return painter.device()->logicalDpiX() / 96.0;
}

} // namespace

TKR_HtmlDisplayForm::TKR_HtmlDisplayForm(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setWindowTitle(QStringLiteral("HTMLView "));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    resize(500, 400);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    KR_Panel1 = AlignedPanel(this, QStringLiteral("KR_Panel1"), TKR_Align::Top, 30);
    Drucken =
        FormButton(KR_Panel1, QStringLiteral("Drucken"), QStringLiteral("Drucken"), QPoint(8, 3));
    Kopieren = FormButton(KR_Panel1, QStringLiteral("Kopieren"), QStringLiteral("Kopieren"),
                          QPoint(88, 3));

    KR_Panel2 = AlignedPanel(this, QStringLiteral("KR_Panel2"), TKR_Align::Bottom, 33);
    KR_Panel4 = AlignedPanel(KR_Panel2, QStringLiteral("KR_Panel4"), TKR_Align::Right, 90);
    Schliessen = FormButton(KR_Panel4, QStringLiteral("Schliessen"), QStringLiteral("Schließen"),
                            QPoint(8, 4));

    KR_Panel3 = AlignedPanel(this, QStringLiteral("KR_Panel3"), TKR_Align::Client, 0);
    KR_Panel3->SetBorderWidth(4);

    HTMLViewer = new TKR_HTMLViewer(KR_Panel3);
    HTMLViewer->setObjectName(QStringLiteral("HTMLViewer"));
    SetAlign(HTMLViewer, TKR_Align::Client);
    HTMLViewer->SetViewImages(true);
    HTMLViewer->SetBorderStyle(TKR_HtmlBorderStyle::Focused);
    HTMLViewer->viewport()->setCursor(Qt::IBeamCursor);
    HTMLViewer->SetDefBackground(DelphiColor(clWhite));
    HTMLViewer->SetDefFontName(QStringLiteral("Times New Roman"));
    HTMLViewer->SetDefPreFontName(QStringLiteral("Courier New"));
    HTMLViewer->OnPrintHeader = [this](QPainter& painter, int page, int width, int height, bool&) {
        PrintHeader(painter, page, width, height);
    };
    HTMLViewer->OnPrintFooter = [this](QPainter& painter, int, int width, int, bool&) {
        PrintFooter(painter, width);
    };
    HTMLViewer->TakeDisplayFont();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(QStringLiteral("Drucken"), this, &TKR_HtmlDisplayForm::DruckenClick);
    PopupMenu1->addAction(QStringLiteral("Kopieren"), this, &TKR_HtmlDisplayForm::KopierenClick);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(QStringLiteral("Schließen"), this, &TKR_HtmlDisplayForm::SchliessenClick);

    connect(Drucken, &QPushButton::clicked, this, &TKR_HtmlDisplayForm::DruckenClick);
    connect(Kopieren, &QPushButton::clicked, this, &TKR_HtmlDisplayForm::KopierenClick);
    connect(Schliessen, &QPushButton::clicked, this, &TKR_HtmlDisplayForm::SchliessenClick);
}

void TKR_HtmlDisplayForm::DruckenClick()
{
    HTMLViewer->PrintWithDialog();
}

void TKR_HtmlDisplayForm::KopierenClick()
{
    HTMLViewer->SelectAll();
    HTMLViewer->CopyToClipboard();
}

void TKR_HtmlDisplayForm::SchliessenClick()
{
    close();
}

void TKR_HtmlDisplayForm::closeEvent(QCloseEvent* event)
{
    if (OnDisplayClose) OnDisplayClose(this);
    // Accepting only hides the window: it is not deleted on close.
    event->accept();
}

void TKR_HtmlDisplayForm::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu1->popup(event->globalPos());
}

QFont TKR_HtmlDisplayForm::PrintFont() const
{
    QFont font(HTMLViewer->DefFontName());
    if (HTMLViewer->DefFontSize() > 0) font.setPointSize(HTMLViewer->DefFontSize());
    font.setBold(true);
    return font;
}

void TKR_HtmlDisplayForm::PrintHeader(QPainter& painter, int page, int width, int height) const
{
    const double unit = PrintUnit(painter);
    painter.setFont(PrintFont());
    painter.setPen(Qt::black);
    const QRectF area(0, 0, width - kPrintRightDistance * unit, height - kPrintBodyDistance * unit);
    painter.drawText(area, Qt::AlignRight | Qt::AlignBottom | Qt::TextDontClip,
                     QStringLiteral(" - %1 - ").arg(page));
}

void TKR_HtmlDisplayForm::PrintFooter(QPainter& painter, int width) const
{
    if (FooterText.isEmpty()) return;
    const double unit = PrintUnit(painter);
    painter.setFont(PrintFont());
    painter.setPen(Qt::black);
    const QRectF area(0, kPrintBodyDistance * unit, width - kPrintRightDistance * unit, 0);
    painter.drawText(area, Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, FooterText);
}
