#include "ui/qt/compare_diagram.h"

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "frontend/comparison.h"
#include "frontend/ladder_drawing.h"
#include "history/ladder_description.h"
#include "ui/qt/ladder_view.h"

namespace {

// As much as the main window's diagram shows at once, roughly: enough for a
// few round trips of every protocol.
constexpr std::int32_t ShownTicks = 600;

} // namespace

void showComparisonDiagram(QWidget* parent, const Comparison& comparison)
{
    std::int32_t from = 0;
    for (std::size_t i = 0; i < comparison.size(); ++i)
        from = std::max(from, comparison.history(i).trace().firstTick());
    const std::int32_t to = comparison.ticks();
    from = std::max(from, to - ShownTicks);
    std::vector<ladder::Description> diagrams;
    for (std::size_t i = 0; i < comparison.size(); ++i)
        diagrams.push_back(
            ladder::describe(comparison.history(i).ladder(), comparison.history(i).trace(), from, to));
    // Drawn as the main window draws its diagram, each under its label.
    const ladder::Layout layout;
    const ladder::Palette palette = ladder::palette(false);
    const int each = static_cast<int>(layout.width);
    const int gap = 16;
    const int label = 22;
    int height = 0;
    for (const ladder::Description& diagram : diagrams)
        height = std::max(height, static_cast<int>(layout.height(diagram.from, diagram.to)));
    const int count = static_cast<int>(diagrams.size());
    QImage image(QSize(count * each + (count - 1) * gap, height + label),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont bold = painter.font();
        bold.setBold(true);
        for (int i = 0; i < count; ++i) {
            const int x = i * (each + gap);
            painter.setFont(bold);
            painter.setPen(Qt::black);
            painter.drawText(QRect(x, 0, each, label), Qt::AlignCenter,
                             QString::fromStdString(comparison.label(static_cast<std::size_t>(i))));
            painter.save();
            painter.translate(x, label);
            paintLadder(painter, diagrams[static_cast<std::size_t>(i)], layout, palette, false);
            painter.restore();
        }
    }

    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("compareDiagramDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QObject::tr("Time-Sequence Diagrams, Ticks %1 to %2").arg(from).arg(to));
    auto* picture = new QLabel(dialog);
    picture->setObjectName(QStringLiteral("compareDiagram"));
    picture->setPixmap(QPixmap::fromImage(image));
    auto* scroll = new QScrollArea(dialog);
    scroll->setWidget(picture);
    scroll->setBackgroundRole(QPalette::Base);
    auto* column = new QVBoxLayout(dialog);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(scroll);
    dialog->resize(std::min(image.width() + 24, 1400), 700);
    dialog->show();
}
