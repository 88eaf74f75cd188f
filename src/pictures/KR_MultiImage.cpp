#include "pictures/KR_MultiImage.h"

#include "app/KR_DLG.h"
#include "foundation/KR_Colors.h"
#include "foundation/KR_Hourglass.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace {

// Scaled copies up to this many pixels are kept between paints; larger views are scaled
// while painting, only where they show.
constexpr qint64 GroessteKopie = qint64(4096) * 4096;
// Zooming stops before a side of the shown picture exceeds this, or falls below one pixel.
constexpr double GroessteAnzeige = 32768.0;

QString FehlerMeldung(const QString& format)
{
    if (format == BlobPng) return QStringLiteral("Invallid or empty PNG blobfield");
    if (format == BlobGif) return QStringLiteral("Invallid or empty GIF blobfield");
    if (format == BlobPcx) return QStringLiteral("Invallid or empty PCX blobfield");
    if (format == BlobBmp) return QStringLiteral("Invallid or empty BMP blobfield");
    if (format == BlobJpg) return QStringLiteral("Invallid or empty Jpeg Blobfield");
    return {};
}

} // namespace

TKR_MultiImage::TKR_MultiImage(QWidget* parent)
    : QAbstractScrollArea(parent), m_color(DelphiColor(clBtnFace))
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setAutoFillBackground(false);
}

// ---------------------------------------------------------------------------------------------
// Loading

QString TKR_MultiImage::GetBlobFormat(const QByteArray& blob)
{
    if (blob.isNull()) return {};
    const TKR_BlobErkennung erkennung = ErkenneBlobFormat(blob);
    m_bildInfo = erkennung.Info;
    m_blobFormat = erkennung.Format.isEmpty() ? QStringLiteral("Empty") : erkennung.Format;
    if (!erkennung.Erkannt) ShowMessageDlg(QString(), QStringLiteral("blobfield getinfo failed"));
    return erkennung.Format;
}

void TKR_MultiImage::LoadFromBlob(const QByteArray& blob)
{
    if (blob.isNull()) return;
    // The picture information is read once and describes the data shown afterwards; data
    // of no known kind is reported once.
    const QString format = GetBlobFormat(blob);
    if (format == BlobScm) {
        ClearPicture();
        return;
    }
    if (format.isEmpty() || format == BlobCms) return;
    ShowDecoded(blob, format);
}

void TKR_MultiImage::ShowDecoded(const QByteArray& blob, const QString& format)
{
    if (format == BlobTif) {
        TKR_Hourglass hourglass;
        m_tiffPageCount = m_bildInfo.Seiten;
        const int seite = m_tiffPageCount > 0 ? std::min(m_tiffPage, m_tiffPageCount) : m_tiffPage;
        const QImage bild = LiesBlobBild(blob, format, seite);
        if (bild.isNull())
            ClearPicture();
        else
            SetPicture(bild);
        return;
    }
    const QImage bild = LiesBlobBild(blob, format);
    if (!bild.isNull()) {
        SetPicture(bild);
        return;
    }
    ClearPicture();
    ShowMessageDlg(QString(), FehlerMeldung(format));
}

void TKR_MultiImage::SetPicture(const QImage& picture)
{
    m_picture = picture;
    m_scaled = QImage();
    m_zoom = 1.0;
    RefreshStretch();
}

void TKR_MultiImage::ClearPicture()
{
    SetPicture(QImage());
}

// ---------------------------------------------------------------------------------------------
// Properties

void TKR_MultiImage::SetColor(const QColor& color)
{
    if (color == m_color) return;
    m_color = color;
    viewport()->update();
}

void TKR_MultiImage::SetCenter(bool center)
{
    m_center = center;
    viewport()->update();
}

void TKR_MultiImage::SetStretchRatio(bool stretch)
{
    m_stretchRatio = stretch;
    RefreshStretch();
}

void TKR_MultiImage::SetScrolling(bool scrolling)
{
    m_scrolling = scrolling;
    const Qt::ScrollBarPolicy policy = scrolling ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    RefreshStretch();
}

void TKR_MultiImage::SetGrabHandCursor(int cursor)
{
    m_grabHandCursor = cursor;
    UpdateCursor();
}

// ---------------------------------------------------------------------------------------------
// Fitting, zoom and scrolling

QSize TKR_MultiImage::DisplaySize() const
{
    if (m_picture.isNull()) return {};
    double breite = m_picture.width();
    double hoehe = m_picture.height();
    if (m_stretchRatio) {
        // Measured without scroll bars, so that their coming and going does not change it.
        const QSize flaeche = maximumViewportSize();
        if (flaeche.width() > 0 && flaeche.height() > 0) {
            const double faktor = std::min(flaeche.width() / breite, flaeche.height() / hoehe);
            breite *= faktor;
            hoehe *= faktor;
        }
    }
    return QSize(std::max(1, int(std::lround(breite * m_zoom))),
                 std::max(1, int(std::lround(hoehe * m_zoom))));
}

QRect TKR_MultiImage::PictureRect() const
{
    if (m_picture.isNull()) return {};
    const QSize groesse = DisplaySize();
    const QSize flaeche = viewport()->size();
    const int x = m_center && groesse.width() < flaeche.width()
                      ? (flaeche.width() - groesse.width()) / 2
                      : -horizontalScrollBar()->value();
    const int y = m_center && groesse.height() < flaeche.height()
                      ? (flaeche.height() - groesse.height()) / 2
                      : -verticalScrollBar()->value();
    return QRect(QPoint(x, y), groesse);
}

