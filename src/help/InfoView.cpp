#include "help/InfoView.h"

#include "core/KeyMap.h"
#include "help/LinkyTextView.h"
#include "help/Text.h"
#include "help/TextComposition.h"
#include "platform/DiagnosticLog.h"
#include "platform/x11/KeyCodeTranslation.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kSpacing = 10;
constexpr int kGap = 30;

// Sizes in pixels, as a point is a logical pixel here.
QFont systemFont(int size, QFont::Weight weight) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(size);
    font.setWeight(weight);
    return font;
}

const QFont &titleFont() {
    static const QFont font = systemFont(28, QFont::Medium);
    return font;
}
const QFont &keyFont() {
    static const QFont font = systemFont(18, QFont::Light);
    return font;
}
const QFont &descriptionFont() {
    static const QFont font = systemFont(18, QFont::Normal);
    return font;
}
const QFont &footnoteFont() {
    static const QFont font = systemFont(14, QFont::Normal);
    return font;
}

Text description(const QString &text) {
    return Text(text, descriptionFont(), InfoView::lightText);
}

// The keys of a group of the key map, `perLine` a line.
QString keyLabels(KeyGroup group, int perLine) {
    QStringList keys;
    for (const KeyBinding &row : keyMap()) {
        if (row.group == group && !row.withCtrl)
            keys << KeyCodeTranslation::keyLabel(row.key);
    }
    QStringList lines;
    for (qsizetype i = 0; i < keys.size(); i += perLine)
        lines << keys.mid(i, perLine).join(u' ');
    return lines.join(u'\n');
}

// What the keys of a group do, each row's text once, in the map's order.
QString keyDescriptions(KeyGroup group) {
    QStringList texts;
    for (const KeyBinding &row : keyMap()) {
        if (row.group == group && row.helpId && !texts.contains(qtTrId(row.helpId)))
            texts << qtTrId(row.helpId);
    }
    //% ", "
    return texts.join(qtTrId("info.shortcut.separator"));
}

} // namespace

InfoView::InfoView(InfoViewSources sources, QWidget *parent)
    : QWidget(parent)
    , mainStack(new QVBoxLayout(this))
    , m_sources(std::move(sources)) {
    mainStack->setSpacing(kSpacing);
    mainStack->setContentsMargins(margin, margin, margin, margin);
    setCursor(Qt::ArrowCursor);

    // clang-format off
    //% "Draw with the mouse; this card steps aside while you draw. "
    const Text footnote(qtTrId("info.footnote.1"), footnoteFont(), lightText);
    //% "Drawing on the screen"
    addText(Text(qtTrId("info.title"), titleFont(), lightText), kGap);
    //% "1–9"
    addShortcut(qtTrId("info.shortcut.numbers"),
                //% "Pick a colour: red, yellow, green, blue, purple, brown, teal, grey, pink"
                description(qtTrId("info.shortcut.numbers.info")));
    // The tool keys and the slash as the keyboard in use labels them: the overlay reads key
    // positions, so on a French keyboard the arrow's key reads "Q".
    addShortcut(keyLabels(KeyGroup::tools, 3),
                //% "Pick a tool: pen, line, arrow, rectangle, ellipse. Hold Shift to straighten a pen or arrow stroke"
                description(qtTrId("info.shortcut.letters.info")));
    // Quillory's own keys: each row of the key map names what its key does.
    for (const KeyGroup group : {KeyGroup::markers, KeyGroup::modes, KeyGroup::width})
        addShortcut(keyLabels(group, group == KeyGroup::markers ? 4 : 3),
                    description(keyDescriptions(group)));
    //% "PgDn PgUp ← →"
    addShortcut(qtTrId("info.shortcut.slides"),
                //% "Next or previous slide in the program below, the drawings staying; on a board, its next or previous page"
                description(qtTrId("info.shortcut.slides.pages")));
    //% "Palette"
    addShortcut(qtTrId("info.shortcut.palette"),
                //% "Colours, tools, modes, undo: “Show Tools on Desktop” shows it, its handle moves it"
                description(qtTrId("info.shortcut.palette.info")));
    addShortcut(KeyCodeTranslation::keyLabel(Key::slash),
                //% "Show or hide this card"
                description(qtTrId("info.shortcut.slash.info")));
    //% "Esc Esc"
    addShortcut(qtTrId("info.shortcut.hide"),
                //% "Hide Quillory until a shortcut or the tray icon brings it back (Esc once on an empty screen)"
                description(qtTrId("info.shortcut.hide.info")));
    //% "Ctrl+C"
    addShortcut(qtTrId("info.shortcut.screenshot.clipboard"),
                //% "Copy the screen with its drawings to the clipboard"
                description(qtTrId("info.shortcut.screenshot.clipboard.info")));
    //% "Ctrl+E"
    addShortcut(qtTrId("info.shortcut.export"),
                //% "Export as PDF, SVG, PNG or .quillory"
                description(qtTrId("info.shortcut.export.info")));
    //% "Ctrl+S"
    m_screenshotDescription =
        addShortcut(qtTrId("info.shortcut.screenshot"), description(QString()));
    updateScreenshotDescription();
    //% "Esc"
    addShortcut(qtTrId("info.shortcut.esc"),
                //% "Clear the screen (Ctrl+Z brings the drawings back)"
                description(qtTrId("info.shortcut.esc.info")), kGap);
    if (m_sources.projectPage.isEmpty()) {
        Text alone = footnote;
        alone.string = alone.string.trimmed();
        addText(alone);
    } else {
        //% "Quillory on the web"
        addText(footnote + Text(qtTrId("info.footnote.2"), footnoteFont(), lightText,
                                rawValue(InfoLink::projectPage)));
    }
    // clang-format on

    if (m_sources.screenshotLocationChangedHandler)
        m_sources.screenshotLocationChangedHandler->watch(this, [this] {
            updateScreenshotDescription();
            fitSize();
        });
    fitSize();
}

