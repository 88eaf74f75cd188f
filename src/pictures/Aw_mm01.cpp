#include "pictures/Aw_mm01.h"

#include "app/KR_MYSYS.h"
#include "foundation/KR_Colors.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Distances inside a slot: the picture sits 5 pixels in from the frame; the line and the
// captions follow below it.
constexpr int BildRand = 5;
constexpr int LinieAbstand = 5;
constexpr int TitelAbstand = 7;

// The frame and the separator line of a cell, drawn like the forms' bevels (lowered).
class TDiaBevel : public QWidget
{
public:
    enum class Form
    {
        Box,     // one sunken line around
        Frame,   // an etched groove around
        TopLine, // an etched line along the top
    };

    TDiaBevel(Form form, QWidget* parent) : QWidget(parent), m_form(form)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor schatten = DelphiColor(clBtnShadow);
        const QColor licht = DelphiColor(clBtnHighlight);
        QRect r = rect();
        switch (m_form) {
        case Form::Box:
            Frame3D(painter, r, schatten, licht, 1);
            break;
        case Form::Frame:
            painter.setPen(schatten);
            painter.drawRect(r.adjusted(0, 0, -2, -2));
            painter.setPen(licht);
            painter.drawRect(r.adjusted(1, 1, -1, -1));
            break;
        case Form::TopLine:
            painter.fillRect(QRect(0, 0, width(), 1), schatten);
            painter.fillRect(QRect(0, 1, width(), 1), licht);
            break;
        }
    }

private:
    Form m_form;
};

QLabel* NeuerTitel(QWidget* parent)
{
    auto* titel = new QLabel(parent);
    titel->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont schrift(QStringLiteral("MS Sans Serif"), 6);
    schrift.setStyleHint(QFont::SansSerif);
    if (const auto& anzeige = SetupBlock.AnzeigeEinstellungen) {
        if (!anzeige->FontName.isEmpty()) schrift.setFamily(anzeige->FontName);
        if (anzeige->FontSize > 0) schrift.setPointSize(anzeige->FontSize);
    }
    titel->setFont(schrift);
    titel->setFixedHeight(titel->fontMetrics().height());
    titel->show();
    return titel;
}

} // namespace

// =============================================================================================
// TKR_DiaSerienFenster

TKR_DiaSerienFenster::TKR_DiaSerienFenster(QWidget* owner) : TKR_MultiImage(owner)
{
    SetStretchRatio(true);
    SetCenter(true);

    bool rahmen = true;
    bool titel = true;
    bool bevel = false;
    if (auto* serie = dynamic_cast<TKR_DiaSerie*>(owner)) {
        rahmen = serie->Grid_DisplayFotoBorders();
        titel = serie->Grid_DisplayFotoTitle();
        bevel = serie->BevelInner() != TKR_Bevel::None || serie->BevelOuter() != TKR_Bevel::None;
        SetColor(serie->Grid_ColorNormal());
    }
    if (owner && rahmen) {
        m_rahmen = new TDiaBevel(bevel ? TDiaBevel::Form::Box : TDiaBevel::Form::Frame, owner);
        // Beneath the pictures, as the forms painted their bevels.
        m_rahmen->lower();
        m_rahmen->show();
        if (titel) {
            m_linie = new TDiaBevel(TDiaBevel::Form::TopLine, owner);
            m_linie->show();
        }
    }
    if (owner && titel) {
        m_titel1 = NeuerTitel(owner);
        m_titel2 = NeuerTitel(owner);
    }
    show();
    Clear();
}

TKR_DiaSerienFenster::~TKR_DiaSerienFenster()
{
    // The parts belong to the strip; when the strip goes, Qt may have freed them already.
    delete m_rahmen;
    delete m_linie;
    delete m_titel1;
    delete m_titel2;
}

void TKR_DiaSerienFenster::Clear()
{
    ClearPicture();
    SetImageName(QString());
    m_fid = 0;
    m_pid = 0;
    if (m_titel1) m_titel1->clear();
    if (m_titel2) m_titel2->clear();
}

void TKR_DiaSerienFenster::DoDblClick()
{
    if (HasPicture() && OnMyDBLClick) OnMyDBLClick(this, m_fid, m_pid);
}

