#include "drawing/DrawingFile.h"

#include "drawing/tools/RenderableText.h"
#include "drawing/tools/ToolFactory.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>

bool BoardPages::isEmpty() const {
    return std::all_of(pages.begin(), pages.end(),
                       [](const Drawings &page) { return page.empty(); });
}

int DrawingDocument::shapeCount() const {
    std::size_t count = 0;
    for (const ScreenDrawings &screen : screens) {
        count += screen.shapes.size();
        for (const BoardPages *board : {&screen.whiteboard, &screen.blackboard}) {
            for (const Drawings &page : board->pages)
                count += page.size();
        }
    }
    return int(count);
}

namespace DrawingFile {

namespace {
const QString formatName = QStringLiteral("quillory-drawing");

double rounded(double value, double steps) {
    return std::round(value * steps) / steps;
}

QJsonArray pointJson(const QPointF &point) {
    return {rounded(point.x(), 100), rounded(point.y(), 100)};
}

QString colorName(const QColor &color) {
    return color.name(QColor::HexArgb);
}

std::optional<QColor> colorFrom(const QJsonValue &value) {
    const QColor color = QColor::fromString(value.toString());
    return value.isString() && color.isValid() ? std::optional(color) : std::nullopt;
}

std::optional<Shape> toolNamed(const QString &name) {
    for (const Tool &row : tools()) {
        if (name == QLatin1String(row.actionName) && row.undoName)
            return row.shape;
    }
    return std::nullopt;
}

QString damaged(const QString &where) {
    //% "the file is damaged: %1"
    return qtTrId("file.error.damaged").arg(where);
}

QJsonObject boardJson(const BoardPages &board, const ListEncoder &encode) {
    QJsonArray pages;
    for (const Drawings &page : board.pages)
        pages.append(QJsonObject{{QStringLiteral("shapes"), encode(page)}});
    return {{QStringLiteral("page"), board.page + 1}, {QStringLiteral("pages"), pages}};
}

// Reads a list of shapes into `shapes`; false with `error` set at the first that is not one.
bool readShapes(const QJsonValue &value, const QString &where, Drawings &shapes, QString *error) {
    std::optional<Drawings> read = shapesFromJson(value, where, error);
    if (read)
        shapes = std::move(*read);
    return bool(read);
}

bool readBoard(const QJsonValue &value, const QString &where, BoardPages &board, QString *error) {
    if (value.isUndefined())
        return true;
    const QJsonArray pages = value.toObject().value(QStringLiteral("pages")).toArray();
    for (qsizetype i = 0; i < pages.size(); ++i) {
        Drawings page;
        if (!readShapes(pages.at(i).toObject().value(QStringLiteral("shapes")),
                        QStringLiteral("%1 page %2").arg(where).arg(i + 1), page, error))
            return false;
        board.pages.push_back(std::move(page));
    }
    const int page = value.toObject().value(QStringLiteral("page")).toInt(1) - 1;
    board.page = std::clamp(page, 0, std::max(0, int(board.pages.size()) - 1));
    return true;
}
} // namespace

QJsonArray shapesJson(const Drawings &shapes) {
    QJsonArray array;
    for (const std::shared_ptr<Renderable> &shape : shapes)
        array.append(shapeJson(*shape));
    return array;
}

std::optional<Drawings> shapesFromJson(const QJsonValue &value, const QString &where,
                                       QString *error) {
    if (!value.isArray() && !value.isUndefined()) {
        *error = damaged(where);
        return std::nullopt;
    }
    const QJsonArray array = value.toArray();
    Drawings shapes;
    for (qsizetype i = 0; i < array.size(); ++i) {
        QString why;
        std::shared_ptr<Renderable> shape = shapeFromJson(array.at(i).toObject(), &why);
        if (!shape) {
            *error = damaged(QStringLiteral("%1, shape %2: %3").arg(where).arg(i + 1).arg(why));
            return std::nullopt;
        }
        shapes.push_back(std::move(shape));
    }
    return shapes;
}

QJsonObject shapeJson(const Renderable &shape) {
    QJsonObject json{{QStringLiteral("tool"), QLatin1String(tool(shape.kind()).actionName)},
                     {QStringLiteral("width"), rounded(shape.lineWidth, 100)}};
    if (shape.strokeColor)
        json.insert(QStringLiteral("color"), colorName(*shape.strokeColor));
    if (shape.fillColor)
        json.insert(QStringLiteral("fill"), colorName(*shape.fillColor));
    QJsonArray points;
    for (const QPointF &point : shape.drawnPoints())
        points.append(pointJson(point));
    json.insert(QStringLiteral("points"), points);
    if (const std::vector<double> pressures = shape.pressures(); !pressures.empty()) {
        QJsonArray array;
        for (const double pressure : pressures)
            array.append(rounded(pressure, 1000));
        json.insert(QStringLiteral("pressure"), array);
    }
    if (shape.isModified)
        json.insert(QStringLiteral("straight"), true);
    if (const auto *text = dynamic_cast<const RenderableText *>(&shape))
        json.insert(QStringLiteral("text"), text->text());
    return json;
}

std::shared_ptr<Renderable> shapeFromJson(const QJsonObject &json, QString *error) {
    const auto fail = [error](const QString &why) {
        *error = why;
        return nullptr;
    };
    const QString toolName = json.value(QStringLiteral("tool")).toString();
    const std::optional<Shape> kind = toolNamed(toolName);
    if (!kind)
        return fail(QStringLiteral("unknown tool \"%1\"").arg(toolName));
    const double width = json.value(QStringLiteral("width")).toDouble(-1);
    if (!(width >= minLineWidth && width <= maxLineWidth))
        return fail(QStringLiteral("width out of range"));
    const std::optional<QColor> stroke = colorFrom(json.value(QStringLiteral("color")));
    const QJsonValue fillValue = json.value(QStringLiteral("fill"));
    const std::optional<QColor> fill = colorFrom(fillValue);
    if (!stroke || (!fillValue.isUndefined() && !fill))
        return fail(QStringLiteral("bad colour"));
    const QJsonArray points = json.value(QStringLiteral("points")).toArray();
    const QJsonArray pressures = json.value(QStringLiteral("pressure")).toArray();
    const bool typed = *kind == Shape::text;
    if (points.isEmpty() || (typed && points.size() != 1) ||
        (!pressures.isEmpty() && pressures.size() != points.size()))
        return fail(QStringLiteral("bad points"));
    std::vector<QPointF> at;
    at.reserve(std::size_t(points.size()));
    for (const QJsonValue &value : points) {
        const QJsonArray pair = value.toArray();
        if (pair.size() != 2 || !pair.at(0).isDouble() || !pair.at(1).isDouble())
            return fail(QStringLiteral("bad point"));
        const double x = pair.at(0).toDouble(), y = pair.at(1).toDouble();
        // Far beyond any screen: a point there is no drawing's.
        if (std::abs(x) > 1e6 || std::abs(y) > 1e6)
            return fail(QStringLiteral("point out of range"));
        at.emplace_back(x, y);
    }
    std::shared_ptr<Renderable> shape = makeShape(*kind, at.front(), *stroke, width);
    shape->strokeColor = stroke;
    shape->fillColor = fill;
    for (std::size_t i = 0; i < at.size(); ++i) {
        if (!pressures.isEmpty())
            shape->setPressure(pressures.at(qsizetype(i)).toDouble());
        if (i > 0)
            shape->update(at[i]);
    }
    shape->isModified = json.value(QStringLiteral("straight")).toBool();
    if (typed) {
        const QString text = json.value(QStringLiteral("text")).toString();
        if (text.isEmpty())
            return fail(QStringLiteral("a text without characters"));
        static_cast<RenderableText &>(*shape).setText(text);
    }
    shape->didUpdateSinceLastRender = true;
    return shape;
}

QJsonObject toJson(const DrawingDocument &document, const ListEncoder &listEncoder) {
    const ListEncoder encode = listEncoder ? listEncoder : [](const Drawings &shapes) {
        return QJsonValue(shapesJson(shapes));
    };
    QJsonArray screens;
    for (const ScreenDrawings &screen : document.screens) {
        QJsonObject json{
            {QStringLiteral("name"), screen.name},
            {QStringLiteral("size"), QJsonArray{screen.size.width(), screen.size.height()}},
            {QStringLiteral("scale"), rounded(screen.scale, 100)},
            {QStringLiteral("shapes"), encode(screen.shapes)}};
        for (const Surface board : {Surface::whiteboard, Surface::blackboard}) {
            if (!screen.board(board).pages.empty())
                json.insert(surfaceName(board), boardJson(screen.board(board), encode));
        }
        screens.append(json);
    }
    return {
        {QStringLiteral("format"), formatName},
        {QStringLiteral("version"), QStringLiteral("%1.%2").arg(majorVersion).arg(minorVersion)},
        {QStringLiteral("screens"), screens}};
}

QByteArray write(const DrawingDocument &document) {
    return QJsonDocument(toJson(document)).toJson(QJsonDocument::Compact);
}

std::optional<DrawingDocument> read(const QByteArray &data, QString *error) {
    QString ignored;
    if (!error)
        error = &ignored;
    QJsonParseError parsed;
    const QJsonDocument json = QJsonDocument::fromJson(data, &parsed);
    const QJsonObject root = json.object();
    if (parsed.error != QJsonParseError::NoError) {
        // Cut short (a power cut while it was written, a copy that stopped) or not JSON at all.
        if (!data.trimmed().startsWith('{'))
            //% "not a Quillory drawing file"
            *error = qtTrId("file.error.foreign");
        else
            *error =
                damaged(parsed.errorString() + QStringLiteral(" at byte %1").arg(parsed.offset));
        return std::nullopt;
    }
    if (root.value(QStringLiteral("format")).toString() != formatName) {
        *error = qtTrId("file.error.foreign");
        return std::nullopt;
    }
    const QString version = root.value(QStringLiteral("version")).toString();
    bool numbered = false;
    const int major = version.section(u'.', 0, 0).toInt(&numbered);
    if (!numbered) {
        *error = damaged(QStringLiteral("no version"));
        return std::nullopt;
    }
    if (major > majorVersion) {
        //% "the file comes from a newer Quillory (format %1); this one reads format %2"
        *error = qtTrId("file.error.newer").arg(version).arg(majorVersion);
        return std::nullopt;
    }
    DrawingDocument document;
    const QJsonArray screens = root.value(QStringLiteral("screens")).toArray();
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QJsonObject json = screens.at(i).toObject();
        ScreenDrawings screen;
        screen.name = json.value(QStringLiteral("name")).toString();
        const QJsonArray size = json.value(QStringLiteral("size")).toArray();
        screen.size = QSize(size.at(0).toInt(), size.at(1).toInt());
        screen.scale = std::clamp(json.value(QStringLiteral("scale")).toDouble(1), 0.25, 8.0);
        const QString where = QStringLiteral("screen %1").arg(i + 1);
        if (!readShapes(json.value(QStringLiteral("shapes")), where, screen.shapes, error))
            return std::nullopt;
        for (const Surface board : {Surface::whiteboard, Surface::blackboard}) {
            if (!readBoard(json.value(surfaceName(board)),
                           QStringLiteral("%1 %2").arg(where, surfaceName(board)),
                           screen.board(board), error))
                return std::nullopt;
        }
        document.screens.push_back(std::move(screen));
    }
    return document;
}

} // namespace DrawingFile
