#include "html/Kr_htmlv.h"

#include "app/KR_MYSYS.h"
#include "data/KR_TEXT.h"
#include "foundation/KR_Colors.h"
#include "foundation/KR_Hourglass.h"
#include "html/Kr_html.h"
#include "html/Kr_htmlp.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <exception>
#include <memory>

namespace {

int CentimetresToPixels(double centimetres, int dpi)
{
    return qRound(std::max(0.0, centimetres) / 2.54 * dpi);
}

// The lines as one text, each followed by a line feed.
template <class Lines> QString EachLineFed(const Lines& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace

TKR_HTMLViewer::TKR_HTMLViewer(QWidget* parent)
    : QTextBrowser(parent), m_defBackground(DelphiColor(clBtnFace))
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    SetDefBackground(m_defBackground);
    SetBorderStyle(m_borderStyle);
    SetDefPreFontName(m_defPreFontName);
    ApplyFont();
}

// ---------------------------------------------------------------------------------------------
// Loading

void TKR_HTMLViewer::LoadFromTextus(const TKR_Textus& lines)
{
    LoadFromBuffer(EachLineFed(lines));
}

void TKR_HTMLViewer::LoadFromDesigner(const TKR_HtmlDesigner* designer)
{
    if (!designer) return;
    TKR_Textus lines;
    designer->WriteHtml(lines);
    LoadFromTextus(lines);
}

void TKR_HTMLViewer::LoadStrings(const QStringList& lines)
{
    LoadFromBuffer(EachLineFed(lines));
}

void TKR_HTMLViewer::LoadFromBuffer(const QString& document)
{
    try {
        setHtml(document);
    } catch (const std::exception&) {
        // A document the viewer cannot read is no reason to stop the user.
    }
}

QVariant TKR_HTMLViewer::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::ImageResource && !m_viewImages) return QVariant();
    return QTextBrowser::loadResource(type, name);
}

// ---------------------------------------------------------------------------------------------
// Display settings

void TKR_HTMLViewer::SetDefFontName(const QString& name)
{
    m_defFontName = name;
    ApplyFont();
}

void TKR_HTMLViewer::SetDefFontSize(int size)
{
    m_defFontSize = size;
    ApplyFont();
}

void TKR_HTMLViewer::ApplyFont()
{
    QFont font(m_defFontName);
    if (m_defFontSize > 0) font.setPointSize(m_defFontSize);
    document()->setDefaultFont(font);
}

void TKR_HTMLViewer::SetDefPreFontName(const QString& name)
{
    m_defPreFontName = name;
    // Takes effect with the next document.
    document()->setDefaultStyleSheet(
        QStringLiteral("pre, code, tt, kbd, samp { font-family: \"%1\"; }").arg(name));
}

void TKR_HTMLViewer::SetDefBackground(const QColor& color)
{
    m_defBackground = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, color);
    setPalette(palette);
}

void TKR_HTMLViewer::SetBorderStyle(TKR_HtmlBorderStyle style)
{
    m_borderStyle = style;
    switch (style) {
    case TKR_HtmlBorderStyle::None:
        setFrameStyle(QFrame::NoFrame);
        break;
    case TKR_HtmlBorderStyle::Single:
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        break;
    case TKR_HtmlBorderStyle::Focused:
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        break;
    }
}

void TKR_HTMLViewer::TakeDisplayFont()
{
    const auto& display = SetupBlock.AnzeigeEinstellungen;
    if (!display) return;
    if (!display->FontName.isEmpty()) m_defFontName = display->FontName;
    if (display->FontSize > 0) m_defFontSize = display->FontSize;
    ApplyFont();
}

// ---------------------------------------------------------------------------------------------
// Selection and copy

int TKR_HTMLViewer::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TKR_HTMLViewer::CopyToClipboard()
{
    if (SelLength() < 3) selectAll();
    copy();
}

void TKR_HTMLViewer::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard();
        event->accept();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

void TKR_HTMLViewer::contextMenuEvent(QContextMenuEvent* event)
{
    // No menu of its own: the window's popup menu, if any, serves the viewer too.
    event->ignore();
}

