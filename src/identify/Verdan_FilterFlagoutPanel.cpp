#include "identify/Verdan_FilterFlagoutPanel.h"

#include "app/KR_Bitmap.h"
#include "foundation/KR_Align.h"
#include "identify/Verdan_FlagOutVerschachtelung.h"
#include "key/Verdan_Abfrageliste.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyleOptionViewItem>
#include <algorithm>

namespace {

constexpr int kBalkenHoehe = 20;
constexpr int kBildGroesse = 16;

// Image index order; a picture that cannot be loaded leaves its image empty.
QIcon LadeBild(const QString& name)
{
    QPixmap bild;
    if (!LoadBitmapResource(QString(), name, bild)) return {};
    QIcon icon;
    // A selected node keeps its colours: the image tells the tick, not the selection.
    icon.addPixmap(bild, QIcon::Normal);
    icon.addPixmap(bild, QIcon::Selected);
    return icon;
}

bool IstWert(const TKR_FlagOutObjekt* objekt)
{
    return objekt && !objekt->Unterstruktur;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Nodes

TVerdan_FlagOutBaumKnoten::TVerdan_FlagOutBaumKnoten(const TBilder& bilder, const QString& text,
                                                     TKR_FlagOutObjekt* objekt,
                                                     TKR_FlagOutStruktur* struktur)
    : m_bilder(bilder), m_objekt(objekt), m_struktur(struktur)
{
    setText(0, text);
    SetImageIndex(TVerdan_FlagOutBild::NichtGewaehlt);
}

void TVerdan_FlagOutBaumKnoten::SetImageIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(m_bilder.size())) return;
    m_imageIndex = index;
    setIcon(0, m_bilder[static_cast<std::size_t>(index)]);
}

TVerdan_FlagOutKnoten* TVerdan_FlagOutBaumKnoten::ParentNode() const
{
    return Eltern();
}

TVerdan_FlagOutBaumKnoten* TVerdan_FlagOutBaumKnoten::Eltern() const
{
    return dynamic_cast<TVerdan_FlagOutBaumKnoten*>(parent());
}

// ---------------------------------------------------------------------------------------------
// Tree view

TVerdan_FlagOutBaum::TVerdan_FlagOutBaum(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(kBildGroesse, kBildGroesse));
    setFrameShape(QFrame::NoFrame);
    // Long criterion texts scroll sideways instead of being cut off.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
}

QRect TVerdan_FlagOutBaum::TextRechteck(QTreeWidgetItem* knoten) const
{
    const QRect zelle = visualItemRect(knoten);
    if (zelle.isEmpty()) return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = zelle;
    option.index = indexFromItem(knoten);
    option.text = knoten->text(0);
    option.icon = knoten->icon(0);
    option.features |= QStyleOptionViewItem::HasDisplay;
    if (!option.icon.isNull()) option.features |= QStyleOptionViewItem::HasDecoration;
    QRect text = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    // The style gives the text the rest of the cell; the words themselves end earlier.
    const int rand = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, this) + 1;
    text.setWidth(std::min(text.width(), fontMetrics().horizontalAdvance(option.text) + 2 * rand));
    return text;
}

void TVerdan_FlagOutBaum::mousePressEvent(QMouseEvent* event)
{
    // Selecting a value ticks it: only a left click may do that.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    if (OnMausDruck) OnMausDruck();
    QTreeWidget::mousePressEvent(event);
}

void TVerdan_FlagOutBaum::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging would move the selection over every value on the way and tick each.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void TVerdan_FlagOutBaum::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && OnMausLos) OnMausLos(event->position().toPoint());
}

// ---------------------------------------------------------------------------------------------
// Panel

TVerdan_FilterFlagoutPanel::TVerdan_FilterFlagoutPanel(QWidget* owner)
    : TAW_FilterFlagOutPanel(owner, TTeileSpaeter{})
{
    ErstelleTeile();
}