void TKR_DiaSerienFenster::DoClick()
{
    if (HasPicture() && OnMyClick) OnMyClick(this, m_fid, m_pid);
}

int TKR_DiaSerienFenster::CaptionHeight() const
{
    if (!m_titel1 || !m_titel2) return 0;
    return m_titel1->height() + m_titel2->height();
}

int TKR_DiaSerienFenster::PlaceInSlot(int left, int top, bool fit, int height, int width)
{
    if (m_rahmen) m_rahmen->setGeometry(left, top, width, height);

    const int bildBreite = width - 2 * BildRand;
    int bildHoehe = height - CaptionHeight() - 3 * BildRand;
    if (fit && HasPicture() && bildBreite > 0 && bildHoehe > 0) {
        // A wide picture needs less height than the slot offers.
        const double breitenMass = double(Picture().width()) / bildBreite;
        const double hoehenMass = double(Picture().height()) / bildHoehe;
        if (breitenMass > hoehenMass) bildHoehe = int(Picture().height() / breitenMass);
    }
    setGeometry(left + BildRand, top + BildRand, std::max(0, bildBreite), std::max(0, bildHoehe));
    const int bildUnten = top + BildRand + bildHoehe;

    if (m_linie) m_linie->setGeometry(left + 1, bildUnten + LinieAbstand, width - 1, 2);
    m_usedWidth = width;
    m_usedBottom = bildUnten + TitelAbstand;
    if (m_titel1 && m_titel2) {
        const int titelBreite = std::max(0, width - 5);
        m_titel1->setGeometry(left + 1, bildUnten + TitelAbstand, titelBreite, m_titel1->height());
        m_titel2->setGeometry(left + 1, m_titel1->geometry().bottom() + 1, titelBreite,
                              m_titel2->height());
        m_usedBottom = m_titel2->geometry().bottom() + 1;
    }
    if (!fit) return height;
    if (m_rahmen) m_rahmen->resize(width, m_usedBottom - top + BildRand);
    return m_usedBottom - top + 2 * BildRand;
}

TKR_Panel* TKR_DiaSerienFenster::StripPanel() const
{
    return dynamic_cast<TKR_Panel*>(parentWidget());
}

QPoint TKR_DiaSerienFenster::OnStrip(const QMouseEvent* event) const
{
    return viewport()->mapTo(parentWidget(), event->position().toPoint());
}

void TKR_DiaSerienFenster::mousePressEvent(QMouseEvent* event)
{
    TKR_MultiImage::mousePressEvent(event);
    if (TKR_Panel* panel = StripPanel()) panel->MouseDown(OnStrip(event));
    m_pressed = event->button() == Qt::LeftButton;
    DoClick();
}

void TKR_DiaSerienFenster::mouseMoveEvent(QMouseEvent* event)
{
    TKR_MultiImage::mouseMoveEvent(event);
    if (TKR_Panel* panel = StripPanel()) panel->MouseMove(OnStrip(event));
}

void TKR_DiaSerienFenster::mouseReleaseEvent(QMouseEvent* event)
{
    TKR_MultiImage::mouseReleaseEvent(event);
    if (TKR_Panel* panel = StripPanel()) panel->MouseUp(OnStrip(event));
    const bool geklickt = m_pressed && event->button() == Qt::LeftButton &&
                          viewport()->rect().contains(event->position().toPoint());
    m_pressed = false;
    if (geklickt) Click();
}

void TKR_DiaSerienFenster::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click: the double click first, then the press as usual,
    // but the release that follows is no click.
    QPointer<TKR_DiaSerienFenster> selbst(this);
    DoDblClick();
    if (!selbst) return;
    TKR_MultiImage::mousePressEvent(event);
    if (TKR_Panel* panel = StripPanel()) panel->MouseDown(OnStrip(event));
    m_pressed = false;
    DoClick();
}

// =============================================================================================
// TKR_DiaSerie

