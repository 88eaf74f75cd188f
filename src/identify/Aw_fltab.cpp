#include "identify/Aw_fltab.h"

#include "app/Kr_str.h"
#include "key/Aw_FlagOut.h"

#include <QStyle>
#include <QStyleOptionTab>
#include <QWheelEvent>
#include <algorithm>

TAW_FilterFlagTabSet::TAW_FilterFlagTabSet(QWidget* owner) : QTabBar(owner)
{
    // A tab shows a tree and runs the query again, so only a deliberate click may change it.
    setFocusPolicy(Qt::NoFocus);
    setDrawBase(false);
    setExpanding(false);
}

QString TAW_FilterFlagTabSet::TabText(const TAW_FlagOutStruktur& struktur)
{
    QString text = struktur.Titel;
    RemoveAll(QStringLiteral("Angaben zum"), text);
    RemoveAll(QStringLiteral("Angaben zur"), text);
    return text;
}

void TAW_FilterFlagTabSet::AddTab(TAW_FlagOutStruktur* struktur)
{
    if (!struktur || IndexOf(struktur) >= 0) return;
    m_strukturen.push_back(struktur);
    QTabBar::addTab(TabText(*struktur));
}

void TAW_FilterFlagTabSet::RemoveTab(TAW_FlagOutStruktur* struktur)
{
    for (int index = IndexOf(struktur); index >= 0; index = IndexOf(struktur)) {
        m_strukturen.erase(m_strukturen.begin() + index);
        QTabBar::removeTab(index);
    }
}

TAW_FlagOutStruktur* TAW_FilterFlagTabSet::TabStruktur(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_strukturen.size())) return nullptr;
    return m_strukturen[static_cast<std::size_t>(index)];
}

void TAW_FilterFlagTabSet::Leeren()
{
    while (!m_strukturen.empty()) {
        m_strukturen.pop_back();
        QTabBar::removeTab(count() - 1);
    }
}

bool TAW_FilterFlagTabSet::SelectTab(TAW_FlagOutStruktur* struktur)
{
    const int index = IndexOf(struktur);
    if (index < 0) return false;
    setCurrentIndex(index);
    return true;
}

int TAW_FilterFlagTabSet::IndexOf(const TAW_FlagOutStruktur* struktur) const
{
    const auto gefunden = std::find(m_strukturen.begin(), m_strukturen.end(), struktur);
    return gefunden == m_strukturen.end() ? -1 : static_cast<int>(gefunden - m_strukturen.begin());
}

QSize TAW_FilterFlagTabSet::sizeHint() const
{
    QSize hint = QTabBar::sizeHint();
    hint.setHeight(std::max(hint.height(), TabHoehe()));
    return hint;
}

QSize TAW_FilterFlagTabSet::minimumSizeHint() const
{
    QSize hint = QTabBar::minimumSizeHint();
    hint.setHeight(std::max(hint.height(), TabHoehe()));
    return hint;
}

int TAW_FilterFlagTabSet::TabHoehe() const
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = shape();
    const QSize text(fontMetrics().horizontalAdvance(u'X'),
                     fontMetrics().height() +
                         style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this));
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, text, this).height();
}

void TAW_FilterFlagTabSet::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}