TVerdan_FilterFlagoutPanel::~TVerdan_FilterFlagoutPanel()
{
    // The view goes with the panel's children, after this part of the panel is gone.
    m_baueNeu = true;
    if (Baum) {
        Baum->disconnect(this);
        Baum->OnMausDruck = nullptr;
        Baum->OnMausLos = nullptr;
    }
}

TAW_FilterFlagOutVerschachtelungs* TVerdan_FilterFlagoutPanel::CreateVerschachtelung()
{
    auto* balken = new TVerdan_FlagOutVerschachtelung(this);
    balken->SetBevelOuter(TKR_Bevel::None);
    balken->SetBevelInner(TKR_Bevel::None);
    balken->resize(width(), kBalkenHoehe);
    SetAlign(balken, TKR_Align::Top);
    balken->OnResetKlasse = [this](TVerdan_AbfrageRecord* ebene) {
        if (OnResetAbfrageKlasse) OnResetAbfrageKlasse(ebene);
    };
    return balken;
}

TVerdan_FlagOutVerschachtelung* TVerdan_FilterFlagoutPanel::FlagOutVerschachtelung() const
{
    return static_cast<TVerdan_FlagOutVerschachtelung*>(Verschachtelung);
}

void TVerdan_FilterFlagoutPanel::CreateAnzeige()
{
    m_bilder = {LadeBild(QStringLiteral("VERDAN_OFFGREEN")),
                LadeBild(QStringLiteral("VERDAN_GREENRED")),
                LadeBild(QStringLiteral("VERDAN_ONRED"))};
    Baum = new TVerdan_FlagOutBaum(this);
    SetAlign(Baum, TKR_Align::Client);
    connect(Baum, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* knoten) { KnotenGewaehlt(knoten); });
    Baum->OnMausDruck = [this] { m_auswahlGeaendert = false; };
    Baum->OnMausLos = [this](QPoint pos) { MausLos(pos); };
}

void TVerdan_FilterFlagoutPanel::ZeigeEbenen(TVerdan_AbfrageListe& ebenen)
{
    TVerdan_AbfrageRecord* letzte = ebenen.LetzteEbene();
    if (!letzte) return;
    SetStruktur(letzte->Struktur);
    FlagOutVerschachtelung()->ZeigeEbenen(ebenen);
}

void TVerdan_FilterFlagoutPanel::ZeigeInAnzeige(TAW_FlagOutStruktur* struktur)
{
    m_baueNeu = true;
    LoeseObjekteVomBaum();
    Baum->clear();
    if (struktur) FuegeStrukturEin(*struktur, nullptr);
    m_baueNeu = false;
    if (struktur) struktur->AktualisiereAlle();
}

void TVerdan_FilterFlagoutPanel::FuegeStrukturEin(TKR_FlagOutStruktur& struktur,
                                                  TVerdan_FlagOutBaumKnoten* eltern)
{
    for (TKR_FlagOutObjekt* objekt : struktur) {
        TVerdan_FlagOutBaumKnoten* knoten = nullptr;
        if (objekt->Unterstruktur) {
            // Criteria are chapters of the root; a chapter inside a chapter goes there too.
            TKR_FlagOutStruktur& unter = *objekt->Unterstruktur;
            knoten = new TVerdan_FlagOutBaumKnoten(m_bilder, unter.Titel, nullptr, &unter);
            Baum->addTopLevelItem(knoten);
            FuegeStrukturEin(unter, knoten);
        } else {
            knoten = new TVerdan_FlagOutBaumKnoten(m_bilder, objekt->Titel, objekt, nullptr);
            if (eltern)
                eltern->addChild(knoten);
            else
                Baum->addTopLevelItem(knoten);
        }
        if (auto* verdanObjekt = dynamic_cast<TVerdan_FlagOutObjekt*>(objekt))
            verdanObjekt->Knoten = knoten;
    }
}

