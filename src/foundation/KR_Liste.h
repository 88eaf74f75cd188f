#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <type_traits>
#include <vector>

class TKR_Textus;

// One element of the chain. The chain is circular: the first node's Vorher is the last node.
struct TKR_ListenKnoten
{
    TKR_ListenKnoten* Vorher = nullptr;
    TKR_ListenKnoten* Nachher = nullptr;
    int Position = 1;
    void* Daten = nullptr;
};

// Forward walk over the data of a list that leaves the list's cursor alone.
// T* is what a typed list stores; an element without data yields nullptr.
template <class T> class TKR_ListenIterator
{
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T*;
    using difference_type = std::ptrdiff_t;
    using pointer = T**;
    using reference = T*;

    TKR_ListenIterator() = default;
    TKR_ListenIterator(const TKR_ListenKnoten* knoten, int rest) : m_knoten(knoten), m_rest(rest) {}

    T* operator*() const { return static_cast<T*>(m_knoten->Daten); }
    TKR_ListenIterator& operator++()
    {
        m_knoten = m_knoten->Nachher;
        --m_rest;
        return *this;
    }
    TKR_ListenIterator operator++(int)
    {
        auto before = *this;
        ++*this;
        return before;
    }
    // The chain has no end node; the number of elements still ahead tells the end.
    bool operator==(const TKR_ListenIterator& other) const { return m_rest == other.m_rest; }

private:
    const TKR_ListenKnoten* m_knoten = nullptr;
    int m_rest = 0;
};

// A doubly linked chain with a cursor. Positions count from 1; most operations act at the
// cursor. An empty list still holds one node, which the first Append takes over.
//
// Each element holds one untyped data reference. The plain list does not own it; lists that
// own their data (records, text lines, child elements) pass a disposer to the constructor,
// and every element removed, cleared or destroyed then frees its data through it.
//
// The usual walk, guarded by the count because an empty list still has its one node:
//     if (list.Count() > 0) {
//         list.First();
//         do { ...; list.Next(); } while (!list.Eof());
//     }
// Range-for over a typed list walks without touching the cursor.
class TKR_MyListe
{
public:
    // The position index once had to fit its size (4 bytes per element) into 16 bits.
    static constexpr int MaxIndexCount = 0x3FFF;

    TKR_MyListe();
    virtual ~TKR_MyListe();
    TKR_MyListe(const TKR_MyListe&) = delete;
    TKR_MyListe& operator=(const TKR_MyListe&) = delete;

    // Adds an element without data behind the last one; the cursor goes to it.
    virtual void Append();
    // Adds an element behind the cursor's; the cursor goes to it.
    virtual void InsertAfter();
    // Adds an element before the cursor's; the cursor goes to it. Sets Bof at position 1.
    virtual void InsertBefore();
    // Removes the element at position; the cursor ends on the element before the one it was
    // on (or the first). A position outside 1..Count removes nothing.
    virtual void Delete(int position);
    virtual void Clear();
    // Removes the positions from..to; to is cut to Count.
    virtual void DeleteRange(int from, int to);
    // Builds the position index for direct access; false for an empty list and for lists
    // longer than MaxIndexCount, which are walked instead.
    virtual bool BuildIndex();
    virtual void DropIndex();

    void First() { GoTo(1); }
    void Last();
    void Next();
    void Prior();
    // Positions below 1 count as 1; a position beyond Count leaves the cursor on the first.
    void GoTo(int position);

    int CurrentPos() const { return m_anzahl == 0 ? 0 : m_aktuell->Position; }
    int Count() const { return m_anzahl; }
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    bool IndexIsValid() const { return m_indexGueltig; }

    void* CurrentData() const { return m_anzahl == 0 ? nullptr : m_aktuell->Daten; }
    // Through the index without moving the cursor when it is valid, otherwise after GoTo.
    void* DataAt(int position);
    // Puts data into the cursor's element. A list that owns its data frees the old data
    // and takes ownership of the new; on an empty list the data is not kept.
    void SetCurrentData(void* data);

protected:
    using Disposer = void (*)(void*);
    explicit TKR_MyListe(Disposer disposer);
    // Moving hands the whole chain over; the source is left empty.
    TKR_MyListe(TKR_MyListe&& other) noexcept;
    TKR_MyListe& operator=(TKR_MyListe&& other) noexcept;

