#include "ui/qt/compare_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "frontend/protocol_presets.h"
#include "ui/qt/translation.h"

namespace {

// The comparison a course makes first: the line wasted, a window paid for a
// loss, one packet paid for it.
constexpr std::array<const char*, Comparison::MostConfigurations> Defaults = {"stop-and-wait", "go-back-n",
                                                                              "selective-repeat"};
const QString None = QStringLiteral("none");

} // namespace

CompareDialog::CompareDialog(const Form1& form, const LossSettings& losses, QWidget* parent)
    : QDialog(parent), form_(form)
{
    setObjectName(QStringLiteral("compareDialog"));
    setWindowTitle(tr("Compare"));
    auto* choices = new QFormLayout;
    for (std::size_t i = 0; i < Comparison::MostConfigurations; ++i) {
        auto* choice = new QComboBox(this);
        choice->setObjectName(QStringLiteral("configuration_%1").arg(i));
        if (i >= Comparison::FewestConfigurations) choice->addItem(tr("None"), None);
        for (const presets::ProtocolPreset& preset : presets::protocolPresets())
            choice->addItem(QString::fromUtf8(preset.title), QString::fromUtf8(preset.name));
        choice->addItem(tr(CurrentSettings), QString());
        choice->setCurrentIndex(choice->findData(QString::fromUtf8(Defaults[i])));
        choices->addRow(tr("Configuration &%1:").arg(i + 1), choice);
        choices_.push_back(choice);
    }
    auto* lossLine =
        new QLabel(translation::shown(losses::summary(losses)) +
                       tr(" (Network \u2192 Losses\u2026 changes them, here or in the comparison)"),
                   this);
    lossLine->setTextFormat(Qt::PlainText);
    lossLine->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Run these side by side from one clock, with the same losses:"), this));
    layout->addLayout(choices);
    layout->addWidget(lossLine);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::vector<Comparison::Configuration> CompareDialog::configurations() const
{
    std::vector<Comparison::Configuration> chosen;
    for (const QComboBox* choice : choices_) {
        const QString name = choice->currentData().toString();
        if (name == None) continue;
        chosen.push_back(name.isEmpty() ? Comparison::configurationOf(form_, CurrentSettings)
                                        : Comparison::presetConfiguration(name.toStdString()));
    }
    return chosen;
}
