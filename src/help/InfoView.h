#pragma once

#include "help/InfoLink.h"
#include "settings/Handler.h"

#include <QColor>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class AttributedStringGenerator;
class LinkyTextView;
class QLabel;
class QVBoxLayout;

// What the help card shows and does besides its fixed texts.
struct InfoViewSources {
    // The screenshot folder's path; empty when there is none or it cannot be resolved.
    std::function<QString()> screenshotLocation;
    // The short form of a path ("~/Shots").
    std::function<QString(const QString &)> displayPath;
    Handler<Nothing> *screenshotLocationChangedHandler = nullptr;
    // Empty: the footer shows no link.
    QUrl projectPage;
};

// The help card on the overlay: the overlay's keys, where screenshots go (a link that picks
// the folder) and a link to the project page. It sizes itself; the overlay places it.
class InfoView : public QWidget {
    Q_OBJECT
public:
    explicit InfoView(InfoViewSources sources, QWidget *parent = nullptr);

    static inline const QColor lightText{255, 255, 255, 230};
    // Its width where the overlay is tall enough for it, and the steps it grows by where not.
    static constexpr int cardWidth = 500;
    static constexpr int widthStep = 50;
    static constexpr int margin = 20;
    // A row (wider with the card): the key column, at least keyWidth and as wide as its longest
    // key needs, and the description beside it.
    static constexpr int rowWidth = 390;
    static constexpr int keyWidth = 70;
    static constexpr int keyGutter = 12;
    static constexpr int cornerRadius = 20;

    QVBoxLayout *mainStack;

    LinkyTextView *screenshotDescription() const { return m_screenshotDescription; }

    // Where no compositor runs translucency shows junk: the card is then painted opaque, and
    // square, as the window's shape cuts the whole rectangle.
    void setOpaque(bool opaque);

    QSize sizeHint() const override;

Q_SIGNALS:
    // The folder link was clicked, after the click is done: the folder picker is to run (a
    // pick fires screenshotLocationChangedHandler).
    void pickLocationRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LinkyTextView *addText(const AttributedStringGenerator &text, int gapAfter = -1);
    LinkyTextView *addShortcut(const QString &key, const AttributedStringGenerator &description,
                               int gapAfter = -1);
    void updateScreenshotDescription();
    void linkClicked(const QUrl &url);
    void fitRows(int width);
    void fitSize();

    InfoViewSources m_sources;
    std::vector<std::pair<QLabel *, LinkyTextView *>> m_shortcutRows;
    LinkyTextView *m_screenshotDescription = nullptr;
    bool m_opaque = false;
    int m_width = cardWidth;
};
