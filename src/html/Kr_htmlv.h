#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTextBrowser>
#include <functional>

class QPainter;
class QPrinter;
class TKR_HtmlDesigner;
class TKR_Textus;

enum class TKR_HtmlBorderStyle
{
    None,
    Single,  // a plain line
    Focused, // the style's sunken frame
};

// Asked when the mouse goes down on a link: true starts a drag of the link's URL.
using TKR_HtmlViewerHotSpotDragEvent =
    std::function<bool(QObject* sender, const QString& url, const QString& target)>;
// Asked while something is dragged over the viewer; accept comes in false.
using TKR_HtmlDragOverEvent =
    std::function<void(QObject* sender, QObject* source, QPoint pos, bool& accept)>;
// Draws on a page's top or bottom margin while printing. The painter's origin is the margin's
// top-left corner in device pixels; page counts from 1; width is the paper's width and height
// the margin's; setting stop ends printing after this page.
using TKR_HtmlPrintMarginEvent =
    std::function<void(QPainter& painter, int page, int width, int height, bool& stop)>;

// Shows the program's HTML documents. It never loads a file or follows a link by itself:
// documents come as text, link clicks only emit anchorClicked().
class TKR_HTMLViewer : public QTextBrowser
{
    Q_OBJECT

public:
    explicit TKR_HTMLViewer(QWidget* parent = nullptr);

    // The lines joined into one document, each followed by a line feed.
    void LoadFromTextus(const TKR_Textus& lines);
    // The builder's complete document; nothing at all without a builder.
    void LoadFromDesigner(const TKR_HtmlDesigner* designer);
    // A stored page given as lines.
    void LoadStrings(const QStringList& lines);
    // Replaces the whole document. A document that cannot be read leaves what the viewer
    // shows after the attempt; nobody is told.
    virtual void LoadFromBuffer(const QString& document);

    // Copies the selection as text and HTML; with fewer than 3 characters selected, the
    // whole document is selected and copied.
    virtual void CopyToClipboard();
    void SelectAll() { selectAll(); }
    int SelLength() const;

    // Asks for the page margins, then prints the whole document on the program's printer
    // (asking first for a file when there is no printer to print on).
    void PrintWithDialog();
    // Prints pages fromPage to toPage (counted from 1; 0 counts as 1; pages beyond the last
    // are skipped) with the PrintMargin values, calling OnPrintHeader and OnPrintFooter for
    // each page. False when the printer could not start or finish.
    bool Print(QPrinter& printer, int fromPage, int toPage);

    bool ViewImages() const { return m_viewImages; }
    void SetViewImages(bool view) { m_viewImages = view; }
    QString DefFontName() const { return m_defFontName; }
    void SetDefFontName(const QString& name);
    // In points.
    int DefFontSize() const { return m_defFontSize; }
    void SetDefFontSize(int size);
    QString DefPreFontName() const { return m_defPreFontName; }
    void SetDefPreFontName(const QString& name);
    QColor DefBackground() const { return m_defBackground; }
    void SetDefBackground(const QColor& color);
    TKR_HtmlBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TKR_HtmlBorderStyle style);
    // Page margins in centimetres.
    double PrintMarginTop = 2.0;
    double PrintMarginBottom = 2.0;
    double PrintMarginLeft = 2.0;
    double PrintMarginRight = 2.0;

    // Takes DefFontName and DefFontSize from the setup block's display font when one is
    // configured. Forms call it after their own settings, so the display font wins.
    void TakeDisplayFont();

    TKR_HtmlViewerHotSpotDragEvent OnHotSpotDrag;
    TKR_HtmlDragOverEvent OnHtmlDragOver;
    TKR_HtmlPrintMarginEvent OnPrintHeader;
    TKR_HtmlPrintMarginEvent OnPrintFooter;

    // The link being dragged; empty when none. Links carry no target here.
    const QString& DragUrl() const { return m_dragUrl; }
    const QString& DragTarget() const { return m_dragTarget; }

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;

private:
    void ApplyFont();
    bool AskDragOver(QDropEvent* event);
    bool StartsHotSpotDrag(QPoint pos);

    bool m_viewImages = true;
    QString m_defFontName = QStringLiteral("Times New Roman");
    int m_defFontSize = 12;
    QString m_defPreFontName = QStringLiteral("Courier New");
    QColor m_defBackground;
    TKR_HtmlBorderStyle m_borderStyle = TKR_HtmlBorderStyle::Focused;

    QString m_dragUrl;
    QString m_dragTarget;
    bool m_dragPending = false;
    QPoint m_dragStart;
};
