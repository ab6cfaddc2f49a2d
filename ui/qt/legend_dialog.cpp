#include "ui/qt/legend_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

#include "frontend/cell_states.h"
#include "frontend/view_texts.h"
#include "frontend/window_layout.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/control_texts.h"
#include "ui/qt/screen_units.h"
#include "ui/qt/shape_widget.h"
#include "ui/qt/translation.h"

namespace {

QString fromView(std::string_view text) { return translation::shown(text); }

int scaled(int pixels, double factor) { return std::max(1, static_cast<int>(std::lround(pixels * factor))); }

QSize scaled(QSize size, double factor)
{
    return {scaled(size.width(), factor), scaled(size.height(), factor)};
}

QWidget* cellSample(QColor colour, const QString& mark, double factor)
{
    auto* cell = new CellLabel(QStringLiteral("7"));
    QFont font = cell->font();
    font.setPixelSize(scaled(window_layout::CellTextPixels, factor));
    cell->setFont(font);
    cell->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    cell->setFixedSize(scaled(toPixels(geometry::CellLabelWidth), factor),
                       scaled(toPixels(geometry::CellLabelHeight), factor));
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, toQColor(window_layout::LabelBackground));
    palette.setColor(QPalette::WindowText, colour);
    cell->setPalette(palette);
    cell->setAutoFillBackground(true);
    cell->setMark(mark, scaled(window_layout::CellMarkPixels, factor));
    return cell;
}

QWidget* shapeSample(QColor colour, int borderPixels, QSize size)
{
    auto* shape = new ShapeWidget(nullptr, colour, borderPixels);
    shape->setFixedSize(size);
    return shape;
}

} // namespace

LegendDialog::LegendDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("legend"));
    setWindowTitle(tr("Legend"));
    auto* layout = new QVBoxLayout(this);
    // At a large zoom the legend is taller than the screen: it scrolls.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* body = new QWidget(scroll);
    grid_ = new QGridLayout(body);
    scroll->setWidget(body);
    layout->addWidget(scroll);
    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(close, 0, Qt::AlignRight);
    showPalette(false, false);
}

void LegendDialog::addHeading(const QString& text)
{
    auto* heading = new QLabel(QStringLiteral("<b>%1</b>").arg(text));
    grid_->addWidget(heading, rows_++, 0, 1, 2);
}

void LegendDialog::addRow(QWidget* sample, const QString& meaning)
{
    grid_->addWidget(sample, rows_, 0, Qt::AlignCenter);
    auto* words = new QLabel(meaning);
    words->setWordWrap(true);
    grid_->addWidget(words, rows_++, 1);
    sample->setAccessibleName(meaning);
}

void LegendDialog::setScale(double factor)
{
    if (factor == scale_) return;
    scale_ = factor;
    showPalette(safeColours_, stateMarks_);
}

void LegendDialog::showPalette(bool safeColours, bool stateMarks)
{
    safeColours_ = safeColours;
    stateMarks_ = stateMarks;
    setMinimumWidth(scaled(600, scale_));
    // As tall as the rows, up to most of the screen.
    if (const QScreen* on = screen())
        resize(width(), std::min(scaled(900, scale_), on->availableGeometry().height() * 9 / 10));
    while (std::unique_ptr<QLayoutItem> item{grid_->takeAt(0)}) {
        if (QWidget* old = item->widget()) {
            old->hide();
            old->deleteLater();
        }
    }
    rows_ = 0;
    const auto addStates = [&](cell_states::Strip strip) {
        for (const cell_states::CellState& state : cell_states::States) {
            if (state.strip != strip) continue;
            const QString mark = stateMarks ? fromView(state.mark) : QString();
            addRow(cellSample(toQColor(safeColours ? state.safe : state.model), mark, scale_),
                   fromView(state.legend));
        }
    };
    addHeading(fromView(view_texts::LegendSenderHeading));
    addStates(cell_states::Strip::Sender);
    addRow(shapeSample(
               toQColor(safeColours ? cell_states::SafeTimeoutBar : colours::TimeoutBar), 0,
               scaled(QSize(toPixels(geometry::FullTimeout), toPixels(geometry::TimeoutBarHeight)), scale_)),
           fromView(view_texts::LegendTimeoutBar) + QLatin1Char(' ') +
               QString::fromStdString(view_texts::timeoutScale()));
    addHeading(fromView(view_texts::LegendReceiverHeading));
    addStates(cell_states::Strip::Receiver);
    addHeading(fromView(view_texts::LegendOthersHeading));
    addRow(shapeSample(toQColor(colours::WindowFrame), scaled(window_layout::FrameBorderPixels, scale_),
                       scaled(QSize(60, 30), scale_)),
           fromView(view_texts::LegendFrame));
    addRow(shapeSample(toQColor(window_layout::WindowText), scaled(stateMarks ? 3 : 1, scale_),
                       scaled(QSize(60, 22), scale_)),
           fromView(stateMarks ? view_texts::LegendHeldMarked : view_texts::LegendHeldUnmarked));
    auto* lost = new QLabel(stateMarks ? fromView(view_texts::LostHere) : QString());
    QPalette palette = lost->palette();
    palette.setColor(QPalette::WindowText, toQColor(window_layout::LostMarkColour));
    lost->setPalette(palette);
    addRow(lost, fromView(view_texts::LegendLost) + control_texts::flightRule());
}
