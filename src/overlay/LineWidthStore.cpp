#include "overlay/LineWidthStore.h"

#include "drawing/DrawingViewModel.h"
#include "platform/DiagnosticLog.h"
#include "settings/Preferences.h"

LineWidthStore::LineWidthStore(PreferenceStore &preferences, DrawingViewModel &model)
    : m_preferences(preferences)
    , m_model(model) {}

void LineWidthStore::load() {
    const auto stored = m_preferences.integerEntries(Preferences::lineWidths.key())
                            .value_or(QList<std::optional<qint64>>{});
    for (qsizetype i = 0; i < stored.size() && i < qsizetype(tools().size()); ++i) {
        const std::optional<qint64> width = stored[i];
        if (width && *width >= minLineWidth && *width <= maxLineWidth)
            m_model.setLineWidth(tools()[std::size_t(i)].shape, double(*width));
        else
            QLOG_ERROR("pz.lineWidths: entry", i + 1, "is not a width from", minLineWidth, "to",
                       maxLineWidth, "- the tool's own is used");
    }
    m_stored = widths();
}

void LineWidthStore::save() {
    const QList<qint64> now = widths();
    if (now == m_stored)
        return;
    Preferences::lineWidths.set(m_preferences, now);
    m_stored = now;
}

QList<qint64> LineWidthStore::widths() const {
    QList<qint64> widths;
    for (const Tool &row : tools())
        widths << qRound64(m_model.lineWidth(row.shape));
    return widths;
}
