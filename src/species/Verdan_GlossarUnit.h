#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TKR_DBGrid;
class TKR_DBNavigator;
class TKR_DataSource;
class TKR_HTMLViewer;
class TKR_Label;
class TKR_MultiImage;
class TKR_Panel;
class TTable;
class TVD_StrukturDataModul;

// The glossary window "Glossar": the botanical terms in a grid on the left; on the right the
// selected term's title, its drawing when there is one, and its explanation. It works as a
// top-level window and as the widget of an MDI sub-window; its "Bearbeiten" menu is there
// for the main window to merge.
//
// One glossary at a time: ZeigeGlossar reuses it. It is freed when closed, and when its owner
// is destroyed, wherever it has been placed meanwhile.
class TVerdan_Glossar : public QWidget
{
    Q_OBJECT

public:
    // The drawings come from strukturModul; without one the glossary reads the illustration
    // index of the data directory itself.
    explicit TVerdan_Glossar(QWidget* owner = nullptr,
                             TVD_StrukturDataModul* strukturModul = nullptr);
    ~TVerdan_Glossar() override;

    // The open glossary; nullptr when there is none.
    static TVerdan_Glossar* Instanz();

    // Moves to the first term at or after the search text in the index order, and shows it.
    void SuchbuttonClick();
    // Copies the explanation, or the drawing when one is shown and the explanation does not
    // have the focus.
    void Kopieren1Click();
    // Closes the glossary, or the MDI sub-window that holds it.
    void LAnfangClick();
    // Shows the term under the cursor: title, drawing and explanation. Runs whenever the
    // cursor moves, and only then: a repaint of the grid leaves the explanation the user is
    // reading or selecting in as it is.
    void ZeigeBegriff();

    TKR_Panel* Panel1 = nullptr;
    TKR_Label* LGlossar = nullptr;
    TKR_Label* LAnfang = nullptr;
    TKR_Panel* Panel3 = nullptr;
    TKR_Panel* Panel4 = nullptr;
    TKR_DBNavigator* DBNavigator1 = nullptr;
    TKR_Panel* Suchpanel = nullptr;
    QLineEdit* SuchText = nullptr;
    QPushButton* Suchbutton = nullptr;
    TKR_Panel* Panel2 = nullptr;
    TKR_DBGrid* GlossarBrowser = nullptr;
    TKR_Panel* KR_Panel1 = nullptr;
    QLabel* Titelpanel = nullptr;
    TKR_MultiImage* Bilddarstellung = nullptr;
    TKR_HTMLViewer* HTMLViewer = nullptr;
    TTable* GlossarTable = nullptr;
    TKR_DataSource* GlossarDataSource = nullptr;
    QMenu* MainMenu1 = nullptr;
    QAction* Kopieren1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ErstelleKomponenten();
    void FormCreate();
    void FormResize();
    void ZeigeBild(const QString& codeNummer);
    void Vergessen();

    TVD_StrukturDataModul* m_strukturModul = nullptr;
};

// Brings the open glossary to the front, or creates one owned by owner (nullptr: no owner)
// and shows it. Returns the glossary.
TVerdan_Glossar* ZeigeGlossar(QWidget* owner, TVD_StrukturDataModul* strukturModul);