// ---------------------------------------------------------------------------------------------
// Dragging links

void TKR_HTMLViewer::mousePressEvent(QMouseEvent* event)
{
    m_dragUrl.clear();
    m_dragTarget.clear();
    m_dragPending = false;
    if (event->button() == Qt::LeftButton && StartsHotSpotDrag(event->position().toPoint())) {
        event->accept();
        return;
    }
    QTextBrowser::mousePressEvent(event);
}

bool TKR_HTMLViewer::StartsHotSpotDrag(QPoint pos)
{
    if (!OnHotSpotDrag) return false;
    const QString url = anchorAt(pos);
    if (url.isEmpty() || !OnHotSpotDrag(this, url, QString())) return false;
    m_dragUrl = url;
    m_dragPending = true;
    m_dragStart = pos;
    return true;
}

void TKR_HTMLViewer::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragPending) {
        QTextBrowser::mouseMoveEvent(event);
        return;
    }
    event->accept();
    // The drag begins only once the mouse has moved far enough.
    if ((event->position().toPoint() - m_dragStart).manhattanLength() <
        QApplication::startDragDistance())
        return;
    m_dragPending = false;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setText(m_dragUrl);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

void TKR_HTMLViewer::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragPending) {
        m_dragPending = false;
        event->accept();
        return;
    }
    QTextBrowser::mouseReleaseEvent(event);
}

bool TKR_HTMLViewer::AskDragOver(QDropEvent* event)
{
    bool accept = false;
    if (OnHtmlDragOver) OnHtmlDragOver(this, event->source(), event->position().toPoint(), accept);
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
    return accept;
}

void TKR_HTMLViewer::dragEnterEvent(QDragEnterEvent* event)
{
    AskDragOver(event);
}

void TKR_HTMLViewer::dragMoveEvent(QDragMoveEvent* event)
{
    AskDragOver(event);
}

// ---------------------------------------------------------------------------------------------
// Printing

void TKR_HTMLViewer::PrintWithDialog()
{
    TKR_HtmlPrintDialog dialog(this);
    if (!dialog.Execute(this)) return;
    QPrinter& printer = TKR_Printer();
    // Without an installed printer the output is a PDF file, which the user names first.
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty()) {
        QPrintDialog setup(&printer, this);
        if (setup.exec() != QDialog::Accepted) return;
    }
    TKR_Hourglass hourglass;
    Print(printer, 0, 9999);
}

bool TKR_HTMLViewer::Print(QPrinter& printer, int fromPage, int toPage)
{
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) return false;

    const QRect paper(0, 0, printer.width(), printer.height());
    const int dpiX = printer.logicalDpiX();
    const int dpiY = printer.logicalDpiY();
    const QMargins margins(
        CentimetresToPixels(PrintMarginLeft, dpiX), CentimetresToPixels(PrintMarginTop, dpiY),
        CentimetresToPixels(PrintMarginRight, dpiX), CentimetresToPixels(PrintMarginBottom, dpiY));
    QRect body = paper.marginsRemoved(margins);
    if (body.width() <= 0 || body.height() <= 0) body = paper;

    // A copy laid out on the printer; the viewer keeps its own layout.
    std::unique_ptr<QTextDocument> copy(document()->clone(this));
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setPageSize(body.size());

    const int first = std::max(1, fromPage);
    const int last = std::min(toPage, copy->pageCount());
    for (int page = first; page <= last; ++page) {
        if (page > first) printer.newPage();
        painter.save();
        painter.translate(body.left(), body.top() - (page - 1) * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, (page - 1) * body.height(), body.width(), body.height());
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(context.clip);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();

        bool stop = false;
        if (OnPrintHeader) {
            painter.save();
            OnPrintHeader(painter, page, paper.width(), margins.top(), stop);
            painter.restore();
        }
        if (OnPrintFooter) {
            painter.save();
            painter.translate(0, paper.height() - margins.bottom());
            OnPrintFooter(painter, page, paper.width(), margins.bottom(), stop);
            painter.restore();
        }
        if (stop) break;
    }
    return painter.end();
}
