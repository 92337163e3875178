#include "help/LinkyTextView.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>

#include <cmath>

LinkyTextView::LinkyTextView(const AttributedStringGenerator &generator, QWidget *parent)
    : QWidget(parent) {
    m_document.setDocumentMargin(0);
    m_document.setUndoRedoEnabled(false);
    setCursor(Qt::ArrowCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setText(generator);
}

void LinkyTextView::setText(const AttributedStringGenerator &generator) {
    m_document.clear();
    QTextCursor cursor(&m_document);
    cursor.insertFragment(generator.attributedString());
    // Links keep the generator's style and gain an underline.
    QTextCharFormat link = generator.attributes();
    link.setFontUnderline(true);
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isAnchor())
                continue;
            QTextCharFormat format = link;
            format.setAnchor(true);
            format.setAnchorHref(fragment.charFormat().anchorHref());
            QTextCursor run(&m_document);
            run.setPosition(fragment.position());
            run.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            run.mergeCharFormat(format);
        }
    }
    setAccessibleName(m_document.toPlainText());
    updateGeometry();
    update();
}

void LinkyTextView::setAlignment(Qt::Alignment alignment) {
    QTextOption option = m_document.defaultTextOption();
    option.setAlignment(alignment);
    m_document.setDefaultTextOption(option);
    update();
}

void LinkyTextView::layOut(int width) const {
    if (m_document.textWidth() != width)
        m_document.setTextWidth(width);
}

QSize LinkyTextView::sizeHint() const {
    const int width = int(std::ceil(m_document.idealWidth()));
    return {width, heightForWidth(width)};
}

int LinkyTextView::heightForWidth(int width) const {
    layOut(width);
    return int(std::ceil(m_document.size().height()));
}

void LinkyTextView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    layOut(width());
}

void LinkyTextView::paintEvent(QPaintEvent *event) {
    layOut(width());
    QPainter painter(this);
    m_document.drawContents(&painter, event->rect());
}

// A press is never passed on: under the card lies the overlay, which would start drawing.
void LinkyTextView::mousePressEvent(QMouseEvent *event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    layOut(width());
    const QString href = m_document.documentLayout()->anchorAt(event->position());
    if (!href.isEmpty())
        linkHandler.notify(QUrl(href));
}

// The second press of a double click is no second click on the link.
void LinkyTextView::mouseDoubleClickEvent(QMouseEvent *event) {
    event->accept();
}
