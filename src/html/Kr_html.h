#pragma once

#include "data/KR_TEXT.h"
#include "foundation/KR_Liste.h"

#include <QByteArray>
#include <QString>

// An element of an HTML document built in memory: lines written before its children
// (KopfZeilen), the children (its own list entries, each owning one child element, which
// may be empty), and lines written after them (FussZeilen).
class TKR_HtmlBasis : public TKR_OwnerListe<TKR_HtmlBasis>
{
public:
    TKR_HtmlBasis();
    ~TKR_HtmlBasis() override;
    TKR_HtmlBasis(TKR_HtmlBasis&&) = delete;
    TKR_HtmlBasis& operator=(TKR_HtmlBasis&&) = delete;

    // Frees all children and empties KopfZeilen and FussZeilen.
    void Clear() override;

    virtual TKR_HtmlBasis* CurrentChild() const { return CurrentData(); }
    virtual TKR_HtmlBasis* ChildAt(int position) { return DataAt(position); }
    // Empties lines and writes the element into them. Writing leaves the element unchanged.
    virtual void WriteHtml(TKR_Textus& lines) const;

    TKR_Textus& KopfZeilen() { return m_kopfZeilen; }
    const TKR_Textus& KopfZeilen() const { return m_kopfZeilen; }
    TKR_Textus& FussZeilen() { return m_fussZeilen; }
    const TKR_Textus& FussZeilen() const { return m_fussZeilen; }

protected:
    // The line list the add operations append to: KopfZeilen.
    TKR_Textus& Ziel() { return *m_ziel; }
    // Appends KopfZeilen, each child's lines and FussZeilen.
    void AppendContent(TKR_Textus& lines) const;

private:
    TKR_Textus m_kopfZeilen;
    TKR_Textus m_fussZeilen;
    TKR_Textus* m_ziel = &m_kopfZeilen;
};

// Adds the operations that append markup lines. Texts go out unchanged: nothing is escaped,
// and opening and closing tags are not checked against each other.
class TKR_HtmlEditor : public TKR_HtmlBasis
{
public:
    // A new element takes its font settings from parent.
    explicit TKR_HtmlEditor(TKR_HtmlEditor* parent = nullptr);

    // Longer texts than this get their "<br>" on a line of its own.
    static constexpr int MaxTextZeile = 250;

    void AddHtml(const QString& text);
    void AddText(const QString& text);
    void AddSpace();
    void StrongOn();
    void StrongOff();
    void EmOn();
    void EmOff();
    void SmallOn();
    void SmallOff();
    void UnderlineOn();
    void UnderlineOff();
    void BlockquoteOn();
    void BlockquoteOff();
    // 0 blue, 1 red, 2 black; any other code writes nothing.
    void FontColorOn(int code);
    // Written also when FontColorOn wrote nothing.
    void FontColorOff();
    // AddText for each line; nothing for nullptr.
    void AddTextus(const TKR_Textus* lines);
    // The memo's raw bytes split into lines as TKR_DBTextus reads them, then AddTextus.
    // A null QByteArray (a null memo) adds nothing.
    void AddMemo(const QByteArray& memo);

    TKR_HtmlEditor* Parent() const { return m_parent; }
    const QString& FontFace() const { return m_fontFace; }
    void SetFontFace(const QString& face) { m_fontFace = face; }
    int FontSize() const { return m_fontSize; }
    void SetFontSize(int size) { m_fontSize = size; }
    const QString& BackgroundColor() const { return m_backgroundColor; }
    void SetBackgroundColor(const QString& color) { m_backgroundColor = color; }
    bool WidthInPercent() const { return m_widthInPercent; }
    void SetWidthInPercent(bool inPercent) { m_widthInPercent = inPercent; }

private:
    TKR_HtmlEditor* m_parent = nullptr;
    QString m_fontFace;
    int m_fontSize = 0;
    QString m_backgroundColor;
    bool m_widthInPercent = false;
};

// A whole document: the content in the frame of html, head and body.
class TKR_HtmlDesigner : public TKR_HtmlEditor
{
public:
    explicit TKR_HtmlDesigner(TKR_HtmlEditor* parent = nullptr);

    void WriteHtml(TKR_Textus& lines) const override;

    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }
    // Lines written inside the head, after the title.
    TKR_Textus& HeadLines() { return m_headLines; }
    const QString& BodyAttributes() const { return m_bodyAttributes; }
    void SetBodyAttributes(const QString& attributes) { m_bodyAttributes = attributes; }
    // Compact: blanks of every line normalised, empty lines dropped.
    bool Compact() const { return m_compact; }
    void SetCompact(bool compact) { m_compact = compact; }
    // Fragment: only the content, without the frame.
    bool Fragment() const { return m_fragment; }
    void SetFragment(bool fragment) { m_fragment = fragment; }

protected:
    // Called after the head and before the body tag; writes nothing here.
    virtual void WriteAfterHead(TKR_Textus& lines) const;
    // Called after the body end tag; writes nothing here.
    virtual void WriteAfterBody(TKR_Textus& lines) const;

private:
    void WriteFrame(TKR_Textus& lines) const;
    void WriteHead(TKR_Textus& lines) const;
    QString BodyLine() const;
    QString FontLine() const;

    QString m_title;
    TKR_Textus m_headLines;
    QString m_bodyAttributes;
    bool m_compact = false;
    bool m_fragment = false;
};
