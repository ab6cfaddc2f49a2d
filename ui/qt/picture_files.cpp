#include "ui/qt/picture_files.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cmath>

#include "history/export_text.h"
#include "ui/qt/svg_painter.h"

namespace picture_files {
namespace {

QPageLayout layoutFor(const QSizeF& points)
{
    const bool landscape = points.width() > points.height();
    const QSizeF portrait = landscape ? points.transposed() : points;
    return QPageLayout(QPageSize(portrait, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

} // namespace

bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QByteArray svgBytes(const std::string& svg) { return QByteArray::fromStdString(exporttext::xmlSafe(svg)); }

QByteArray png(const std::string& svg)
{
    const QSizeF size = svg_painter::sizeOf(svg);
    if (size.isEmpty()) return {};
    QImage image(QSize(static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height()))),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        if (!svg_painter::paint(painter, svg, size)) return {};
    }
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (!image.save(&bytes, "PNG")) return {};
    return bytes.data();
}

bool paintPages(const std::vector<std::string>& pages, QPagedPaintDevice& device)
{
    if (pages.empty()) return false;
    device.setPageLayout(layoutFor(svg_painter::sizeOf(pages.front())));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const QSizeF points = svg_painter::sizeOf(pages[i]);
        if (points.isEmpty()) return false;
        if (i > 0) {
            device.setPageLayout(layoutFor(points));
            if (!device.newPage()) return false;
        }
        // The page in points over the device's page, whatever its resolution.
        const QRect target = device.pageLayout().paintRectPixels(device.logicalDpiX());
        if (!svg_painter::paint(painter, pages[i], QSizeF(target.size()))) return false;
    }
    return painter.end();
}

QByteArray pdf(const std::vector<std::string>& pages, const std::string& title)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setResolution(300);
        writer.setTitle(QString::fromStdString(title));
        writer.setCreator(QStringLiteral("Quill's Sliding Window Demo"));
        if (!paintPages(pages, writer)) return {};
    }
    return bytes.data();
}

} // namespace picture_files
