// Network -> Losses...: the losses the network deals to a run, at random
// (a rate for packets, one for ACKs, and the seed that decides which) and
// planned (a list of trips a teacher wants lost: "packet 5", "the ACK for
// packet 9"). The dialog only edits a LossSettings; its owner hands the
// result to the run's history or to a comparison.
//
// Object names, for tests: "packetPercent", "ackPercent", "seed",
// "plannedList", "plannedWhat", "plannedNumber", "plannedTransmission",
// "addPlanned", "removePlanned".
#pragma once

#include <QDialog>

#include "history/losses.h"

class QComboBox;
class QDoubleSpinBox;
class QListWidget;
class QPushButton;
class QSpinBox;

class LossesDialog : public QDialog {
    Q_OBJECT

public:
    LossesDialog(const LossSettings& settings, QWidget* parent = nullptr);

    // What the dialog shows now.
    LossSettings settings() const;

private:
    void addPlanned();
    void removePlanned();
    void showPlan();

    QSpinBox* packetPercent_;
    QSpinBox* ackPercent_;
    QDoubleSpinBox* seed_;
    QListWidget* plannedList_;
    QComboBox* plannedWhat_;
    QSpinBox* plannedNumber_;
    QSpinBox* plannedTransmission_;
    QPushButton* remove_;
    std::vector<PlannedLoss> planned_;
};
