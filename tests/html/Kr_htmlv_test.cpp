#include "data/KR_TEXT.h"
#include "html/Kr_html.h"
#include "html/Kr_htmlv.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

// Records every document handed to it, then shows it.
class RecordingViewer : public TKR_HTMLViewer
{
public:
    void LoadFromBuffer(const QString& document) override
    {
        Documents << document;
        TKR_HTMLViewer::LoadFromBuffer(document);
    }
    QStringList Documents;
};

TKR_Textus Lines(const QStringList& strings)
{
    TKR_Textus lines;
    for (const QString& s : strings)
        lines.AddLine(s);
    return lines;
}

void Select(TKR_HTMLViewer& viewer, int from, int to)
{
    QTextCursor cursor(viewer.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    viewer.setTextCursor(cursor);
}

} // namespace

TEST(TKR_HTMLViewer, TextLinesArePassedEachFollowedByALineFeed)
{
    struct LoadCase
    {
        QStringList lines;
        QString document;
    };
    const LoadCase cases[] = {
        {{"<b>Gras</b>"}, "<b>Gras</b>\n"},
        {{"<p>a", "", "b</p>"}, "<p>a\n\nb</p>\n"},
        {{}, ""},
    };
    for (const LoadCase& c : cases) {
        RecordingViewer viewer;
        viewer.LoadFromTextus(Lines(c.lines));
        EXPECT_EQ(viewer.Documents, QStringList{c.document}) << c.lines.join('|').toStdString();
    }
}

TEST(TKR_HTMLViewer, LoadFromDesignerShowsTheBuildersDocumentAndNothingWithoutOne)
{
    RecordingViewer viewer;
    TKR_HtmlDesigner designer;
    designer.AddText(QStringLiteral("Poa annua"));
    viewer.LoadFromDesigner(&designer);
    EXPECT_EQ(viewer.toPlainText().trimmed(), "Poa annua");

    viewer.LoadFromDesigner(nullptr);
    EXPECT_EQ(viewer.Documents.size(), 1);
    EXPECT_EQ(viewer.toPlainText().trimmed(), "Poa annua");
}

TEST(TKR_HTMLViewer, CopyingFewerThanThreeCharactersCopiesTheWholeDocument)
{
    struct CopyCase
    {
        int from, to;
        QString copied;
    };
    const CopyCase cases[] = {
        {0, 0, "Hallo Welt"},
        {6, 8, "Hallo Welt"},
        {6, 9, "Wel"},
        {0, 10, "Hallo Welt"},
    };
    TKR_HTMLViewer viewer;
    viewer.LoadFromBuffer(QStringLiteral("<p>Hallo Welt</p>"));
    for (const CopyCase& c : cases) {
        QGuiApplication::clipboard()->clear();
        Select(viewer, c.from, c.to);
        viewer.CopyToClipboard();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.copied) << c.from << ".." << c.to;
    }

    Select(viewer, 6, 7);
    QTest::keyClick(&viewer, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Hallo Welt") << "Ctrl+C keeps the rule";
}

TEST(TKR_HTMLViewer, HotSpotDragIsAskedOnlyOverALink)
{
    TKR_HTMLViewer viewer;
    viewer.resize(300, 200);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    viewer.LoadFromBuffer(QStringLiteral("<p>Text <a href=\"art:42\">Poa</a></p>"));
    QStringList asked;
    bool answer = true;
    viewer.OnHotSpotDrag = [&](QObject* sender, const QString& url, const QString&) {
        EXPECT_EQ(sender, &viewer);
        asked << url;
        return answer;
    };
    QTextCursor atLink(viewer.document());
    atLink.setPosition(6);
    const QPoint overLink = viewer.cursorRect(atLink).center() + QPoint(3, 0);
    QTextCursor atText(viewer.document());
    atText.setPosition(1);
    const QPoint overText = viewer.cursorRect(atText).center();

    QTest::mousePress(viewer.viewport(), Qt::LeftButton, {}, overLink);
    QTest::mouseRelease(viewer.viewport(), Qt::LeftButton, {}, overLink);
    EXPECT_EQ(asked, QStringList{"art:42"});
    EXPECT_EQ(viewer.DragUrl(), "art:42");

    answer = false;
    QTest::mousePress(viewer.viewport(), Qt::LeftButton, {}, overLink);
    QTest::mouseRelease(viewer.viewport(), Qt::LeftButton, {}, overLink);
    EXPECT_EQ(viewer.DragUrl(), "") << "refused";

    QTest::mousePress(viewer.viewport(), Qt::LeftButton, {}, overText);
    QTest::mouseRelease(viewer.viewport(), Qt::LeftButton, {}, overText);
    EXPECT_EQ(asked.size(), 2) << "not asked beside a link";
}

TEST(TKR_HTMLViewer, PrintsTheChosenPagesToAPdfFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TKR_HTMLViewer viewer;
    QString long_document;
    for (int i = 1; i <= 120; ++i)
        long_document += QStringLiteral("<p>Absatz %1</p>\n").arg(i);
    viewer.LoadFromBuffer(long_document);
    QList<int> headed;
    QList<int> footed;
    viewer.OnPrintHeader = [&](QPainter&, int page, int width, int height, bool&) {
        headed << page;
        EXPECT_GT(width, height);
        EXPECT_GT(height, 0);
    };
    viewer.OnPrintFooter = [&](QPainter&, int page, int, int, bool&) { footed << page; };

    const auto print = [&](const QString& name, int from, int to) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(name));
        EXPECT_TRUE(viewer.Print(printer, from, to));
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    };

    const QByteArray all = print("all.pdf", 0, 9999);
    EXPECT_TRUE(all.startsWith("%PDF"));
    ASSERT_GE(headed.size(), 2) << "120 paragraphs fill more than one page";
    for (int i = 0; i < headed.size(); ++i)
        EXPECT_EQ(headed[i], i + 1);
    EXPECT_EQ(footed, headed);

    headed.clear();
    print("second.pdf", 2, 2);
    EXPECT_EQ(headed, QList<int>{2});

    headed.clear();
    viewer.OnPrintHeader = [&](QPainter&, int page, int, int, bool& stop) {
        headed << page;
        stop = true;
    };
    print("stopped.pdf", 1, 9999);
    EXPECT_EQ(headed, QList<int>{1}) << "the header may stop printing";
}

TEST(TKR_HTMLViewer, EmptyAreaShowsTheDefaultBackground)
{
    // Made with the grey default, then given white; the page behind is grey, so a viewer that
    // does not paint its own background shows up too.
    QWidget page;
    QPalette grey = page.palette();
    grey.setColor(QPalette::Window, QColor(0xF0F0F0));
    page.setPalette(grey);
    page.setAutoFillBackground(true);
    page.resize(300, 200);
    auto* viewer = new TKR_HTMLViewer(&page);
    viewer->SetDefBackground(Qt::white);
    viewer->setGeometry(page.rect());
    viewer->LoadFromBuffer(QStringLiteral("<p>Poa</p>"));
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));

    const QImage shot = viewer->viewport()->grab().toImage();
    const QPoint empty(shot.width() - 10, shot.height() - 10);
    EXPECT_EQ(shot.pixelColor(empty), QColor(Qt::white))
        << shot.pixelColor(empty).name().toStdString();
}
