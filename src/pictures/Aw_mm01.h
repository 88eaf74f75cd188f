#pragma once

#include "foundation/KR_Graph.h"
#include "pictures/KR_MultiImage.h"

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <array>
#include <functional>

class TKR_DiaSerie;

// Raised by cells and strips: the sender (a cell or the strip), the photo and plant numbers.
using TDiaSerienDblclick = std::function<void(QWidget* sender, int fid, int pid)>;

// One cell of a slide strip: the picture area itself, and on the strip beside it a frame, a
// separator line and two caption labels, as the strip's settings ask. The cell frees those
// parts with itself.
class TKR_DiaSerienFenster : public TKR_MultiImage
{
    Q_OBJECT

public:
    // owner is the strip; another parent gets frame and captions.
    explicit TKR_DiaSerienFenster(QWidget* owner);
    ~TKR_DiaSerienFenster() override;

    int FID() const { return m_fid; }
    void SetFID(int fid) { m_fid = fid; }
    int PID() const { return m_pid; }
    void SetPID(int pid) { m_pid = pid; }

    // Empties picture, image name, FID, PID and both captions.
    virtual void Clear();
    // Raise OnMyDBLClick and OnMyClick with (cell, FID, PID), only when a picture is shown.
    virtual void DoDblClick();
    virtual void DoClick();

    // Places frame, picture, line and captions in the slot (left, top, width, height) of the
    // strip. fit (stacked mode) shrinks the picture area to the picture's height and the frame
    // to what the cell uses. Returns the height the cell takes in stacked mode.
    int PlaceInSlot(int left, int top, bool fit, int height, int width);
    int UsedWidth() const { return m_usedWidth; }
    int UsedBottom() const { return m_usedBottom; }

    QWidget* Rahmen() const { return m_rahmen; }
    QWidget* Linie() const { return m_linie; }
    QLabel* Titel1() const { return m_titel1; }
    QLabel* Titel2() const { return m_titel2; }

    TDiaSerienDblclick OnMyDBLClick;
    TDiaSerienDblclick OnMyClick;

protected:
    // The button was released over the cell after a press on it (not after a double click).
    virtual void Click() {}

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TKR_Panel* StripPanel() const;
    QPoint OnStrip(const QMouseEvent* event) const;
    int CaptionHeight() const;

    int m_fid = 0;
    int m_pid = 0;
    int m_usedWidth = 0;
    int m_usedBottom = 0;
    bool m_pressed = false;
    QPointer<QWidget> m_rahmen;
    QPointer<QWidget> m_linie;
    QPointer<QLabel> m_titel1;
    QPointer<QLabel> m_titel2;
};

// A panel showing pictures in a grid of cells, up to 20 x 20, addressed by row and column
// from 1 or by a running number in rows (1 the top left). One cell can be active; it shows
// Grid_ColorHighlight, the others Grid_ColorNormal. Pressing on a picture makes its cell
// active.
//
// Set the properties, then call Loaded() (what reading the form did): it takes the grid
// size from the setup block when Grid_AutomaticGridSize is on, and builds the cells. Later
// changes of rows or columns take effect with RebuildFenster.
class TKR_DiaSerie : public TKR_Panel
{
    Q_OBJECT

public:
    static constexpr int MaxZellen = 20;

    explicit TKR_DiaSerie(QWidget* parent = nullptr);

    void Loaded();

    bool Grid_AutomaticGridSize() const { return m_automaticGridSize; }
    void SetGrid_AutomaticGridSize(bool automatic) { m_automaticGridSize = automatic; }
    bool Grid_NachObenAusrichten() const { return m_nachObenAusrichten; }
    void SetGrid_NachObenAusrichten(bool stacked) { m_nachObenAusrichten = stacked; }
    // 1 to 20; other values are ignored.
    int Grid_Spaltenanzahl() const { return m_spalten; }
    void SetGrid_Spaltenanzahl(int spalten);
    int Grid_Zeilenanzahl() const { return m_zeilen; }
    void SetGrid_Zeilenanzahl(int zeilen);
    // Changing these rebuilds the cells (their contents are lost) and lays them out anew.
    bool Grid_DisplayFotoTitle() const { return m_displayFotoTitle; }
    void SetGrid_DisplayFotoTitle(bool display);
    bool Grid_DisplayFotoBorders() const { return m_displayFotoBorders; }
    void SetGrid_DisplayFotoBorders(bool display);
    QColor Grid_ColorNormal() const { return m_colorNormal; }
    void SetGrid_ColorNormal(const QColor& color);
    QColor Grid_ColorHighlight() const { return m_colorHighlight; }
    void SetGrid_ColorHighlight(const QColor& color);

    // A strip without cells (a hidden strip that only holds settings): every cell operation
    // does nothing. Takes effect with the next RebuildFenster.
    bool FensterAbgeschaltet() const { return m_abgeschaltet; }
    void SetFensterAbgeschaltet(bool ab) { m_abgeschaltet = ab; }

    // Frees the cells and creates rows x columns new ones.
    void RebuildFenster();
    // Places the cells in their slots; row and column 0 or more also move the highlight to
    // that cell (-1, -1: the colours stay).
    void ArrangeFenster(int zeile, int spalte);

    // nullptr outside the grid.
    virtual TKR_DiaSerienFenster* GetFenster(int zeile, int spalte) const;
    // Makes cell number n active (0: none) and raises OnChangeAktivFoto.
    virtual void SelectNummer(int n);
    // Makes cell active, takes the focus and raises OnChangeAktivFoto.
    virtual void SelectFenster(TKR_DiaSerienFenster* fenster);
    virtual TKR_DiaSerienFenster* GetAktivFenster();
    virtual void ClearAll();
    // A cell's picture was double-clicked: it becomes active, then OnMyDBLClick(strip, …).
    virtual void FensterDblClick(TKR_DiaSerienFenster* fenster, int fid, int pid);

    int AktivNummer() const { return m_aktivNummer; }
    int AktivZeile() const { return m_aktivZeile; }
    int AktivSpalte() const { return m_aktivSpalte; }

    TDiaSerienDblclick OnMyDBLClick;
    // The active cell changed; the sender is the new active cell.
    TDiaSerienDblclick OnChangeAktivFoto;

protected:
    virtual TKR_DiaSerienFenster* CreateFenster();
    // Runs on every change of size: lays the cells out again.
    virtual void HandleResize();

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Calls f(row, column, cell) for every cell in rows.
    void FuerAlleFenster(const std::function<void(int, int, TKR_DiaSerienFenster*)>& f) const;
    void Markiere(TKR_DiaSerienFenster* aktiv);
    void MeldeAktivFoto();
    void RebuildAndArrange();

    std::array<std::array<TKR_DiaSerienFenster*, MaxZellen + 1>, MaxZellen + 1> m_fenster{};
    int m_aktivNummer = 0;
    int m_aktivZeile = 0;
    int m_aktivSpalte = 0;
    bool m_abgeschaltet = false;
    bool m_loaded = false;
    bool m_automaticGridSize = true;
    bool m_nachObenAusrichten = false;
    int m_spalten = 5;
    int m_zeilen = 4;
    bool m_displayFotoTitle = true;
    bool m_displayFotoBorders = true;
    QColor m_colorNormal;
    QColor m_colorHighlight;
};
