#pragma once

#include "pictures/KR_BlobFormat.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>
#include <QString>
#include <algorithm>

// The picture control for pictures stored in the database. It shows one picture on its
// colour: fitted into the area keeping the aspect ratio (StretchRatio), centred when smaller
// than the area (Center), zoomed in steps of ZoomBy percent (Ctrl and the mouse wheel, or the
// keys + and -), and, with Scrolling, with scroll bars and a grab hand that moves a picture
// larger than the area.
class TKR_MultiImage : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit TKR_MultiImage(QWidget* parent = nullptr);

    // Shows the picture that blob holds. A null blob changes nothing. A picture that cannot
    // be decoded empties the control and says so ("Invallid or empty PNG blobfield" …; a TIFF
    // silently). Data of no known kind says "blobfield getinfo failed" and changes nothing.
    void LoadFromBlob(const QByteArray& blob);
    // The format code of blob (see KR_BlobFormat.h); the picture information describes it
    // afterwards. Says "blobfield getinfo failed" for data of no known kind.
    QString GetBlobFormat(const QByteArray& blob);

    // The code of the data examined last, "Empty" when none.
    QString BlobFormat() const { return m_blobFormat; }
    const TKR_BildInfo& BildInfo() const { return m_bildInfo; }

    const QImage& Picture() const { return m_picture; }
    bool HasPicture() const { return !m_picture.isNull(); }
    void SetPicture(const QImage& picture);
    void ClearPicture();

    QString ImageName() const { return m_imageName; }
    void SetImageName(const QString& name) { m_imageName = name; }

    QColor Color() const { return m_color; }
    void SetColor(const QColor& color);
    bool Center() const { return m_center; }
    void SetCenter(bool center);
    bool StretchRatio() const { return m_stretchRatio; }
    void SetStretchRatio(bool stretch);
    bool Scrolling() const { return m_scrolling; }
    void SetScrolling(bool scrolling);
    // Percent by which one zoom step enlarges or reduces the picture.
    int ZoomBy() const { return m_zoomBy; }
    void SetZoomBy(int percent) { m_zoomBy = std::max(1, percent); }
    // The hand cursor that shows when a picture can be moved; 0 none.
    int GrabHandCursor() const { return m_grabHandCursor; }
    void SetGrabHandCursor(int cursor);
    // Kept for the forms that set it; pictures are shown in full colour.
    bool ImageDither() const { return m_imageDither; }
    void SetImageDither(bool dither) { m_imageDither = dither; }
    // The page of a TIFF to read, from 1; the page count found in the TIFF read last.
    int TiffPage() const { return m_tiffPage; }
    void SetTiffPage(int page) { m_tiffPage = std::max(1, page); }
    int TiffPageCount() const { return m_tiffPageCount; }

    // Fits the picture anew to the area (after a change of size or picture).
    void RefreshStretch();
    void ZoomIn();
    void ZoomOut();
    // 1 shows the picture at its fitted (or natural) size.
    double ZoomFactor() const { return m_zoom; }
    // Where the picture is drawn, in the coordinates of the viewport; empty without one.
    QRect PictureRect() const;
    // Copies the picture to the clipboard; nothing without one.
    void CopyToClipboard() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowDecoded(const QByteArray& blob, const QString& format);
    QSize DisplaySize() const;
    void UpdateScrollBars();
    void UpdateCursor();
    bool CanGrab() const;
    void SetZoom(double zoom);

    QImage m_picture;
    QString m_imageName;
    QString m_blobFormat = QStringLiteral("Empty");
    TKR_BildInfo m_bildInfo;
    QColor m_color;
    bool m_center = false;
    bool m_stretchRatio = false;
    bool m_scrolling = false;
    int m_zoomBy = 10;
    int m_grabHandCursor = 0;
    bool m_imageDither = false;
    int m_tiffPage = 1;
    int m_tiffPageCount = 0;
    double m_zoom = 1.0;
    bool m_grabbing = false;
    QPoint m_grabStart;
    QPoint m_grabScroll;
    // The picture scaled to the display size, kept between paints.
    mutable QImage m_scaled;
};
