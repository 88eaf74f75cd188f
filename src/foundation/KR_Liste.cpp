#include "foundation/KR_Liste.h"

#include "data/KR_TEXT.h"

#include <utility>

namespace {

TKR_ListenKnoten* NewSelfLinkedNode()
{
    auto* node = new TKR_ListenKnoten;
    node->Vorher = node;
    node->Nachher = node;
    return node;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TKR_MyListe

TKR_MyListe::TKR_MyListe() : TKR_MyListe(nullptr) {}

TKR_MyListe::TKR_MyListe(Disposer disposer) : m_disposer(disposer)
{
    m_erster = m_letzter = m_aktuell = NewSelfLinkedNode();
}

TKR_MyListe::~TKR_MyListe()
{
    DropIndex();
    FreeAllNodes();
}

TKR_MyListe::TKR_MyListe(TKR_MyListe&& other) noexcept
{
    TakeOver(other);
}

TKR_MyListe& TKR_MyListe::operator=(TKR_MyListe&& other) noexcept
{
    if (this != &other) {
        FreeAllNodes();
        TakeOver(other);
    }
    return *this;
}

void TKR_MyListe::TakeOver(TKR_MyListe& other) noexcept
{
    m_aktuell = std::exchange(other.m_aktuell, nullptr);
    m_erster = std::exchange(other.m_erster, nullptr);
    m_letzter = std::exchange(other.m_letzter, nullptr);
    m_anzahl = std::exchange(other.m_anzahl, 0);
    m_index = std::move(other.m_index);
    m_indexGueltig = std::exchange(other.m_indexGueltig, false);
    m_eof = std::exchange(other.m_eof, false);
    m_bof = std::exchange(other.m_bof, false);
    m_disposer = other.m_disposer;
    other.m_index.clear();
    other.m_erster = other.m_letzter = other.m_aktuell = NewSelfLinkedNode();
}

void TKR_MyListe::Dispose(TKR_ListenKnoten* node)
{
    if (m_disposer && node->Daten) m_disposer(node->Daten);
    node->Daten = nullptr;
}

void TKR_MyListe::FreeAllNodes()
{
    if (!m_erster) return;
    // Break the ring so that the walk ends at the last node.
    m_letzter->Nachher = nullptr;
    for (TKR_ListenKnoten* node = m_erster; node;) {
        TKR_ListenKnoten* next = node->Nachher;
        Dispose(node);
        delete node;
        node = next;
    }
    m_erster = m_letzter = m_aktuell = nullptr;
    m_anzahl = 0;
}

void TKR_MyListe::ResetToEmpty()
{
    DropIndex();
    TKR_ListenKnoten* keep = m_erster;
    // Everything but the first node goes; the first becomes the pre-allocated node.
    for (TKR_ListenKnoten* node = keep->Nachher; node != keep;) {
        TKR_ListenKnoten* next = node->Nachher;
        Dispose(node);
        delete node;
        node = next;
    }
    Dispose(keep);
    keep->Vorher = keep->Nachher = keep;
    keep->Position = 1;
    m_erster = m_letzter = m_aktuell = keep;
    m_anzahl = 0;
    m_eof = m_bof = false;
}

void TKR_MyListe::Renumber(TKR_ListenKnoten* from)
{
    int position = from == m_erster ? 1 : from->Vorher->Position + 1;
    TKR_ListenKnoten* node = from;
    do {
        node->Position = position++;
        node = node->Nachher;
    } while (node != m_erster);
}

void TKR_MyListe::Append()
{
    DropIndex();
    if (m_anzahl == 0) {
        Dispose(m_erster);
        m_erster->Position = 1;
    } else {
        auto* node = new TKR_ListenKnoten;
        node->Vorher = m_letzter;
        node->Nachher = m_erster;
        node->Position = m_letzter->Position + 1;
        m_letzter->Nachher = node;
        m_erster->Vorher = node;
        m_letzter = node;
    }
    ++m_anzahl;
    m_aktuell = m_letzter;
}

void TKR_MyListe::InsertAfter()
{
    if (m_anzahl == 0 || m_aktuell == m_letzter) {
        Append();
        return;
    }
    DropIndex();
    auto* node = new TKR_ListenKnoten;
    node->Vorher = m_aktuell;
    node->Nachher = m_aktuell->Nachher;
    m_aktuell->Nachher->Vorher = node;
    m_aktuell->Nachher = node;
    ++m_anzahl;
    Renumber(node);
    m_aktuell = node;
}

void TKR_MyListe::InsertBefore()
{
    DropIndex();
    if (m_anzahl == 0) {
        Dispose(m_erster);
        m_erster->Position = 1;
        m_anzahl = 1;
        m_aktuell = m_erster;
        m_bof = true;
        return;
    }
    auto* node = new TKR_ListenKnoten;
    node->Nachher = m_aktuell;
    node->Vorher = m_aktuell->Vorher;
    m_aktuell->Vorher->Nachher = node;
    m_aktuell->Vorher = node;
    if (m_aktuell == m_erster) m_erster = node;
    ++m_anzahl;
    Renumber(node);
    m_aktuell = node;
    if (node->Position == 1) m_bof = true;
}

void TKR_MyListe::Delete(int position)
{
    // Out-of-range positions used to fall back to the first element and delete it.
    if (position < 1 || position > m_anzahl) return;
    DropIndex();
    int p = CurrentPos();
    GoTo(position);
    if (m_anzahl < 2) {
        ResetToEmpty();
        return;
    }
    TKR_ListenKnoten* node = m_aktuell;
    node->Vorher->Nachher = node->Nachher;
    node->Nachher->Vorher = node->Vorher;
    if (node == m_letzter) m_letzter = node->Vorher;
    if (node == m_erster) {
        m_erster = node->Nachher;
        p = 1;
    } else {
        p = p - 1;
    }
    m_aktuell = m_erster;
    Dispose(node);
    delete node;
    --m_anzahl;
    Renumber(m_erster);
    GoTo(p);
}

void TKR_MyListe::Clear()
{
    ResetToEmpty();
}

void TKR_MyListe::DeleteRange(int from, int to)
{
    if (from < 1) from = 1;
    if (to > m_anzahl) to = m_anzahl;
    for (int n = to - from + 1; n > 0; --n)
        Delete(from);
}

bool TKR_MyListe::BuildIndex()
{
    DropIndex();
    if (m_anzahl == 0 || m_anzahl > MaxIndexCount) return false;
    m_index = NodesInOrder();
    m_indexGueltig = true;
    return true;
}

void TKR_MyListe::DropIndex()
{
    m_index.clear();
    m_index.shrink_to_fit();
    m_indexGueltig = false;
}

void TKR_MyListe::Last()
{
    if (m_anzahl > 0) GoTo(m_anzahl);
}

void TKR_MyListe::Next()
{
    m_bof = false;
    if (m_anzahl == 0 || m_aktuell == m_letzter) {
        m_eof = true;
        if (m_anzahl == 1) m_bof = true;
        return;
    }
    m_aktuell = m_aktuell->Nachher;
}

void TKR_MyListe::Prior()
{
    m_eof = false;
    if (m_anzahl == 0 || m_aktuell == m_erster) {
        m_bof = true;
        if (m_anzahl == 1) m_eof = true;
        return;
    }
    m_aktuell = m_aktuell->Vorher;
}

void TKR_MyListe::GoTo(int position)
{
    m_eof = m_bof = false;
    m_aktuell = NodeAt(position);
}

TKR_ListenKnoten* TKR_MyListe::NodeAt(int position)
{
    if (position < 2 || position > m_anzahl) return m_erster;
    if (m_indexGueltig) return m_index[position - 1];
    TKR_ListenKnoten* node = m_erster;
    for (int i = 1; i < position; ++i)
        node = node->Nachher;
    return node;
}

void* TKR_MyListe::DataAt(int position)
{
    if (m_indexGueltig && position >= 1 && position <= m_anzahl)
        return m_index[position - 1]->Daten;
    GoTo(position);
    return CurrentData();
}

void TKR_MyListe::SetCurrentData(void* data)
{
    if (m_anzahl == 0) {
        if (m_disposer && data) m_disposer(data);
        return;
    }
    if (m_aktuell->Daten == data) return;
    Dispose(m_aktuell);
    m_aktuell->Daten = data;
}

std::vector<TKR_ListenKnoten*> TKR_MyListe::NodesInOrder() const
{
    std::vector<TKR_ListenKnoten*> nodes;
    nodes.reserve(static_cast<std::size_t>(m_anzahl));
    TKR_ListenKnoten* node = m_erster;
    for (int i = 0; i < m_anzahl; ++i, node = node->Nachher)
        nodes.push_back(node);
    return nodes;
}

// ---------------------------------------------------------------------------------------------
// TKR_MyVListe

TKR_MyVListe::TKR_MyVListe() : TKR_MyListe(&DisposeRecord) {}

void TKR_MyVListe::DisposeRecord(void* data)
{
    std::default_delete<TKR_MyVListRecord>()(static_cast<TKR_MyVListRecord*>(data));
}

std::unique_ptr<TKR_MyVListRecord> TKR_MyVListe::NewRecord()
{
    return std::make_unique<TKR_MyVListRecord>();
}

bool TKR_MyVListe::InOrder(const TKR_MyVListRecord&, const TKR_MyVListRecord&) const
{
    return true;
}

TKR_MyVListRecord* TKR_MyVListe::PutNewRecord()
{
    std::unique_ptr<TKR_MyVListRecord> record = NewRecord();
    record->m_owner = this;
    TKR_MyVListRecord* raw = record.release();
    TKR_MyListe::SetCurrentData(raw);
    return raw;
}

TKR_MyVListRecord* TKR_MyVListe::AppendRecord()
{
    Append();
    return PutNewRecord();
}

TKR_MyVListRecord* TKR_MyVListe::InsertRecordAfter()
{
    InsertAfter();
    return PutNewRecord();
}

TKR_MyVListRecord* TKR_MyVListe::CurrentRecord() const
{
    return static_cast<TKR_MyVListRecord*>(CurrentData());
}

TKR_MyVListRecord* TKR_MyVListe::RecordAt(int position)
{
    GoTo(position);
    return TKR_MyVListe::CurrentRecord();
}

void TKR_MyVListe::Sort()
{
    if (Count() < 2) return;
    BuildIndex();
    // Direct access also for lists too long for the index.
    const std::vector<TKR_ListenKnoten*> nodes = NodesInOrder();
    const std::size_t n = nodes.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (std::size_t b = i; b < n; ++b) {
            const auto* left = static_cast<const TKR_MyVListRecord*>(nodes[i]->Daten);
            const auto* right = static_cast<const TKR_MyVListRecord*>(nodes[b]->Daten);
            if (left && right && !InOrder(*left, *right))
                std::swap(nodes[i]->Daten, nodes[b]->Daten);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// TKR_IntegerListe

int TKR_IntegerListe::CurrentWert() const
{
    const TKR_IntegerRecord* record = CurrentInteger();
    return record ? record->Wert : 0;
}

int TKR_IntegerListe::FindWert(int value)
{
    if (Count() == 0) return 0;
    First();
    do {
        const TKR_IntegerRecord* record = CurrentInteger();
        if (record && record->Wert == value) return value;
        Next();
    } while (!Eof());
    return 0;
}

TKR_IntegerRecord* TKR_IntegerListe::AddWert(int value)
{
    TKR_IntegerRecord* record = AppendRecord();
    record->Wert = value;
    return record;
}

void TKR_IntegerListe::AddWertEinmal(int value)
{
    if (FindWert(value) == 0) AddWert(value);
}

void TKR_IntegerListe::WriteTo(TKR_Textus& lines) const
{
    for (const TKR_IntegerRecord* record : *this)
        lines.AddLine(QString::number(record ? record->Wert : 0));
}
