#include "ui/qt/legend_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "ui/cell_states.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/control_texts.h"
#include "ui/qt/screen_units.h"
#include "ui/qt/shape_widget.h"
#include "ui/view_texts.h"
#include "ui/window_layout.h"

namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* cellSample(QColor colour, const QString& mark)
{
    auto* cell = new CellLabel(QStringLiteral("7"));
    QFont font = cell->font();
    font.setPixelSize(window_layout::CellTextPixels);
    cell->setFont(font);
    cell->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    cell->setFixedSize(toPixels(geometry::CellLabelWidth), toPixels(geometry::CellLabelHeight));
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, toQColor(window_layout::LabelBackground));
    palette.setColor(QPalette::WindowText, colour);
    cell->setPalette(palette);
    cell->setAutoFillBackground(true);
    cell->setMark(mark, window_layout::CellMarkPixels);
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
    setMinimumWidth(600);
    auto* layout = new QVBoxLayout(this);
    auto* body = new QWidget(this);
    grid_ = new QGridLayout(body);
    layout->addWidget(body);
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

void LegendDialog::showPalette(bool safeColours, bool stateMarks)
{
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
            addRow(cellSample(toQColor(safeColours ? state.safe : state.model), mark),
                   fromView(state.legend));
        }
    };
    addHeading(fromView(view_texts::LegendSenderHeading));
    addStates(cell_states::Strip::Sender);
    addRow(shapeSample(toQColor(safeColours ? cell_states::SafeTimeoutBar : colours::TimeoutBar), 0,
                       QSize(toPixels(geometry::FullTimeout), toPixels(geometry::TimeoutBarHeight))),
           fromView(view_texts::LegendTimeoutBar));
    addHeading(fromView(view_texts::LegendReceiverHeading));
    addStates(cell_states::Strip::Receiver);
    addHeading(fromView(view_texts::LegendOthersHeading));
    addRow(shapeSample(toQColor(colours::WindowFrame), window_layout::FrameBorderPixels, QSize(60, 30)),
           fromView(view_texts::LegendFrame));
    addRow(shapeSample(toQColor(window_layout::WindowText), stateMarks ? 3 : 1, QSize(60, 22)),
           fromView(stateMarks ? view_texts::LegendHeldMarked : view_texts::LegendHeldUnmarked));
    auto* lost = new QLabel(stateMarks ? fromView(view_texts::LostHere) : QString());
    QPalette palette = lost->palette();
    palette.setColor(QPalette::WindowText, toQColor(window_layout::LostMarkColour));
    lost->setPalette(palette);
    addRow(lost, fromView(view_texts::LegendLost) + control_texts::flightRule());
}
