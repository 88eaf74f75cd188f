#include "html/Kr_htmlp.h"

#include "html/Kr_htmlv.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>

namespace {

QPrinter* programPrinter = nullptr;

void DeleteProgramPrinter()
{
    delete programPrinter;
    programPrinter = nullptr;
}

// An edit for a real number: digits and the separators that ReadMargin understands.
QLineEdit* MarginEdit(QWidget* parent, const QString& name, const QString& caption, QPoint at)
{
    auto* label = new QLabel(caption, parent);
    label->move(at);
    auto* edit = new QLineEdit(QStringLiteral("2"), parent);
    edit->setObjectName(name);
    edit->setGeometry(at.x(), at.y() + 16, 121, 21);
    const QLocale locale;
    const QString separators = QRegularExpression::escape(
        QStringLiteral(".,") + locale.decimalPoint() + locale.groupSeparator());
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9%1]*").arg(separators)), edit));
    label->setBuddy(edit);
    return edit;
}

QPushButton* DialogButton(QWidget* parent, const QString& name, const QString& caption,
                          const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

} // namespace

QPrinter& TKR_Printer()
{
    if (!programPrinter) {
        programPrinter = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine(DeleteProgramPrinter);
    }
    return *programPrinter;
}

double ReadMargin(const QString& text, const QLocale& locale)
{
    QString number = text.trimmed();
    number.replace(locale.groupSeparator(), locale.decimalPoint());
    bool ok = false;
    const double value = locale.toDouble(number, &ok);
    if (!ok || !(value > 0)) return 0;
    return std::min(value, TKR_HtmlPrintDialog::MaxMargin);
}

TKR_HtmlPrintDialog::TKR_HtmlPrintDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("HTML-Printdialog"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setModal(true);
    setFixedSize(311, 206);

    GroupBox1 = new QGroupBox(QStringLiteral(" Seitenränder "), this);
    GroupBox1->setGeometry(8, 8, 295, 113);
    ObererRand = MarginEdit(GroupBox1, QStringLiteral("ObererRand"), QStringLiteral("Oberer Rand"),
                            QPoint(16, 22));
    UntererRand = MarginEdit(GroupBox1, QStringLiteral("UntererRand"),
                             QStringLiteral("Unterer Rand"), QPoint(16, 64));
    LinkerRand = MarginEdit(GroupBox1, QStringLiteral("LinkerRand"), QStringLiteral("Linker Rand"),
                            QPoint(158, 22));
    RechterRand = MarginEdit(GroupBox1, QStringLiteral("RechterRand"),
                             QStringLiteral("Rechter Rand"), QPoint(158, 64));

    Drucker = DialogButton(this, QStringLiteral("Drucker"), QStringLiteral("Druckersetup"),
                           QRect(8, 133, 113, 25));
    Drucker->setToolTip(QStringLiteral("Daten entsprechend der Layoutangaben ausdrucken"));
    Abbrechen = DialogButton(this, QStringLiteral("Abbrechen"), QStringLiteral("&Abbrechen"),
                             QRect(128, 172, 85, 25));
    Button1 = DialogButton(this, QStringLiteral("Button1"), QStringLiteral("&Drucken"),
                           QRect(218, 172, 85, 25));
    connect(Drucker, &QPushButton::clicked, this, &TKR_HtmlPrintDialog::DruckerClick);
    connect(Abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, &TKR_HtmlPrintDialog::DruckenClick);
}

bool TKR_HtmlPrintDialog::Execute(TKR_HTMLViewer* viewer)
{
    m_cancelled = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
    if (m_cancelled) return false;
    if (viewer) {
        viewer->PrintMarginTop = ReadMargin(ObererRand->text());
        viewer->PrintMarginBottom = ReadMargin(UntererRand->text());
        viewer->PrintMarginRight = ReadMargin(RechterRand->text());
        viewer->PrintMarginLeft = ReadMargin(LinkerRand->text());
    }
    return true;
}

void TKR_HtmlPrintDialog::DruckerClick()
{
    QPrintDialog dialog(&TKR_Printer(), this);
    dialog.exec();
}

void TKR_HtmlPrintDialog::DruckenClick()
{
    m_cancelled = false;
    accept();
}
