#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class QMenu;
class QPainter;
class QPushButton;
class TKR_HTMLViewer;
class TKR_Panel;

// A floating window that shows one HTML document with "Drucken", "Kopieren" and "Schließen".
// Closing only hides it, so that its creator (its Qt parent) can show it again with new
// content; the creator learns of the close through OnDisplayClose.
class TKR_HtmlDisplayForm : public QWidget
{
    Q_OBJECT

public:
    explicit TKR_HtmlDisplayForm(QWidget* owner);

    // Raised when the user closes the window.
    std::function<void(TKR_HtmlDisplayForm* sender)> OnDisplayClose;
    // Printed at the foot of every page; empty prints nothing.
    QString FooterText;

    TKR_Panel* KR_Panel1 = nullptr;
    TKR_Panel* KR_Panel2 = nullptr;
    TKR_Panel* KR_Panel3 = nullptr;
    TKR_Panel* KR_Panel4 = nullptr;
    QPushButton* Drucken = nullptr;
    QPushButton* Kopieren = nullptr;
    QPushButton* Schliessen = nullptr;
    TKR_HTMLViewer* HTMLViewer = nullptr;
    QMenu* PopupMenu1 = nullptr;

    void DruckenClick();
    // Copies the whole document, whatever is selected.
    void KopierenClick();
    void SchliessenClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void PrintHeader(QPainter& painter, int page, int width, int height) const;
    void PrintFooter(QPainter& painter, int width) const;
    QFont PrintFont() const;
};
