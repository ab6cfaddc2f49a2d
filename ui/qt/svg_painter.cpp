#include "ui/qt/svg_painter.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <vector>

#include "history/export_text.h"

namespace svg_painter {
namespace {

// Fonts are set this many times larger and the painter scaled back, so a
// text keeps a fractional size (QFont's pixel sizes are whole numbers).
constexpr double FontMagnification = 16;

double number(const QXmlStreamAttributes& attributes, QLatin1StringView name, double fallback = 0)
{
    bool ok = false;
    const double value = attributes.value(name).toDouble(&ok);
    return ok ? value : fallback;
}

QColor colourOf(QStringView text)
{
    if (text.isEmpty() || text == u"none") return {};
    return QColor::fromString(text);
}

QPen penOf(const QXmlStreamAttributes& attributes)
{
    const QColor colour = colourOf(attributes.value(QLatin1String("stroke")));
    if (!colour.isValid()) return Qt::NoPen;
    QPen pen(colour, number(attributes, QLatin1String("stroke-width"), 1));
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::FlatCap);
    const QStringView dashes = attributes.value(QLatin1String("stroke-dasharray"));
    if (!dashes.isEmpty() && pen.widthF() > 0) {
        QList<qreal> pattern;
        for (const QStringView part : dashes.split(u','))
            pattern << part.toDouble() / pen.widthF();
        if (pattern.size() % 2 == 1) pattern << pattern;
        pen.setDashPattern(pattern);
    }
    return pen;
}

QBrush brushOf(const QXmlStreamAttributes& attributes)
{
    QColor colour = colourOf(attributes.value(QLatin1String("fill")));
    if (!colour.isValid()) return Qt::NoBrush;
    colour.setAlphaF(number(attributes, QLatin1String("fill-opacity"), 1));
    return colour;
}

QPolygonF pointsOf(const QXmlStreamAttributes& attributes)
{
    QPolygonF polygon;
    for (const QStringView pair : attributes.value(QLatin1String("points")).split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype comma = pair.indexOf(u',');
        if (comma > 0) polygon << QPointF(pair.left(comma).toDouble(), pair.mid(comma + 1).toDouble());
    }
    return polygon;
}

// "translate(x y) scale(s)", the only transforms the pictures use.
QTransform transformOf(QStringView text)
{
    QTransform transform;
    static const QRegularExpression part(QStringLiteral("(translate|scale)\\(([^)]*)\\)"));
    for (const QRegularExpressionMatch& match : part.globalMatch(text.toString())) {
        const QStringList values =
            match.captured(2).split(QRegularExpression(QStringLiteral("[ ,]+")), Qt::SkipEmptyParts);
        if (match.captured(1) == QLatin1String("translate") && values.size() == 2)
            transform.translate(values[0].toDouble(), values[1].toDouble());
        else if (match.captured(1) == QLatin1String("scale") && !values.isEmpty())
            transform.scale(values[0].toDouble(), values.value(1, values[0]).toDouble());
    }
    return transform;
}

void paintText(QPainter& painter, const QXmlStreamAttributes& attributes, const QString& text,
               const QString& family)
{
    const double size = number(attributes, QLatin1String("font-size"), 12);
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(size * FontMagnification)));
    font.setBold(attributes.value(QLatin1String("font-weight")) == u"bold");
    const double width = QFontMetricsF(font).horizontalAdvance(text) / FontMagnification;
    double x = number(attributes, QLatin1String("x"));
    const QStringView anchor = attributes.value(QLatin1String("text-anchor"));
    if (anchor == u"middle") x -= width / 2;
    if (anchor == u"end") x -= width;
    painter.save();
    painter.translate(x, number(attributes, QLatin1String("y")));
    painter.scale(1 / FontMagnification, 1 / FontMagnification);
    painter.setFont(font);
    const QColor colour = colourOf(attributes.value(QLatin1String("fill")));
    painter.setPen(colour.isValid() ? colour : QColor(Qt::black));
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

struct Document {
    QSizeF size;
    QString family = QStringLiteral("Liberation Sans");
};

// Reads the root element; an invalid size when it is not a picture of the program's.
Document rootOf(QXmlStreamReader& reader)
{
    Document document;
    while (!reader.atEnd() && !reader.isStartElement())
        reader.readNext();
    if (reader.name() != QLatin1String("svg")) return document;
    const QStringList box =
        reader.attributes().value(QLatin1String("viewBox")).toString().split(u' ', Qt::SkipEmptyParts);
    if (box.size() == 4) document.size = QSizeF(box[2].toDouble(), box[3].toDouble());
    const QString families = reader.attributes().value(QLatin1String("font-family")).toString();
    if (!families.isEmpty()) document.family = families.section(u',', 0, 0).trimmed();
    return document;
}

} // namespace

QSizeF sizeOf(const std::string& svg)
{
    QXmlStreamReader reader(QByteArray::fromStdString(exporttext::xmlSafe(svg)));
    return rootOf(reader).size;
}

bool paint(QPainter& painter, const std::string& svg, const QSizeF& target)
{
    QXmlStreamReader reader(QByteArray::fromStdString(exporttext::xmlSafe(svg)));
    const Document document = rootOf(reader);
    if (!document.size.isValid() || document.size.isEmpty()) return false;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(target.width() / document.size.width(), target.height() / document.size.height());
    // The groups open round the element being read.
    int depth = 0;
    std::vector<int> groups;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement()) {
            if (!groups.empty() && groups.back() == depth) {
                painter.restore();
                groups.pop_back();
            }
            --depth;
            continue;
        }
        if (!reader.isStartElement()) continue;
        ++depth;
        const QStringView name = reader.name();
        const QXmlStreamAttributes attributes = reader.attributes();
        const auto shape = [&] {
            painter.setPen(penOf(attributes));
            painter.setBrush(brushOf(attributes));
        };
        if (name == u"g") {
            painter.save();
            painter.setTransform(transformOf(attributes.value(QLatin1String("transform"))), true);
            groups.push_back(depth);
        } else if (name == u"rect") {
            shape();
            const double width = number(attributes, QLatin1String("width"), document.size.width());
            const double height = number(attributes, QLatin1String("height"), document.size.height());
            painter.drawRect(QRectF(number(attributes, QLatin1String("x")),
                                    number(attributes, QLatin1String("y")), width, height));
        } else if (name == u"line") {
            painter.setPen(penOf(attributes));
            painter.drawLine(
                QLineF(number(attributes, QLatin1String("x1")), number(attributes, QLatin1String("y1")),
                       number(attributes, QLatin1String("x2")), number(attributes, QLatin1String("y2"))));
        } else if (name == u"polyline") {
            painter.setPen(penOf(attributes));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(pointsOf(attributes));
        } else if (name == u"polygon") {
            shape();
            painter.drawPolygon(pointsOf(attributes));
        } else if (name == u"circle") {
            shape();
            const double r = number(attributes, QLatin1String("r"));
            painter.drawEllipse(
                QPointF(number(attributes, QLatin1String("cx")), number(attributes, QLatin1String("cy"))), r,
                r);
        } else if (name == u"text") {
            const QString text = reader.readElementText();
            --depth; // readElementText consumed its end
            paintText(painter, attributes, text, document.family);
        } else if (name == u"title") {
            reader.skipCurrentElement();
            --depth;
        }
    }
    while (!groups.empty()) {
        painter.restore();
        groups.pop_back();
    }
    painter.restore();
    return !reader.hasError();
}

} // namespace svg_painter
