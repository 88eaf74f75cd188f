#pragma once

#include <QDialog>
#include <QLocale>
#include <QString>

class QGroupBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class TKR_HTMLViewer;

// The program's printer: every print goes to it, "Druckersetup" chooses and sets it up.
// Created on first use; it lives until the application object goes. Without an installed
// printer it writes PDF files.
QPrinter& TKR_Printer();

// A margin as typed: a decimal number in which the locale's group separator also stands for
// the decimal separator, so "1.5" and "1,5" both read 1.5 in a German locale. Empty or
// unreadable text gives 0; negative values give 0, values above the maximum the maximum.
double ReadMargin(const QString& text, const QLocale& locale = QLocale());

// Asks for the page margins (in centimetres) before printing from a viewer.
class TKR_HtmlPrintDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr double MaxMargin = 100000000.0;

    explicit TKR_HtmlPrintDialog(QWidget* parent = nullptr);

    // Shows the dialog modally. False when it was cancelled; otherwise the four margins go
    // into the viewer and the result is true.
    bool Execute(TKR_HTMLViewer* viewer);
    bool Cancelled() const { return m_cancelled; }

    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* ObererRand = nullptr;
    QLineEdit* UntererRand = nullptr;
    QLineEdit* RechterRand = nullptr;
    QLineEdit* LinkerRand = nullptr;
    QPushButton* Drucker = nullptr;
    QPushButton* Abbrechen = nullptr;
    QPushButton* Button1 = nullptr;

private:
    void DruckerClick();
    void DruckenClick();

    bool m_cancelled = true;
};
