// Pictures and handouts, written by the shared toolkit-free writers as SVG
// documents (frontend/pictures.h, frontend/handout.h), turned into PNG, PDF
// or printed pages with Qt's SVG renderer, so that the desktop and the
// exporter make the same picture of a view.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace picture_files {

// Writes `bytes` to a temporary file beside `path`, renamed over it only
// once whole: a full disk leaves no half file. The encoders do not all
// report a write that fell short, so what they make is put in memory first.
bool writeWhole(const QString& path, const QByteArray& bytes);

// The PNG of an SVG document at its own size; empty when it cannot be drawn.
QByteArray png(const std::string& svg);
// The document with the characters XML forbids left out, as bytes to write.
QByteArray svgBytes(const std::string& svg);

// Draws each page (an SVG document sized in points) on a page of `device`
// of that size and orientation. False when the device would not paint.
bool paintPages(const std::vector<std::string>& pages, QPagedPaintDevice& device);
// The pages as one PDF document titled `title`; empty when it cannot be made.
QByteArray pdf(const std::vector<std::string>& pages, const std::string& title);

} // namespace picture_files
