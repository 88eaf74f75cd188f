#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

class QAction;
class QCheckBox;
class QMenu;
class TKR_Label;
class TKR_Panel;
class TVerdan_ArtenBrowser;
class TVerdan_Benutzerdatenbank;
class TVerdan_Datenbankserver;

// The species list window "Artenliste": the species browser with its portrait, the
// "Deutsche Namen" switch and ".Zurück". It builds its own catalogue and key database
// server. It works as a top-level window and as the widget of an MDI sub-window; its
// "Bearbeiten" menu is there for the main window to merge.
//
// One list at a time: ZeigeArtenliste reuses it. It is freed when closed, and when its owner
// is destroyed, wherever it has been placed meanwhile.
class TVerdan_Artenliste : public QWidget
{
    Q_OBJECT

public:
    explicit TVerdan_Artenliste(QWidget* owner = nullptr);
    ~TVerdan_Artenliste() override;

    // The open species list; nullptr when there is none.
    static TVerdan_Artenliste* Instanz();

    TVerdan_ArtenBrowser* Browser() const { return m_browser; }
    TVerdan_Datenbankserver* Server() const { return m_server; }
    QCheckBox* DeutscheNamenZeigen() const { return m_deutscheNamenZeigen; }
    TKR_Label* LArtenliste() const { return m_lArtenliste; }
    TKR_Label* LAnfang() const { return m_lAnfang; }
    // "Bearbeiten" with "Kopieren" (Ctrl+C).
    QMenu* MainMenu1() const { return m_bearbeiten; }
    QAction* Kopieren1() const { return m_kopieren; }

    // Copies the portrait's description (the selection, or all of it when hardly anything
    // is selected).
    void Kopieren();
    // Closes the list, or the MDI sub-window that holds it.
    void Schliessen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BaueFenster();
    void ErstelleServer();
    void DeutscheNamenZeigenClick(bool on);
    void Vergessen();

    std::unique_ptr<TVerdan_Benutzerdatenbank> m_katalog;
    TVerdan_Datenbankserver* m_server = nullptr;
    TKR_Panel* m_panel1 = nullptr;
    TKR_Label* m_lArtenliste = nullptr;
    TKR_Label* m_lAnfang = nullptr;
    TKR_Panel* m_krPanel2 = nullptr;
    TKR_Panel* m_optionsPanel = nullptr;
    QCheckBox* m_deutscheNamenZeigen = nullptr;
    TVerdan_ArtenBrowser* m_browser = nullptr;
    QMenu* m_bearbeiten = nullptr;
    QAction* m_kopieren = nullptr;
};

// Brings the open species list to the front, or creates one owned by owner (nullptr: no
// owner) and shows it. Returns the list.
TVerdan_Artenliste* ZeigeArtenliste(QWidget* owner);
