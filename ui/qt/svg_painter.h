// Paints the pictures the program writes (frontend/svg_writer.h) with a
// QPainter: on an image for a PNG, on PDF pages for a handout, on a printer.
//
// Qt's own SVG renderer turns every text into outlines, which leaves a PDF
// without a word to search or copy; the program's pictures keep to a few
// elements (rect, line, polyline, polygon, circle, text, and groups moved
// and scaled), so they are painted here, each text as text.
#pragma once

#include <QSizeF>
#include <QString>
#include <string>

class QPainter;

namespace svg_painter {

// The size the document declares (its viewBox), or an empty size when it
// is not one of the program's pictures.
QSizeF sizeOf(const std::string& svg);

// Paints the document scaled to `target` (its top-left corner at the
// painter's origin). False when it is not one of the program's pictures.
bool paint(QPainter& painter, const std::string& svg, const QSizeF& target);

} // namespace svg_painter
