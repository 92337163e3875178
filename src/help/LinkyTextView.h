#pragma once

#include "help/AttributedStringGenerator.h"
#include "settings/Handler.h"

#include <QTextDocument>
#include <QUrl>
#include <QWidget>

// Styled text that only reads: no caret, no selection, no background, an arrow pointer. Links
// look like the text around them, underlined, and a press on one reports its URL.
class LinkyTextView : public QWidget {
    Q_OBJECT
public:
    explicit LinkyTextView(const AttributedStringGenerator &generator, QWidget *parent = nullptr);

    Handler<QUrl> linkHandler;

    // Replaces the whole text.
    void setText(const AttributedStringGenerator &generator);
    QString plainText() const { return m_document.toPlainText(); }
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // Laid out at `width`; the document is a cache of the layout, so this is const.
    void layOut(int width) const;

    mutable QTextDocument m_document;
};
