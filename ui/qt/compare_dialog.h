// Run -> Compare...: picks the two or three configurations a comparison
// runs side by side, each a protocol preset or the window's current
// settings, with the window's losses.
//
// Object names, for tests: "configuration_0" to "configuration_2" (the last
// may read "None").
#pragma once

#include <QDialog>
#include <vector>

#include "frontend/comparison.h"

class QComboBox;

class CompareDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* CurrentSettings = "Current settings";

    CompareDialog(const Form1& form, const LossSettings& losses, QWidget* parent = nullptr);

    // The configurations chosen, in order; two or three.
    std::vector<Comparison::Configuration> configurations() const;

private:
    const Form1& form_;
    std::vector<QComboBox*> choices_;
};
