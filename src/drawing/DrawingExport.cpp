#include "drawing/DrawingExport.h"

#include "platform/DiagnosticLog.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace DrawingExport {

namespace {
constexpr Format kFormats[] = {Format::svg, Format::pdf, Format::png, Format::quillory};

// Shapes paint at the screen's scale 1 in points; a page or picture of `size` points.
void paint(QPainter &painter, const Drawings &shapes, Surface surface, QSize size) {
    painter.setRenderHint(QPainter::Antialiasing);
    if (isBoard(surface))
        painter.fillRect(QRect(QPoint(), size), boardColor(surface));
    for (const std::shared_ptr<Renderable> &shape : shapes) {
        painter.save();
        shape->render(painter);
        painter.restore();
    }
}

bool hasShapes(const Source &source, Format format) {
    switch (format) {
    case Format::svg:
    case Format::png:
        return !source.shown.empty();
    case Format::pdf:
    case Format::quillory:
        return source.document.shapeCount() > 0;
    }
    return false;
}

// Each drawing that has shapes, screen by screen: the screen's, then its boards' pages.
struct Page {
    const Drawings *shapes;
    Surface surface;
    QSize size;
};
std::vector<Page> pagesOf(const DrawingDocument &document, QSize fallback) {
    std::vector<Page> pages;
    for (const ScreenDrawings &screen : document.screens) {
        const QSize size = screen.size.isEmpty() ? fallback : screen.size;
        if (!screen.shapes.empty())
            pages.push_back({&screen.shapes, Surface::screen, size});
        for (const Surface board : {Surface::whiteboard, Surface::blackboard}) {
            for (const Drawings &page : screen.board(board).pages) {
                if (!page.empty())
                    pages.push_back({&page, board, size});
            }
        }
    }
    return pages;
}

bool writeSvg(QIODevice &file, const Source &source) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(source.size);
    svg.setViewBox(QRect(QPoint(), source.size));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Quillory drawing"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    paint(painter, source.shown, source.surface, source.size);
    return painter.end();
}

bool writePdf(QIODevice &file, const Source &source) {
    QPdfWriter pdf(&file);
    pdf.setCreator(QStringLiteral("Quillory"));
    pdf.setTitle(QStringLiteral("Quillory drawing"));
    // A point of the screen is a pixel at 96 dpi, as on the screen at scale 1.
    pdf.setResolution(96);
    const auto pageSize = [](QSize size) {
        return QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point, QString(),
                         QPageSize::ExactMatch);
    };
    const std::vector<Page> pages = pagesOf(source.document, source.size);
    pdf.setPageSize(pageSize(pages.front().size));
    pdf.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            pdf.setPageSize(pageSize(pages[i].size));
            if (!pdf.newPage())
                return false;
        }
        paint(painter, *pages[i].shapes, pages[i].surface, pages[i].size);
    }
    return painter.end();
}

bool writePng(QIODevice &file, const Source &source) {
    QImage image((QSizeF(source.size) * source.scale).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(source.scale);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        // The drawing alone: the board's colour stays out of it.
        paint(painter, source.shown, Surface::screen, source.size);
    }
    return image.save(&file, "PNG");
}
} // namespace

std::optional<Format> formatOf(const QString &path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const Format format : kFormats) {
        if (suffix == extension(format))
            return format;
    }
    return std::nullopt;
}

QString extension(Format format) {
    switch (format) {
    case Format::svg:
        return QStringLiteral("svg");
    case Format::pdf:
        return QStringLiteral("pdf");
    case Format::png:
        return QStringLiteral("png");
    case Format::quillory:
        return QStringLiteral("quillory");
    }
    return {};
}

QString formatTitle(Format format) {
    switch (format) {
    case Format::svg:
        //% "SVG picture (the drawing shown)"
        return qtTrId("export.format.svg");
    case Format::pdf:
        //% "PDF document (every screen and board page)"
        return qtTrId("export.format.pdf");
    case Format::png:
        //% "PNG picture (the drawing shown, transparent)"
        return qtTrId("export.format.png");
    case Format::quillory:
        //% "Quillory drawing (to open again)"
        return qtTrId("export.format.quillory");
    }
    return {};
}

QString write(const QString &path, const Source &source) {
    const std::optional<Format> format = formatOf(path);
    if (!format)
        //% "cannot export to “%1”: the name has to end in .svg, .pdf, .png or .quillory"
        return qtTrId("export.error.extension").arg(QFileInfo(path).fileName());
    const QFileInfo info(path);
    if (!info.dir().exists())
        //% "the folder %1 does not exist"
        return qtTrId("export.error.folder").arg(QDir::toNativeSeparators(info.path()));
    if (info.isDir())
        //% "%1 is a folder"
        return qtTrId("export.error.isFolder").arg(QDir::toNativeSeparators(path));
    if (!hasShapes(source, *format))
        //% "nothing is drawn: there is nothing to export"
        return qtTrId("export.error.empty");
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        switch (*format) {
        case Format::svg:
            written = writeSvg(file, source);
            break;
        case Format::pdf:
            written = writePdf(file, source);
            break;
        case Format::png:
            written = writePng(file, source);
            break;
        case Format::quillory: {
            const QByteArray data = DrawingFile::write(source.document);
            written = file.write(data) == data.size();
            break;
        }
        }
    }
    // A full disk shows at the latest when the file is committed.
    if (!written || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        QLOG_ERROR("Could not export the drawings to", path + u':', reason);
        //% "could not write %1: %2"
        return qtTrId("export.error.write").arg(QDir::toNativeSeparators(path), reason);
    }
    QLOG("Exported the drawings to", path);
    return {};
}

} // namespace DrawingExport
