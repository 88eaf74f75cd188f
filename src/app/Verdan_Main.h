#pragma once

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class TKR_HtmlDisplayForm;
class TVerdan_Artenliste;
class TVerdan_Glossar;
class TVerdan_StrukturDataModul;

// The one illustration index of the program, set while the main window lives.
extern TVerdan_StrukturDataModul* StrukturDataModul;

// The program's frame: every identification window, the species list and the glossary are
// child windows of its MDI area. Closing it ends the program. A child that offers a menu
// of its own (the identification window's "Bearbeiten") sees it placed between "Datei" and
// "Listen" while it is the active child.
class TVerdan_Mainform : public QMainWindow
{
    Q_OBJECT

public:
    explicit TVerdan_Mainform(QWidget* parent = nullptr);
    ~TVerdan_Mainform() override;

    // Puts child into the MDI area; it frees itself when closed and opens maximised when
    // its own window state asks for it.
    QMdiSubWindow* AddChild(QWidget* child);
    // Brings the open species list to the front, or opens one owned by owner as a child.
    TVerdan_Artenliste* ZeigeArtenlisteIn(QWidget* owner);
    // Brings the open glossary to the front, or opens one owned by owner as a child.
    TVerdan_Glossar* ZeigeGlossarIn(QWidget* owner);

    void FormCreate();
    void NeuesBestimmungsfenster1Click();
    void Beenden1Click();
    void ListenMenuClick();
    void Artenliste1Click();
    void Glossar1Click();
    void VollbildschirmAnzeigenClick();
    void Inhalt1Click();

    QMdiArea* MdiArea = nullptr;
    QMenu* Datei1 = nullptr;
    QAction* NeuesBestimmungsfenster1 = nullptr;
    QAction* Beenden1 = nullptr;
    QMenu* ListenMenu = nullptr;
    QAction* Artenliste1 = nullptr;
    QAction* Glossar1 = nullptr;
    QAction* VollbildschirmAnzeigen = nullptr;
    QMenu* Hilfe1 = nullptr;
    QAction* Inhalt1 = nullptr;
    QAction* Buildversion = nullptr;

    // The help's contents page beside the program.
    static QString HilfeDatei();
    QPointer<TKR_HtmlDisplayForm> Hilfefenster;

private:
    void ErstelleMenue();
    void MergeChildMenu(QMdiSubWindow* window);

    QPointer<QMenu> m_mergedMenu;
};