    // The nodes in chain order, for algorithms that need direct access to every element.
    std::vector<TKR_ListenKnoten*> NodesInOrder() const;

    template <class T> TKR_ListenIterator<T> BeginAs() const { return {m_erster, m_anzahl}; }
    template <class T> TKR_ListenIterator<T> EndAs() const { return {nullptr, 0}; }

private:
    TKR_ListenKnoten* NodeAt(int position);
    void Renumber(TKR_ListenKnoten* from);
    void Dispose(TKR_ListenKnoten* node);
    void FreeAllNodes();
    void ResetToEmpty();
    void TakeOver(TKR_MyListe& other) noexcept;

    TKR_ListenKnoten* m_aktuell = nullptr;
    TKR_ListenKnoten* m_erster = nullptr;
    TKR_ListenKnoten* m_letzter = nullptr;
    int m_anzahl = 0;
    std::vector<TKR_ListenKnoten*> m_index;
    bool m_indexGueltig = false;
    bool m_eof = false;
    bool m_bof = false;
    Disposer m_disposer = nullptr;
};

// A list of references to objects that live elsewhere.
template <class T> class TKR_PointerListe : public TKR_MyListe
{
public:
    TKR_PointerListe() = default;
    TKR_PointerListe(TKR_PointerListe&&) noexcept = default;
    TKR_PointerListe& operator=(TKR_PointerListe&&) noexcept = default;

    void AppendData(T* data)
    {
        Append();
        TKR_MyListe::SetCurrentData(data);
    }
    void InsertDataAfter(T* data)
    {
        InsertAfter();
        TKR_MyListe::SetCurrentData(data);
    }
    void InsertDataBefore(T* data)
    {
        InsertBefore();
        TKR_MyListe::SetCurrentData(data);
    }
    T* CurrentData() const { return static_cast<T*>(TKR_MyListe::CurrentData()); }
    T* DataAt(int position) { return static_cast<T*>(TKR_MyListe::DataAt(position)); }
    void SetCurrentData(T* data) { TKR_MyListe::SetCurrentData(data); }

    TKR_ListenIterator<T> begin() const { return BeginAs<T>(); }
    TKR_ListenIterator<T> end() const { return EndAs<T>(); }
};

// A list whose elements each own one object; removing an element frees its object.
template <class T> class TKR_OwnerListe : public TKR_MyListe
{
public:
    TKR_OwnerListe() : TKR_MyListe(&DisposeData) {}
    TKR_OwnerListe(TKR_OwnerListe&&) noexcept = default;
    TKR_OwnerListe& operator=(TKR_OwnerListe&&) noexcept = default;

    // Each takes an object of T or of a subclass and returns it typed as given; the object
    // stays owned by the list.
    template <class U> U* AppendData(std::unique_ptr<U> data)
    {
        Append();
        return Adopt(std::move(data));
    }
    template <class U> U* InsertDataAfter(std::unique_ptr<U> data)
    {
        InsertAfter();
        return Adopt(std::move(data));
    }
    template <class U> U* InsertDataBefore(std::unique_ptr<U> data)
    {
        InsertBefore();
        return Adopt(std::move(data));
    }
    // Frees the cursor's object and puts data in its place.
    template <class U> U* ReplaceCurrentData(std::unique_ptr<U> data)
    {
        return Adopt(std::move(data));
    }

    T* CurrentData() const { return static_cast<T*>(TKR_MyListe::CurrentData()); }
    T* DataAt(int position) { return static_cast<T*>(TKR_MyListe::DataAt(position)); }

    TKR_ListenIterator<T> begin() const { return BeginAs<T>(); }
    TKR_ListenIterator<T> end() const { return EndAs<T>(); }

private:
    // Raw adoption would bypass the type; objects come in as unique_ptr only.
    using TKR_MyListe::SetCurrentData;

    template <class U> U* Adopt(std::unique_ptr<U> data)
    {
        static_assert(std::is_base_of_v<T, U>, "the list holds objects of T");
        if (Count() == 0) return nullptr;
        U* raw = data.release();
        TKR_MyListe::SetCurrentData(static_cast<T*>(raw));
        return raw;
    }
    static void DisposeData(void* data) { std::default_delete<T>()(static_cast<T*>(data)); }
};