void TKR_MultiImage::RefreshStretch()
{
    UpdateScrollBars();
    UpdateCursor();
    viewport()->update();
}

void TKR_MultiImage::UpdateScrollBars()
{
    // The ranges are reckoned with the room that stays once the bars they need are shown, so
    // that a bar never appears only because the other one took room it did not need.
    const QSize groesse = m_scrolling ? DisplaySize() : QSize();
    QSize flaeche = maximumViewportSize();
    const int balkenBreite = verticalScrollBar()->sizeHint().width();
    const int balkenHoehe = horizontalScrollBar()->sizeHint().height();
    bool waagrecht = groesse.width() > flaeche.width();
    bool senkrecht = groesse.height() > flaeche.height();
    if (waagrecht && !senkrecht) senkrecht = groesse.height() > flaeche.height() - balkenHoehe;
    if (senkrecht && !waagrecht) waagrecht = groesse.width() > flaeche.width() - balkenBreite;
    if (waagrecht) flaeche.rheight() -= balkenHoehe;
    if (senkrecht) flaeche.rwidth() -= balkenBreite;
    horizontalScrollBar()->setRange(0, std::max(0, groesse.width() - flaeche.width()));
    horizontalScrollBar()->setPageStep(flaeche.width());
    verticalScrollBar()->setRange(0, std::max(0, groesse.height() - flaeche.height()));
    verticalScrollBar()->setPageStep(flaeche.height());
}

void TKR_MultiImage::ZoomIn()
{
    SetZoom(m_zoom * (1.0 + m_zoomBy / 100.0));
}

void TKR_MultiImage::ZoomOut()
{
    SetZoom(m_zoom / (1.0 + m_zoomBy / 100.0));
}

void TKR_MultiImage::SetZoom(double zoom)
{
    if (m_picture.isNull()) return;
    const QSize vorher = DisplaySize();
    const double seite = std::max(vorher.width(), vorher.height()) / m_zoom;
    const double klein = std::min(vorher.width(), vorher.height()) / m_zoom;
    if (seite * zoom > GroessteAnzeige || klein * zoom < 1.0) return;

    // The point in the middle of the view stays in the middle.
    const QSize flaeche = viewport()->size();
    const double mitteX = (horizontalScrollBar()->value() + flaeche.width() / 2.0) / vorher.width();
    const double mitteY = (verticalScrollBar()->value() + flaeche.height() / 2.0) / vorher.height();
    m_zoom = zoom;
    RefreshStretch();
    const QSize nachher = DisplaySize();
    horizontalScrollBar()->setValue(int(mitteX * nachher.width() - flaeche.width() / 2.0));
    verticalScrollBar()->setValue(int(mitteY * nachher.height() - flaeche.height() / 2.0));
}

bool TKR_MultiImage::CanGrab() const
{
    return m_scrolling && m_grabHandCursor > 0 && !m_picture.isNull() &&
           (horizontalScrollBar()->maximum() > 0 || verticalScrollBar()->maximum() > 0);
}

void TKR_MultiImage::UpdateCursor()
{
    if (m_grabbing)
        viewport()->setCursor(Qt::ClosedHandCursor);
    else if (CanGrab())
        viewport()->setCursor(Qt::OpenHandCursor);
    else
        viewport()->unsetCursor();
}

void TKR_MultiImage::CopyToClipboard() const
{
    if (m_picture.isNull()) return;
    QGuiApplication::clipboard()->setImage(m_picture);
}

// ---------------------------------------------------------------------------------------------
// Events

void TKR_MultiImage::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), m_color);
    if (m_picture.isNull()) return;
    const QRect ziel = PictureRect();
    if (ziel.size() == m_picture.size()) {
        painter.drawImage(ziel.topLeft(), m_picture);
        return;
    }
    if (qint64(ziel.width()) * ziel.height() > GroessteKopie) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(ziel, m_picture);
        return;
    }
    if (m_scaled.size() != ziel.size())
        m_scaled = m_picture.scaled(ziel.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(ziel.topLeft(), m_scaled);
}

void TKR_MultiImage::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    RefreshStretch();
}

void TKR_MultiImage::scrollContentsBy(int, int)
{
    viewport()->update();
}

void TKR_MultiImage::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !CanGrab()) return;
    m_grabbing = true;
    m_grabStart = event->position().toPoint();
    m_grabScroll = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    UpdateCursor();
}

void TKR_MultiImage::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_grabbing) return;
    const QPoint weg = event->position().toPoint() - m_grabStart;
    horizontalScrollBar()->setValue(m_grabScroll.x() - weg.x());
    verticalScrollBar()->setValue(m_grabScroll.y() - weg.y());
}

void TKR_MultiImage::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_grabbing) return;
    m_grabbing = false;
    UpdateCursor();
}

void TKR_MultiImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void TKR_MultiImage::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->angleDelta().y() > 0)
            ZoomIn();
        else if (event->angleDelta().y() < 0)
            ZoomOut();
        event->accept();
        return;
    }
    if (m_scrolling)
        QAbstractScrollArea::wheelEvent(event);
    else
        event->ignore();
}

void TKR_MultiImage::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Plus:
        ZoomIn();
        break;
    case Qt::Key_Minus:
        ZoomOut();
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}
