#include "platform/FillLayout.h"

#include <QWidget>

#include <algorithm>

namespace {
QSize grown(QSize size, const QMargins &insets) {
    return size + QSize(insets.left() + insets.right(), insets.top() + insets.bottom());
}
} // namespace

FillLayout::FillLayout(QWidget *parent)
    : QLayout(parent) {
    // Only the insets given per item count, never the style's default layout margins.
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

FillLayout::~FillLayout() {
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FillLayout::fill(QWidget *widget, const QMargins &insets) {
    for (Entry &entry : m_entries) {
        if (entry.item->widget() == widget) {
            entry.insets = insets;
            invalidate();
            return;
        }
    }
    addChildWidget(widget);
    m_entries.append(Entry{new QWidgetItem(widget), insets});
    invalidate();
}

QMargins FillLayout::insetsOf(const QWidget *widget) const {
    for (const Entry &entry : m_entries) {
        if (entry.item->widget() == widget)
            return entry.insets;
    }
    return {};
}

void FillLayout::addItem(QLayoutItem *item) {
    m_entries.append(Entry{item, {}});
    invalidate();
}

int FillLayout::count() const {
    return int(m_entries.size());
}

QLayoutItem *FillLayout::itemAt(int index) const {
    return index >= 0 && index < m_entries.size() ? m_entries[index].item : nullptr;
}

QLayoutItem *FillLayout::takeAt(int index) {
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    QLayoutItem *item = m_entries.takeAt(index).item;
    invalidate();
    return item;
}

QSize FillLayout::sizeHint() const {
    QSize size(0, 0);
    for (const Entry &entry : m_entries) {
        if (!entry.item->isEmpty())
            size = size.expandedTo(grown(entry.item->sizeHint(), entry.insets));
    }
    return grown(size, contentsMargins());
}

QSize FillLayout::minimumSize() const {
    QSize size(0, 0);
    for (const Entry &entry : m_entries) {
        if (!entry.item->isEmpty())
            size = size.expandedTo(grown(entry.item->minimumSize(), entry.insets));
    }
    return grown(size, contentsMargins());
}

QSize FillLayout::maximumSize() const {
    QSize size(QLAYOUTSIZE_MAX, QLAYOUTSIZE_MAX);
    for (const Entry &entry : m_entries) {
        if (!entry.item->isEmpty())
            size = size.boundedTo(grown(entry.item->maximumSize(), entry.insets));
    }
    return grown(size, contentsMargins()).boundedTo(QSize(QLAYOUTSIZE_MAX, QLAYOUTSIZE_MAX));
}

Qt::Orientations FillLayout::expandingDirections() const {
    Qt::Orientations directions;
    for (const Entry &entry : m_entries)
        directions |= entry.item->expandingDirections();
    return directions;
}

void FillLayout::setGeometry(const QRect &rect) {
    QLayout::setGeometry(rect);
    const QRect area = rect.marginsRemoved(contentsMargins());
    for (const Entry &entry : m_entries)
        entry.item->setGeometry(area.marginsRemoved(entry.insets));
}
