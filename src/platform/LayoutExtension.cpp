#include "platform/LayoutExtension.h"

#include "platform/FatalError.h"
#include "platform/FillLayout.h"

FillConstraints constraintsFillingSuperview(QWidget *view, EdgeInsets insets) {
    if (!view || !view->parentWidget())
        QUILLORY_FATAL(QStringLiteral("constraintsFillingSuperview(insets:)"));
    return FillConstraints(view, insets);
}

FillLayout *FillConstraints::activate() const {
    QWidget *parent = m_view ? m_view->parentWidget() : nullptr;
    if (!parent)
        QUILLORY_FATAL(QStringLiteral("constraintsFillingSuperview(insets:)"));
    // A parent arranged by a box or grid layout cannot also have a child that fills it.
    auto *layout = qobject_cast<FillLayout *>(parent->layout());
    if (!layout && parent->layout())
        QUILLORY_FATAL(QStringLiteral("the superview is arranged by another layout"));
    if (!layout)
        layout = new FillLayout(parent);
    layout->fill(m_view, m_insets.toMargins());
    return layout;
}
