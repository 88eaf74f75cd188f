#include "pictures/Verdan_DetailZoomUnit.h"

#include "foundation/KR_Align.h"
#include "foundation/KR_Colors.h"
#include "foundation/KR_Graph.h"
#include "foundation/KR_VCL.h"
#include "foundation/Kr_grabt.h"
#include "key/KR_DatenBankFeld.h"
#include "key/VD_StrukturDM.h"
#include "pictures/KR_MultiImage.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The large drawing of the detail view.
constexpr int DetailBild = 1;
constexpr int Datenbank = 1;

QString Titel(int item, const TKR_DatenBankFeld& krit)
{
    const QString schluessel = krit.Gruppe ? krit.Gruppe->Titel : QString();
    return schluessel + u'.' + krit.GetAnzeigeTitel() + u'.' + krit.GetItemText(item);
}

TKR_Panel* WeissesPanel(QWidget* parent)
{
    auto* panel = new TKR_Panel(parent);
    panel->SetBevelOuter(TKR_Bevel::None);
    panel->SetColor(DelphiColor(clWhite));
    return panel;
}

void ZentriereAufBildschirm(QWidget& fenster)
{
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    if (!bildschirm) return;
    QRect rahmen = fenster.frameGeometry();
    rahmen.moveCenter(bildschirm->availableGeometry().center());
    fenster.move(rahmen.topLeft());
}

} // namespace

TVerdan_DetailZoom::TVerdan_DetailZoom(QWidget* owner, int item, TKR_DatenBankFeld* krit,
                                       TVD_StrukturDataModul* strukturModul)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Verdan_DetailZoom"));
    setWindowTitle(QStringLiteral("Detail"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    resize(338, 354);
    ErstelleKomponenten();
    ZentriereAufBildschirm(*this);
    if (!krit) return;
    setWindowTitle(Titel(item, *krit));
    ZeigeBild(item, *krit, strukturModul);
}

void TVerdan_DetailZoom::ErstelleKomponenten()
{
    const QColor weiss = DelphiColor(clWhite);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, weiss);
    setPalette(palette);
    setAutoFillBackground(true);

    TopPanel = WeissesPanel(this);
    TopPanel->setObjectName(QStringLiteral("TopPanel"));
    TopPanel->resize(width(), 32);
    SetAlign(TopPanel, TKR_Align::Top);

    Panel3 = WeissesPanel(TopPanel);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->resize(149, TopPanel->height());
    SetAlign(Panel3, TKR_Align::Right);

    KR_GradButton1 = new TKR_GradButton(QStringLiteral("Schließen"), Panel3);
    KR_GradButton1->setObjectName(QStringLiteral("KR_GradButton1"));
    KR_GradButton1->setGeometry(70, 4, 75, 23);
    KR_GradButton1->SetGradColor(DelphiColor(clSilver));
    connect(KR_GradButton1, &TKR_GradButton::clicked, this,
            &TVerdan_DetailZoom::KR_GradButton1Click);

    Toolbar = new TKR_CheckBox(QStringLiteral("Werkzeuge"), TopPanel);
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->hide();

    Bilddarstellung = new TKR_MultiImage(this);
    Bilddarstellung->setObjectName(QStringLiteral("Bilddarstellung"));
    Bilddarstellung->SetColor(weiss);
    Bilddarstellung->SetCenter(true);
    Bilddarstellung->SetScrolling(true);
    Bilddarstellung->SetStretchRatio(true);
    Bilddarstellung->SetZoomBy(10);
    Bilddarstellung->SetGrabHandCursor(5);
    Bilddarstellung->SetImageDither(true);
    Bilddarstellung->SetImageName(QStringLiteral("file not found"));
    // Not a tab stop, but a click gives it the keys for zooming.
    Bilddarstellung->setFocusPolicy(Qt::ClickFocus);
    SetAlign(Bilddarstellung, TKR_Align::Client);
}

void TVerdan_DetailZoom::ZeigeBild(int item, const TKR_DatenBankFeld& krit,
                                   TVD_StrukturDataModul* strukturModul)
{
    if (!strukturModul) return;
    const QByteArray bild = strukturModul->GetBild(Datenbank, krit.GetGruppenNummer(),
                                                   krit.GetFeldNummer(), item, DetailBild);
    if (!bild.isNull()) Bilddarstellung->LoadFromBlob(bild);
}

void TVerdan_DetailZoom::KR_GradButton1Click()
{
    close();
}