TKR_DiaSerie::TKR_DiaSerie(QWidget* parent)
    : TKR_Panel(parent), m_colorNormal(DelphiColor(clBtnFace)),
      m_colorHighlight(DelphiColor(clWhite))
{
    // Selecting a cell takes the keyboard focus to the strip.
    setFocusPolicy(Qt::ClickFocus);
}

void TKR_DiaSerie::Loaded()
{
    if (m_automaticGridSize) {
        SetGrid_Zeilenanzahl(SetupBlock.DiaZeilenanzahl);
        SetGrid_Spaltenanzahl(SetupBlock.DiaSpaltenanzahl);
    }
    m_loaded = true;
    RebuildFenster();
    ArrangeFenster(-1, -1);
}

void TKR_DiaSerie::SetGrid_Spaltenanzahl(int spalten)
{
    if (spalten >= 1 && spalten <= MaxZellen) m_spalten = spalten;
}

void TKR_DiaSerie::SetGrid_Zeilenanzahl(int zeilen)
{
    if (zeilen >= 1 && zeilen <= MaxZellen) m_zeilen = zeilen;
}

void TKR_DiaSerie::SetGrid_DisplayFotoTitle(bool display)
{
    if (display == m_displayFotoTitle) return;
    m_displayFotoTitle = display;
    RebuildAndArrange();
}

void TKR_DiaSerie::SetGrid_DisplayFotoBorders(bool display)
{
    if (display == m_displayFotoBorders) return;
    m_displayFotoBorders = display;
    RebuildAndArrange();
}

void TKR_DiaSerie::SetGrid_ColorNormal(const QColor& color)
{
    if (color == m_colorNormal) return;
    m_colorNormal = color;
    RebuildAndArrange();
}

void TKR_DiaSerie::SetGrid_ColorHighlight(const QColor& color)
{
    if (color == m_colorHighlight) return;
    m_colorHighlight = color;
    RebuildAndArrange();
}

void TKR_DiaSerie::RebuildAndArrange()
{
    // Before Loaded there are no cells yet; Loaded builds them with the final settings.
    if (!m_loaded) return;
    RebuildFenster();
    HandleResize();
}

void TKR_DiaSerie::FuerAlleFenster(
    const std::function<void(int, int, TKR_DiaSerienFenster*)>& f) const
{
    for (int zeile = 1; zeile <= m_zeilen; ++zeile) {
        for (int spalte = 1; spalte <= m_spalten; ++spalte) {
            if (TKR_DiaSerienFenster* fenster = m_fenster[size_t(zeile)][size_t(spalte)])
                f(zeile, spalte, fenster);
        }
    }
}

TKR_DiaSerienFenster* TKR_DiaSerie::CreateFenster()
{
    return new TKR_DiaSerienFenster(this);
}

void TKR_DiaSerie::RebuildFenster()
{
    // Every cell goes, also those beyond a grid made smaller since they were built.
    for (auto& zeile : m_fenster) {
        for (TKR_DiaSerienFenster*& fenster : zeile) {
            delete fenster;
            fenster = nullptr;
        }
    }
    m_aktivNummer = m_aktivZeile = m_aktivSpalte = 0;
    if (m_abgeschaltet) return;
    for (int zeile = 1; zeile <= m_zeilen; ++zeile) {
        for (int spalte = 1; spalte <= m_spalten; ++spalte) {
            TKR_DiaSerienFenster* fenster = CreateFenster();
            fenster->OnMyDBLClick = [this, fenster](QWidget*, int fid, int pid) {
                FensterDblClick(fenster, fid, pid);
            };
            fenster->OnMyClick = [this, fenster](QWidget*, int, int) { SelectFenster(fenster); };
            m_fenster[size_t(zeile)][size_t(spalte)] = fenster;
        }
    }
}

void TKR_DiaSerie::ArrangeFenster(int zeile, int spalte)
{
    if (m_abgeschaltet) return;
    const int rand = BorderWidth();
    const int zeilenHoehe = (height() - 2 * rand) / m_zeilen;
    const int spaltenBreite = (width() - 2 * rand) / m_spalten;
    int laufendOben = rand;
    FuerAlleFenster([&](int z, int s, TKR_DiaSerienFenster* fenster) {
        const int links = (s - 1) * spaltenBreite + rand;
        if (m_nachObenAusrichten) {
            const int genutzt =
                fenster->PlaceInSlot(links, laufendOben, true, zeilenHoehe, spaltenBreite);
            laufendOben += genutzt - 2 * rand;
        } else {
            fenster->PlaceInSlot(links, (z - 1) * zeilenHoehe + rand, false, zeilenHoehe,
                                 spaltenBreite);
        }
    });
    if (zeile >= 0 && spalte >= 0) Markiere(GetFenster(zeile, spalte));
}

