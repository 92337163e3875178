#pragma once

#include <QLayout>
#include <QList>
#include <QMargins>

// A layout whose every item fills the whole parent, each minus its own insets: the Qt form of
// "pin all four edges to the superview". Items may overlap; the parent's size limits follow
// from the items' limits plus their insets.
class FillLayout : public QLayout {
    Q_OBJECT
public:
    explicit FillLayout(QWidget *parent);
    ~FillLayout() override;

    // Filling again with the same widget only changes its insets.
    void fill(QWidget *widget, const QMargins &insets);
    QMargins insetsOf(const QWidget *widget) const;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    QSize maximumSize() const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect &rect) override;

private:
    struct Entry {
        QLayoutItem *item;
        QMargins insets;
    };
    QList<Entry> m_entries;
};