class TKR_MyVListe;

// A record owned by a TKR_MyVListe; subclasses add the fields.
class TKR_MyVListRecord
{
public:
    TKR_MyVListRecord() = default;
    virtual ~TKR_MyVListRecord() = default;
    TKR_MyVListRecord(const TKR_MyVListRecord&) = delete;
    TKR_MyVListRecord& operator=(const TKR_MyVListRecord&) = delete;

    TKR_MyVListe* Owner() const { return m_owner; }

private:
    friend class TKR_MyVListe;
    TKR_MyVListe* m_owner = nullptr;
};

// A list that owns one record per element, made by the factory NewRecord.
// Records know their list, so the list cannot be moved.
class TKR_MyVListe : public TKR_MyListe
{
public:
    TKR_MyVListe();
    TKR_MyVListe(TKR_MyVListe&&) = delete;
    TKR_MyVListe& operator=(TKR_MyVListe&&) = delete;

    // Creates the record of this list's record class.
    virtual std::unique_ptr<TKR_MyVListRecord> NewRecord();
    // The comparison of Sort: true when a may stand before b.
    virtual bool InOrder(const TKR_MyVListRecord& a, const TKR_MyVListRecord& b) const;
    virtual TKR_MyVListRecord* AppendRecord();
    virtual TKR_MyVListRecord* InsertRecordAfter();
    // The record at the cursor; nullptr for an empty list.
    virtual TKR_MyVListRecord* CurrentRecord() const;
    // GoTo(position), then CurrentRecord.
    virtual TKR_MyVListRecord* RecordAt(int position);
    // Exchange sort by InOrder: quadratic and not stable. Builds the index.
    virtual void Sort();

private:
    // Records come from NewRecord only.
    using TKR_MyListe::SetCurrentData;

    TKR_MyVListRecord* PutNewRecord();
    static void DisposeRecord(void* data);
};

// The typed face of TKR_MyVListe: NewRecord makes a Record, and every record comes back as
// Record*. Subclasses that sort override InOrder(const Record&, const Record&).
template <class Record> class TKR_TypedVListe : public TKR_MyVListe
{
public:
    std::unique_ptr<TKR_MyVListRecord> NewRecord() override { return std::make_unique<Record>(); }

    Record* AppendRecord() override { return Typed(TKR_MyVListe::AppendRecord()); }
    Record* InsertRecordAfter() override { return Typed(TKR_MyVListe::InsertRecordAfter()); }
    Record* CurrentRecord() const override { return Typed(TKR_MyVListe::CurrentRecord()); }
    Record* RecordAt(int position) override { return Typed(TKR_MyVListe::RecordAt(position)); }

    bool InOrder(const TKR_MyVListRecord& a, const TKR_MyVListRecord& b) const final
    {
        return InOrder(static_cast<const Record&>(a), static_cast<const Record&>(b));
    }
    virtual bool InOrder(const Record&, const Record&) const { return true; }

    TKR_ListenIterator<Record> begin() const { return BeginAs<Record>(); }
    TKR_ListenIterator<Record> end() const { return EndAs<Record>(); }

private:
    static Record* Typed(TKR_MyVListRecord* record) { return static_cast<Record*>(record); }
};

class TKR_IntegerRecord : public TKR_MyVListRecord
{
public:
    int Wert = 0;
};

class TKR_IntegerListe : public TKR_TypedVListe<TKR_IntegerRecord>
{
public:
    TKR_IntegerRecord* CurrentInteger() const { return CurrentRecord(); }
    // The cursor's value, 0 for an empty list.
    int CurrentWert() const;
    // Puts the cursor on the first record holding value and returns value; 0 when none.
    // Callers use positive values only.
    int FindWert(int value);
    TKR_IntegerRecord* AddWert(int value);
    // AddWert unless the value is already in the list.
    void AddWertEinmal(int value);
    // Appends each value in decimal as one line.
    void WriteTo(TKR_Textus& lines) const;
};
