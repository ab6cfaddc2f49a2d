#include "ui/qt/losses_dialog.h"

#include "ui/qt/translation.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

namespace {

QSpinBox* percentBox(int value, const QString& name, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, LossSettings::MaxPercent);
    box->setSuffix(QStringLiteral(" %"));
    box->setValue(value);
    return box;
}

} // namespace

LossesDialog::LossesDialog(const LossSettings& settings, QWidget* parent)
    : QDialog(parent),
      packetPercent_(percentBox(settings.packetPercent, QStringLiteral("packetPercent"), this)),
      ackPercent_(percentBox(settings.ackPercent, QStringLiteral("ackPercent"), this)),
      seed_(new QDoubleSpinBox(this)), plannedList_(new QListWidget(this)), plannedWhat_(new QComboBox(this)),
      plannedNumber_(new QSpinBox(this)), plannedTransmission_(new QSpinBox(this)),
      remove_(new QPushButton(tr("&Remove"), this)), planned_(settings.planned)
{
    setObjectName(QStringLiteral("lossesDialog"));
    setWindowTitle(tr("Losses"));

    // The seed decides which trips the rates take; the same seed loses the
    // same packets in every run and every protocol.
    seed_->setObjectName(QStringLiteral("seed"));
    // Every seed a file or a link may carry, up to 4294967295, shown whole:
    // a double holds all of them exactly, an int spin box would clamp them.
    seed_->setDecimals(0);
    seed_->setRange(0, std::numeric_limits<std::uint32_t>::max());
    seed_->setValue(settings.seed);
    auto* random = new QGroupBox(tr("At random"), this);
    auto* rates = new QFormLayout(random);
    rates->addRow(tr("&Packets lost:"), packetPercent_);
    rates->addRow(tr("&ACKs lost:"), ackPercent_);
    rates->addRow(tr("&Seed:"), seed_);

    plannedList_->setObjectName(QStringLiteral("plannedList"));
    plannedWhat_->setObjectName(QStringLiteral("plannedWhat"));
    plannedWhat_->addItem(tr("Packet"));
    plannedWhat_->addItem(tr("ACK for packet"));
    plannedNumber_->setObjectName(QStringLiteral("plannedNumber"));
    plannedNumber_->setRange(0, std::numeric_limits<std::int16_t>::max());
    plannedNumber_->setToolTip(tr("The packet's number; for an ACK, the packet whose arrival sends it"));
    plannedTransmission_->setObjectName(QStringLiteral("plannedTransmission"));
    plannedTransmission_->setRange(1, 99);
    plannedTransmission_->setPrefix(tr("transmission "));
    auto* add = new QPushButton(tr("A&dd"), this);
    add->setObjectName(QStringLiteral("addPlanned"));
    remove_->setObjectName(QStringLiteral("removePlanned"));
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(plannedWhat_);
    addRow->addWidget(plannedNumber_);
    addRow->addWidget(plannedTransmission_);
    addRow->addWidget(add);
    addRow->addWidget(remove_);
    auto* plannedBox = new QGroupBox(tr("Planned"), this);
    auto* plannedLayout = new QVBoxLayout(plannedBox);
    plannedLayout->addWidget(plannedList_, 1);
    plannedLayout->addLayout(addRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Each loss is a double click on the packet or ACK as it crosses the "
                                "middle of the network, recorded like yours. The same seed loses the same "
                                "packets in every run and every protocol."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addWidget(random);
    layout->addWidget(plannedBox, 1);
    layout->addWidget(buttons);

    connect(add, &QPushButton::clicked, this, &LossesDialog::addPlanned);
    connect(remove_, &QPushButton::clicked, this, &LossesDialog::removePlanned);
    connect(plannedList_, &QListWidget::currentRowChanged, this,
            [this](int row) { remove_->setEnabled(row >= 0); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showPlan();
    packetPercent_->setFocus();
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 70, sizeHint().height());
}

LossSettings LossesDialog::settings() const
{
    LossSettings settings;
    settings.packetPercent = packetPercent_->value();
    settings.ackPercent = ackPercent_->value();
    settings.seed = static_cast<std::uint32_t>(std::llround(seed_->value()));
    settings.planned = planned_;
    return settings;
}

void LossesDialog::addPlanned()
{
    LossSettings plan;
    plan.planned = planned_;
    const PlannedLoss loss{plannedWhat_->currentIndex() == 0 ? PlannedLoss::What::Packet
                                                             : PlannedLoss::What::Ack,
                           static_cast<std::int16_t>(plannedNumber_->value()),
                           static_cast<std::int16_t>(plannedTransmission_->value())};
    // A repeat, or an entry beyond a full plan, changes nothing.
    if (!plan.plan(loss)) return;
    planned_ = plan.planned;
    showPlan();
    plannedList_->setCurrentRow(plannedList_->count() - 1);
}

void LossesDialog::removePlanned()
{
    const int row = plannedList_->currentRow();
    if (row < 0 || row >= static_cast<int>(planned_.size())) return;
    planned_.erase(planned_.begin() + row);
    showPlan();
    plannedList_->setCurrentRow(std::min(row, plannedList_->count() - 1));
}

void LossesDialog::showPlan()
{
    plannedList_->clear();
    for (const PlannedLoss& loss : planned_)
        plannedList_->addItem(translation::shown(losses::describe(loss)));
    remove_->setEnabled(plannedList_->currentRow() >= 0);
}
