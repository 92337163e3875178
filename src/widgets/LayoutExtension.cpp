#include "widgets/LayoutExtension.h"

#include "platform/FatalError.h"

#include <QVBoxLayout>

FillConstraints constraintsFillingSuperview(QWidget *view, EdgeInsets insets) {
    if (!view || !view->parentWidget())
        QUILLORY_FATAL(QStringLiteral("constraintsFillingSuperview(insets:)"));
    return FillConstraints(view, insets);
}

QLayout *FillConstraints::activate() const {
    QWidget *parent = m_view ? m_view->parentWidget() : nullptr;
    if (!parent)
        QUILLORY_FATAL(QStringLiteral("constraintsFillingSuperview(insets:)"));
    // One filling view per parent: the parent's layout is that view's.
    if (parent->layout())
        QUILLORY_FATAL(QStringLiteral("the superview is laid out already"));
    auto *layout = new QVBoxLayout(parent);
    layout->setContentsMargins(m_insets.toMargins());
    layout->setSpacing(0);
    layout->addWidget(m_view);
    return layout;
}