void InfoView::fitRows(int width) {
    // The key column is wide enough for the longest key in any language ("Esc Esc", "Strg+C"),
    // with a gap before its description; the description keeps at least 240 of the row.
    int column = keyWidth;
    for (const auto &[label, description] : m_shortcutRows) {
        for (const QString &line : label->text().split(u'\n'))
            column = std::max(column, label->fontMetrics().horizontalAdvance(line) + keyGutter);
    }
    column = std::min(column, width - 240);
    for (const auto &[label, description] : m_shortcutRows) {
        label->parentWidget()->setFixedWidth(width);
        label->setFixedWidth(column);
        description->setFixedWidth(width - column);
    }
}

LinkyTextView *InfoView::addText(const AttributedStringGenerator &text, int gapAfter) {
    auto *view = new LinkyTextView(text, this);
    view->setAlignment(Qt::AlignHCenter);
    view->linkHandler.watch(this, [this](const QUrl &url) { linkClicked(url); });
    mainStack->addWidget(view);
    // The stack's own spacing follows the spacer too.
    if (gapAfter >= 0)
        mainStack->addSpacing(gapAfter - kSpacing);
    return view;
}

LinkyTextView *InfoView::addShortcut(const QString &key,
                                     const AttributedStringGenerator &description, int gapAfter) {
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *label = new QLabel(key, row);
    label->setTextFormat(Qt::PlainText);
    label->setFont(keyFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, lightText);
    label->setPalette(palette);
    auto *view = new LinkyTextView(description, row);
    m_shortcutRows.emplace_back(label, view);
    view->linkHandler.watch(this, [this](const QUrl &url) { linkClicked(url); });
    layout->addWidget(label, 0, Qt::AlignTop);
    layout->addWidget(view, 0, Qt::AlignTop);
    mainStack->addWidget(row, 0, Qt::AlignHCenter);
    if (gapAfter >= 0)
        mainStack->addSpacing(gapAfter - kSpacing);
    return view;
}

void InfoView::updateScreenshotDescription() {
    const QString folder =
        m_sources.screenshotLocation ? m_sources.screenshotLocation() : QString();
    //% "a folder of your choice"
    const QString select = qtTrId("info.shortcut.screenshot.info.select");
    const QString location =
        folder.isEmpty() || !m_sources.displayPath ? select : m_sources.displayPath(folder);
    //% "Save the screen with its drawings as a PNG file in "
    QString format = qtTrId("info.shortcut.screenshot.info");
    // A wording may name the place within the sentence; without a %1 arg() would complain.
    if (format.contains(QLatin1String("%1")))
        format = format.arg(location);
    Text link = description(location);
    link._link = rawValue(InfoLink::saveLocation);
    const TextComposition text = description(format) + link;
    m_screenshotDescription->setText(text);
    QLOG("Screenshot URL updated:", text.attributedString().toPlainText());
}

void InfoView::linkClicked(const QUrl &url) {
    const std::optional<InfoLink> link = infoLink(url);
    if (!link)
        return;
    switch (*link) {
    case InfoLink::saveLocation:
        // The picker is modal: it runs after the press that asked for it is done.
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT pickLocationRequested(); }, Qt::QueuedConnection);
        break;
    case InfoLink::projectPage:
        QDesktopServices::openUrl(m_sources.projectPage);
        break;
    }
}

void InfoView::fitSize() {
    // Where the overlay is too short for the card (a small screen, a wordy language), it grows
    // wider, its rows with it, until it fits or would be wider than the overlay.
    const QWidget *overlay = parentWidget();
    m_width = cardWidth;
    fitRows(rowWidth);
    while (overlay && heightForWidth(m_width) > overlay->height() &&
           m_width + widthStep <= overlay->width()) {
        m_width += widthStep;
        fitRows(rowWidth + m_width - cardWidth);
    }
    resize(sizeHint());
}

QSize InfoView::sizeHint() const {
    return {m_width, heightForWidth(m_width)};
}

bool InfoView::event(QEvent *event) {
    if (event->type() == QEvent::ParentChange) {
        if (parentWidget())
            parentWidget()->installEventFilter(this);
        fitSize();
    }
    return QWidget::event(event);
}

bool InfoView::eventFilter(QObject *watched, QEvent *event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        fitSize();
    return QWidget::eventFilter(watched, event);
}

void InfoView::setOpaque(bool opaque) {
    if (opaque == m_opaque)
        return;
    m_opaque = opaque;
    update();
}

void InfoView::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    // Dark, and nearly opaque: the card sits over slides full of text, which must not read
    // through it (there is no blur behind a window here).
    QColor background(30, 30, 30, 238);
    if (m_opaque) {
        background.setAlpha(255);
        painter.fillRect(rect(), background);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(rect(), cornerRadius, cornerRadius);
}
