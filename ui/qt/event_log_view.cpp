#include "ui/qt/event_log_view.h"

#include "ui/qt/translation.h"
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr std::array<LogSource, 3> Sides = {LogSource::Sender, LogSource::Receiver, LogSource::User};

QString sideName(LogSource side)
{
    switch (side) {
    case LogSource::Sender:
        return EventLogModel::tr("sender");
    case LogSource::Receiver:
        return EventLogModel::tr("receiver");
    case LogSource::User:
        break;
    }
    return EventLogModel::tr("user");
}

// The colours of the two commentary lines' sides, and black for the user.
QColor sideColour(LogSource side)
{
    switch (side) {
    case LogSource::Sender:
        return QColor(0, 0, 128);
    case LogSource::Receiver:
        return QColor(0, 110, 0);
    case LogSource::User:
        break;
    }
    return QColor(150, 0, 0);
}

unsigned sideBit(LogSource side) { return 1u << static_cast<unsigned>(side); }

} // namespace

// ---------------------------------------------------------------------------
// The model

EventLogModel::EventLogModel(const std::vector<LogEntry>& log, QObject* parent)
    : QAbstractTableModel(parent), log_(&log), rows_(static_cast<int>(log.size()))
{
}

void EventLogModel::follow()
{
    const int now = static_cast<int>(log_->size());
    if (now < rows_) {
        reset(); // shortened without a word: start afresh
        return;
    }
    if (now == rows_) return;
    beginInsertRows(QModelIndex(), rows_, now - 1);
    rows_ = now;
    endInsertRows();
}

void EventLogModel::setLog(const std::vector<LogEntry>& log)
{
    beginResetModel();
    log_ = &log;
    rows_ = static_cast<int>(log_->size());
    endResetModel();
}

void EventLogModel::reset()
{
    beginResetModel();
    rows_ = static_cast<int>(log_->size());
    endResetModel();
}

int EventLogModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int EventLogModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant EventLogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_) return {};
    const LogEntry& entry = (*log_)[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case TickColumn:
            return entry.tick;
        case SideColumn:
            return sideName(entry.source);
        case TextColumn:
            return translation::shown(entry.text);
        }
        break;
    case Qt::ToolTipRole:
        // Where the panel is narrow (beside the window in full screen) the
        // line is cut at the edge; pointing at it shows it whole.
        if (index.column() == TextColumn) return translation::shown(entry.text);
        break;
    case Qt::ForegroundRole:
        return sideColour(entry.source);
    case Qt::TextAlignmentRole:
        if (index.column() == TickColumn) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case SourceRole:
        return static_cast<int>(entry.source);
    case TickRole:
        return entry.tick;
    }
    return {};
}

QVariant EventLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case TickColumn:
        return tr("Tick");
    case SideColumn:
        return tr("Side");
    case TextColumn:
        return tr("What happened");
    }
    return {};
}

// ---------------------------------------------------------------------------
// The filter

void LogSideFilter::setSideShown(LogSource side, bool shown)
{
    const unsigned now = shown ? (shown_ | sideBit(side)) : (shown_ & ~sideBit(side));
    if (now == shown_) return;
    shown_ = now;
    invalidateRowsFilter();
}

bool LogSideFilter::sideShown(LogSource side) const { return (shown_ & sideBit(side)) != 0; }

bool LogSideFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    const auto side = static_cast<LogSource>(index.data(EventLogModel::SourceRole).toInt());
    return sideShown(side);
}

// ---------------------------------------------------------------------------
// The view

EventLogView::EventLogView(const RunTrace& trace, QWidget* parent)
    : QWidget(parent), trace_(&trace), model_(trace.log()), view_(new QTreeView(this))
{
    filter_.setSourceModel(&model_);
    view_->setObjectName(QStringLiteral("eventLog"));
    view_->setModel(&filter_);
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true); // a long run logs tens of thousands of lines
    view_->setAlternatingRowColors(true);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->header()->setStretchLastSection(true);
    fitColumns();

    auto* sides = new QHBoxLayout;
    sides->addWidget(new QLabel(tr("Show:"), this));
    for (const LogSource side : Sides) {
        auto* box = new QCheckBox(sideName(side), this);
        box->setObjectName(QStringLiteral("logShow_") + sideName(side));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this, side](bool on) { setSideShown(side, on); });
        sides->addWidget(box);
    }
    sides->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(sides);
    layout->addWidget(view_);

    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid() || selectingFromChart_) return;
                emit tickSelected(current.data(EventLogModel::TickRole).toInt());
            });
}

void EventLogView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitColumns();
}

void EventLogView::fitColumns()
{
    // Measured rather than asked of the rows: a long run has tens of thousands.
    const QFontMetrics metrics(view_->font());
    const int padding = metrics.averageCharWidth() * 2;
    QHeaderView* header = view_->header();
    const auto widest = [&](int column, const QStringList& texts) {
        int width = header->sectionSizeHint(column);
        for (const QString& text : texts)
            width = std::max(width, metrics.horizontalAdvance(text) + padding);
        return width;
    };
    view_->setColumnWidth(EventLogModel::TickColumn,
                          widest(EventLogModel::TickColumn, {QStringLiteral("0000000")}));
    QStringList sides;
    for (const LogSource side : Sides)
        sides += sideName(side);
    view_->setColumnWidth(EventLogModel::SideColumn, widest(EventLogModel::SideColumn, sides));
}

void EventLogView::follow()
{
    QScrollBar* bar = view_->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    model_.follow();
    if (atEnd) view_->scrollToBottom();
}

void EventLogView::reset()
{
    model_.reset();
    view_->scrollToBottom();
}

void EventLogView::setSideShown(LogSource side, bool shown)
{
    filter_.setSideShown(side, shown);
    const auto name = QStringLiteral("logShow_") + sideName(side);
    if (auto* box = findChild<QCheckBox*>(name); box && box->isChecked() != shown) box->setChecked(shown);
}

void EventLogView::setTrace(const RunTrace& trace)
{
    trace_ = &trace;
    model_.setLog(trace.log());
}

int EventLogView::visibleRows() const { return filter_.rowCount(); }

void EventLogView::selectRow(int row) { view_->setCurrentIndex(filter_.index(row, 0)); }

int EventLogView::selectedRow() const
{
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void EventLogView::selectTick(std::int32_t tick)
{
    const std::vector<LogEntry>& log = trace_->log();
    auto entry = std::lower_bound(log.begin(), log.end(), tick,
                                  [](const LogEntry& e, std::int32_t t) { return e.tick < t; });
    // The first entry at that tick or later that the filter lets through.
    for (; entry != log.end(); ++entry) {
        const auto row = static_cast<int>(entry - log.begin());
        if (row >= model_.rowCount()) break;
        const QModelIndex shown = filter_.mapFromSource(model_.index(row, 0));
        if (!shown.isValid()) continue;
        selectingFromChart_ = true;
        view_->setCurrentIndex(shown);
        view_->scrollTo(shown);
        selectingFromChart_ = false;
        return;
    }
}

std::int32_t EventLogView::tickOfRow(int row) const
{
    return filter_.index(row, 0).data(EventLogModel::TickRole).toInt();
}

LogSource EventLogView::sideOfRow(int row) const
{
    return static_cast<LogSource>(filter_.index(row, 0).data(EventLogModel::SourceRole).toInt());
}

QString EventLogView::textOfRow(int row) const
{
    return filter_.index(row, EventLogModel::TextColumn).data().toString();
}
