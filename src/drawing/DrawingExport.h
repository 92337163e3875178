#pragma once

#include "drawing/DrawingFile.h"

#include <QSize>
#include <QString>

#include <optional>

// Writes the drawings to a file in a format others read, chosen by the file name's extension:
//  - .svg: the shapes shown (the screen's, or the board page's) as vectors, text as text;
//  - .pdf: a page for each screen's drawing and each board page with shapes, in order, at the
//    screen's size, text as text;
//  - .png: the shapes shown alone on a transparent background, at the screen's pixel size;
//  - .quillory: everything, as Quillory's own drawing file.
// Every file is written whole or not at all (a temporary file renamed into place).
namespace DrawingExport {
enum class Format { svg, pdf, png, quillory };

// What there is to export: everything, and what the screen shows now.
struct Source {
    DrawingDocument document;
    Drawings shown;
    Surface surface = Surface::screen;
    QSize size;
    double scale = 1.0;
};

// The format a file name asks for; none for another extension.
std::optional<Format> formatOf(const QString &path);
QString extension(Format format);
// The format's name as the export dialog lists it ("PDF document").
QString formatTitle(Format format);

// Writes the file; empty, or a message that says why it was not written (an unknown
// extension, no such folder, nothing drawn, the disk full).
QString write(const QString &path, const Source &source);
} // namespace DrawingExport
