#pragma once

#include "core/OverlayMode.h"
#include "drawing/Renderable.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// A board's pages on one screen, the page shown among them.
struct BoardPages {
    std::vector<Drawings> pages;
    int page = 0;
    bool isEmpty() const;
};

// One screen's drawings: on the screen itself and on its two boards.
struct ScreenDrawings {
    // The screen's name ("DP-1"), which stays the same across restarts, and its size in points.
    QString name;
    QSize size;
    double scale = 1.0;
    Drawings shapes;
    BoardPages whiteboard, blackboard;
    BoardPages &board(Surface surface) {
        return surface == Surface::blackboard ? blackboard : whiteboard;
    }
    const BoardPages &board(Surface surface) const {
        return surface == Surface::blackboard ? blackboard : whiteboard;
    }
};

// Everything drawn, screen by screen: what a .quillory file and the crash journal hold.
struct DrawingDocument {
    std::vector<ScreenDrawings> screens;
    int shapeCount() const;
};

// Quillory's drawing file (docs/drawing-file.md): versioned JSON. Each shape is kept as what
// made it (tool, colours, width, the points it was drawn through, pressures, straightening,
// text), so opening it draws the same shapes again. Numbers are kept to a hundredth of a point
// (pressures to a thousandth), which makes save → open → save give the same bytes.
namespace DrawingFile {
inline constexpr int majorVersion = 1;
inline constexpr int minorVersion = 0;

QJsonObject shapeJson(const Renderable &shape);
// A shape's object, or none with the reason in `error`.
std::shared_ptr<Renderable> shapeFromJson(const QJsonObject &json, QString *error);

QJsonArray shapesJson(const Drawings &shapes);
// The shapes of an array, or none with the reason (and where, after `where`) in `error`.
std::optional<Drawings> shapesFromJson(const QJsonValue &value, const QString &where,
                                       QString *error);

// The document as JSON; `encode` gives each list of shapes its value (the journal puts in a
// mark where it splices in shapes it keeps encoded).
using ListEncoder = std::function<QJsonValue(const Drawings &)>;
QJsonObject toJson(const DrawingDocument &document, const ListEncoder &encode = {});
QByteArray write(const DrawingDocument &document);
// The document in `data`, or none with a message that says what is wrong with it: not a
// drawing file, made by a newer Quillory, or damaged (and where).
std::optional<DrawingDocument> read(const QByteArray &data, QString *error);
} // namespace DrawingFile
