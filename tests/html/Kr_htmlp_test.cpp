#include "html/Kr_htmlp.h"
#include "html/Kr_htmlv.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs act on the margin dialog once it is up, as a person would.
void WhenDialogShown(std::function<void(TKR_HtmlPrintDialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<TKR_HtmlPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

class GermanLocale
{
public:
    GermanLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~GermanLocale() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

struct Margins
{
    double top, bottom, left, right;
    bool operator==(const Margins&) const = default;
};

Margins MarginsOf(const TKR_HTMLViewer& viewer)
{
    return {viewer.PrintMarginTop, viewer.PrintMarginBottom, viewer.PrintMarginLeft,
            viewer.PrintMarginRight};
}

} // namespace

TEST(ReadMargin, AcceptsEitherSeparatorAndReadsNothingAsZero)
{
    struct MarginCase
    {
        QLocale::Language language;
        QString text;
        double want;
    };
    const MarginCase cases[] = {
        {QLocale::German, "1.5", 1.5},  {QLocale::German, "1,5", 1.5},
        {QLocale::German, "", 0},       {QLocale::German, "2", 2},
        {QLocale::German, "x", 0},      {QLocale::German, "1.000,5", 0},
        {QLocale::English, "1.5", 1.5}, {QLocale::English, "1,5", 1.5},
        {QLocale::German, "-1", 0},     {QLocale::German, "300000000", 100000000.0},
    };
    for (const MarginCase& c : cases)
        EXPECT_DOUBLE_EQ(ReadMargin(c.text, QLocale(c.language)), c.want) << c.text.toStdString();
}

TEST(TKR_HtmlPrintDialog, DruckenHandsTheMarginsToTheViewer)
{
    GermanLocale german;
    TKR_HTMLViewer viewer;
    TKR_HtmlPrintDialog dialog(&viewer);
    EXPECT_EQ(dialog.windowTitle(), "HTML-Printdialog");
    EXPECT_EQ(dialog.size(), QSize(311, 206));
    EXPECT_TRUE(dialog.Cancelled()) << "starts cancelled";
    EXPECT_EQ(dialog.ObererRand->text(), "2");

    WhenDialogShown([](TKR_HtmlPrintDialog& d) {
        d.ObererRand->setText("1.5");
        d.UntererRand->setText("");
        d.LinkerRand->setText("0,8");
        QTest::mouseClick(d.Button1, Qt::LeftButton);
    });
    EXPECT_TRUE(dialog.Execute(&viewer));
    EXPECT_EQ(MarginsOf(viewer), (Margins{1.5, 0, 0.8, 2}));
}

TEST(TKR_HtmlPrintDialog, CancellingLeavesTheMarginsAlone)
{
    const std::function<void(TKR_HtmlPrintDialog&)> cancels[] = {
        [](TKR_HtmlPrintDialog& d) {
            d.ObererRand->setText("5");
            QTest::mouseClick(d.Abbrechen, Qt::LeftButton);
        },
        [](TKR_HtmlPrintDialog& d) {
            d.ObererRand->setText("5");
            d.close();
        },
    };
    for (const auto& cancel : cancels) {
        TKR_HTMLViewer viewer;
        viewer.PrintMarginTop = 3;
        TKR_HtmlPrintDialog dialog(&viewer);
        WhenDialogShown(cancel);
        EXPECT_FALSE(dialog.Execute(&viewer));
        EXPECT_TRUE(dialog.Cancelled());
        EXPECT_EQ(MarginsOf(viewer), (Margins{3, 2, 2, 2}));
    }
}

TEST(TKR_HtmlPrintDialog, PrintWithDialogPrintsOnlyWhenAskedTo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter& printer = TKR_Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    TKR_HTMLViewer viewer;
    viewer.LoadFromBuffer(QStringLiteral("<h2>Poa annua</h2><p>Einjähriges Rispengras</p>"));

    printer.setOutputFileName(dir.filePath("cancelled.pdf"));
    WhenDialogShown([](TKR_HtmlPrintDialog& d) { QTest::mouseClick(d.Abbrechen, Qt::LeftButton); });
    viewer.PrintWithDialog();
    EXPECT_FALSE(QFile::exists(dir.filePath("cancelled.pdf")));

    printer.setOutputFileName(dir.filePath("printed.pdf"));
    WhenDialogShown([](TKR_HtmlPrintDialog& d) { QTest::mouseClick(d.Button1, Qt::LeftButton); });
    viewer.PrintWithDialog();
    QFile pdf(dir.filePath("printed.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);
}
