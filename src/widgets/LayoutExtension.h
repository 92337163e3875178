#pragma once

#include <QMargins>
#include <QPointer>
#include <QWidget>

class QLayout;

// Edge insets in the order top, left, bottom, right, as the design states them (QMargins
// orders them left, top, right, bottom).
struct EdgeInsets {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    QMargins toMargins() const { return QMargins(left, top, right, bottom); }
};

// The four edge constraints that pin a view inside its parent, not yet in force.
class FillConstraints {
public:
    FillConstraints(QWidget *view, EdgeInsets insets)
        : m_view(view)
        , m_insets(insets) {}

    QWidget *view() const { return m_view; }
    EdgeInsets insets() const { return m_insets; }

    // Puts the view into a layout of its parent whose margins are the insets, so the view
    // fills the parent minus them and the parent's size follows the view's limits. Returns
    // that layout.
    QLayout *activate() const;

private:
    QPointer<QWidget> m_view;
    EdgeInsets m_insets;
};

// top = parent top + top, left = parent left + left, right = parent right - right,
// bottom = parent bottom - bottom. A view without a parent has nothing to fill: that is a
// programming error and stops the process.
[[nodiscard]] FillConstraints constraintsFillingSuperview(QWidget *view, EdgeInsets insets = {});