void TKR_DiaSerie::Markiere(TKR_DiaSerienFenster* aktiv)
{
    FuerAlleFenster([&](int, int, TKR_DiaSerienFenster* fenster) {
        fenster->SetColor(fenster == aktiv ? m_colorHighlight : m_colorNormal);
    });
}

TKR_DiaSerienFenster* TKR_DiaSerie::GetFenster(int zeile, int spalte) const
{
    if (zeile < 1 || zeile > m_zeilen || spalte < 1 || spalte > m_spalten) return nullptr;
    return m_fenster[size_t(zeile)][size_t(spalte)];
}

void TKR_DiaSerie::SelectNummer(int n)
{
    if (m_abgeschaltet) return;
    TKR_DiaSerienFenster* aktiv = nullptr;
    m_aktivNummer = m_aktivZeile = m_aktivSpalte = 0;
    int nummer = 0;
    FuerAlleFenster([&](int z, int s, TKR_DiaSerienFenster* fenster) {
        if (++nummer != n) return;
        aktiv = fenster;
        m_aktivNummer = nummer;
        m_aktivZeile = z;
        m_aktivSpalte = s;
    });
    Markiere(aktiv);
    MeldeAktivFoto();
}

void TKR_DiaSerie::SelectFenster(TKR_DiaSerienFenster* fenster)
{
    if (m_abgeschaltet) return;
    m_aktivNummer = m_aktivZeile = m_aktivSpalte = 0;
    TKR_DiaSerienFenster* aktiv = nullptr;
    int nummer = 0;
    FuerAlleFenster([&](int z, int s, TKR_DiaSerienFenster* kandidat) {
        ++nummer;
        if (kandidat != fenster) return;
        aktiv = kandidat;
        m_aktivNummer = nummer;
        m_aktivZeile = z;
        m_aktivSpalte = s;
    });
    Markiere(aktiv);
    setFocus(Qt::MouseFocusReason);
    MeldeAktivFoto();
}

void TKR_DiaSerie::MeldeAktivFoto()
{
    TKR_DiaSerienFenster* aktiv = GetFenster(m_aktivZeile, m_aktivSpalte);
    if (aktiv && OnChangeAktivFoto) OnChangeAktivFoto(aktiv, aktiv->FID(), aktiv->PID());
}

TKR_DiaSerienFenster* TKR_DiaSerie::GetAktivFenster()
{
    if (m_abgeschaltet || m_aktivNummer <= 0) return nullptr;
    m_aktivZeile = (m_aktivNummer + m_spalten - 1) / m_spalten;
    m_aktivSpalte = m_aktivNummer - (m_aktivZeile - 1) * m_spalten;
    return GetFenster(m_aktivZeile, m_aktivSpalte);
}

void TKR_DiaSerie::ClearAll()
{
    FuerAlleFenster([](int, int, TKR_DiaSerienFenster* fenster) { fenster->Clear(); });
    SelectNummer(0);
}

void TKR_DiaSerie::FensterDblClick(TKR_DiaSerienFenster* fenster, int fid, int pid)
{
    SelectFenster(fenster);
    if (OnMyDBLClick) OnMyDBLClick(this, fid, pid);
}

void TKR_DiaSerie::HandleResize()
{
    ArrangeFenster(-1, -1);
}

void TKR_DiaSerie::resizeEvent(QResizeEvent* event)
{
    TKR_Panel::resizeEvent(event);
    HandleResize();
}

void TKR_DiaSerie::showEvent(QShowEvent* event)
{
    TKR_Panel::showEvent(event);
    // A strip shown without Loaded gets its cells now.
    if (!m_loaded) Loaded();
}