void TVerdan_FilterFlagoutPanel::LoeseObjekteVomBaum()
{
    const auto loese = [](TKR_FlagOutObjekt* objekt, TVerdan_FlagOutBaumKnoten* knoten) {
        auto* verdanObjekt = dynamic_cast<TVerdan_FlagOutObjekt*>(objekt);
        if (verdanObjekt && verdanObjekt->Knoten == knoten) verdanObjekt->Knoten = nullptr;
    };
    for (QTreeWidgetItemIterator it(Baum); *it; ++it) {
        auto* knoten = dynamic_cast<TVerdan_FlagOutBaumKnoten*>(*it);
        if (!knoten) continue;
        if (knoten->Objekt()) loese(knoten->Objekt(), knoten);
        if (knoten->Struktur()) loese(knoten->Struktur()->ElternObjekt, knoten);
    }
}

void TVerdan_FilterFlagoutPanel::ToggleKnoten(TVerdan_FlagOutKnoten* knotenAllgemein,
                                              bool neuZeichnen)
{
    auto* knoten = dynamic_cast<TVerdan_FlagOutBaumKnoten*>(knotenAllgemein);
    if (knoten && knoten->treeWidget() == Baum && IstWert(knoten->Objekt())) {
        TVerdan_FlagOutBaumKnoten* eltern = knoten->Eltern();
        if (eltern) {
            for (int i = 0; i < eltern->childCount(); ++i) {
                auto* geschwister = dynamic_cast<TVerdan_FlagOutBaumKnoten*>(eltern->child(i));
                if (!geschwister || geschwister == knoten) continue;
                geschwister->SetImageIndex(TVerdan_FlagOutBild::NichtGewaehlt);
                if (geschwister->Objekt()) geschwister->Objekt()->SetGewaehlt(false);
            }
        }
        const bool gewaehlt = knoten->ImageIndex() == TVerdan_FlagOutBild::NichtGewaehlt;
        knoten->SetImageIndex(gewaehlt ? TVerdan_FlagOutBild::Gewaehlt
                                       : TVerdan_FlagOutBild::NichtGewaehlt);
        knoten->Objekt()->SetGewaehlt(gewaehlt);
        if (eltern)
            eltern->SetImageIndex(gewaehlt ? TVerdan_FlagOutBild::KapitelGewaehlt
                                           : TVerdan_FlagOutBild::NichtGewaehlt);
        MeldeFilterGeaendert(nullptr);
    }
    if (neuZeichnen) Baum->viewport()->update();
}

void TVerdan_FilterFlagoutPanel::KnotenGewaehlt(QTreeWidgetItem* item)
{
    if (m_baueNeu) return;
    auto* knoten = dynamic_cast<TVerdan_FlagOutBaumKnoten*>(item);
    ToggleKnoten(knoten, !Aktualisierung);
    m_auswahlGeaendert = true;

    TVerdan_FlagOutObjekt* flo = nullptr;
    TKR_DatenBankFeld* krit = nullptr;
    int selectItem = 0;
    if (knoten && IstWert(knoten->Objekt())) {
        flo = dynamic_cast<TVerdan_FlagOutObjekt*>(knoten->Objekt());
        krit = knoten->Objekt()->Feld;
        if (knoten->Objekt()->Art == TKR_FlagOutArt::Wert)
            selectItem = knoten->Objekt()->ItemNummer;
    } else if (knoten && knoten->Struktur() && knoten->Struktur()->ElternObjekt) {
        flo = dynamic_cast<TVerdan_FlagOutObjekt*>(knoten->Struktur()->ElternObjekt);
        krit = knoten->Struktur()->ElternObjekt->Feld;
    }
    if (OnChangeFlagout) OnChangeFlagout(flo, krit, selectItem);
}

void TVerdan_FilterFlagoutPanel::MausLos(QPoint pos)
{
    if (m_auswahlGeaendert) {
        // The press of this click moved the selection, which toggled already.
        m_auswahlGeaendert = false;
        return;
    }
    QTreeWidgetItem* gewaehlt = Baum->currentItem();
    if (gewaehlt && Baum->TextRechteck(gewaehlt).contains(pos))
        ToggleKnoten(dynamic_cast<TVerdan_FlagOutBaumKnoten*>(gewaehlt), !Aktualisierung);
}
