#include "ui/qt/picture_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr std::pair<pictures::View, const char*> ViewTitles[] = {
    {pictures::View::Window, QT_TRANSLATE_NOOP("PictureDialog", "The window")},
    {pictures::View::Chart, QT_TRANSLATE_NOOP("PictureDialog", "The chart")},
    {pictures::View::Diagram, QT_TRANSLATE_NOOP("PictureDialog", "The time-sequence diagram")},
    {pictures::View::Table, QT_TRANSLATE_NOOP("PictureDialog", "The table of figures")},
};

QSpinBox* tickBox(std::int32_t first, std::int32_t last, std::int32_t value, const char* name)
{
    auto* box = new QSpinBox;
    box->setRange(first, last);
    box->setValue(value);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QSpinBox* sideBox(double value, const char* name)
{
    auto* box = new QSpinBox;
    box->setRange(static_cast<int>(pictures::SmallestSide), static_cast<int>(pictures::LargestSide));
    box->setValue(static_cast<int>(value));
    box->setSuffix(QStringLiteral(" px"));
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

PictureDialog::PictureDialog(Kind kind, std::int32_t first, std::int32_t last, QWidget* parent)
    : QDialog(parent), kind_(kind)
{
    setObjectName(QStringLiteral("pictureDialog"));
    auto* form = new QFormLayout;
    if (kind == Kind::RunPicture) {
        setWindowTitle(tr("Export Picture"));
        view_ = new QComboBox;
        view_->setObjectName(QStringLiteral("pictureView"));
        for (const auto& [view, title] : ViewTitles)
            view_->addItem(tr(title), static_cast<int>(view));
        view_->setCurrentIndex(1); // the chart, the picture a slide most often wants
        form->addRow(tr("&Show:"), view_);
    } else if (kind == Kind::ComparisonPicture) {
        setWindowTitle(tr("Export Comparison Picture"));
        auto* row = new QVBoxLayout;
        for (const auto& [view, title] : ViewTitles) {
            auto* box = new QCheckBox(tr(title));
            box->setObjectName(QStringLiteral("show_") + QString::fromLatin1(pictures::viewName(view)));
            box->setChecked(view != pictures::View::Diagram);
            row->addWidget(box);
            shown_.emplace_back(view, box);
        }
        form->addRow(tr("Show together:"), row);
    } else {
        setWindowTitle(tr("Export Handout"));
        paper_ = new QComboBox;
        paper_->setObjectName(QStringLiteral("handoutPaper"));
        paper_->addItem(tr("A4"), static_cast<int>(handout::Paper::A4));
        paper_->addItem(tr("Letter"), static_cast<int>(handout::Paper::Letter));
        form->addRow(tr("&Paper:"), paper_);
    }
    from_ = tickBox(first, last, first, "pictureFrom");
    to_ = tickBox(first, last, last, "pictureTo");
    auto* ticks = new QHBoxLayout;
    ticks->addWidget(from_);
    ticks->addWidget(new QLabel(tr("to")));
    ticks->addWidget(to_);
    form->addRow(tr("Ticks from:"), ticks);
    if (kind == Kind::Handout) {
        at_ = new QLineEdit;
        at_->setObjectName(QStringLiteral("handoutAt"));
        at_->setPlaceholderText(tr("four ticks spread over the range"));
        at_->setToolTip(tr("Up to four ticks, separated by commas, such as 0, 150, 300, 450"));
        at_->setMinimumWidth(at_->fontMetrics().horizontalAdvance(at_->placeholderText()) * 5 / 4);
        form->addRow(tr("&Window at ticks:"), at_);
    } else {
        width_ = sideBox(pictures::SlideWidth, "pictureWidth");
        height_ = sideBox(pictures::SlideHeight, "pictureHeight");
        auto* size = new QHBoxLayout;
        size->addWidget(width_);
        size->addWidget(new QLabel(QStringLiteral("\u00d7")));
        size->addWidget(height_);
        form->addRow(tr("Size:"), size);
        titled_ = new QCheckBox(tr("Title line: the run, its protocol, losses and ticks"));
        titled_->setObjectName(QStringLiteral("pictureTitled"));
        titled_->setChecked(true);
        form->addRow(titled_);
    }
    problem_ = new QLabel;
    problem_->setObjectName(QStringLiteral("pictureProblem"));
    problem_->setWordWrap(true);
    problem_->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &PictureDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PictureDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
}

void PictureDialog::chooseView(pictures::View view)
{
    if (view_ != nullptr) view_->setCurrentIndex(view_->findData(static_cast<int>(view)));
    for (const auto& [shown, box] : shown_)
        box->setChecked(shown == view);
}

std::vector<pictures::View> PictureDialog::views() const
{
    if (view_ != nullptr) return {static_cast<pictures::View>(view_->currentData().toInt())};
    std::vector<pictures::View> views;
    for (const auto& [view, box] : shown_)
        if (box->isChecked()) views.push_back(view);
    return views;
}

pictures::Request PictureDialog::pictureRequest() const
{
    pictures::Request request;
    request.from = std::min(from_->value(), to_->value());
    request.to = std::max(from_->value(), to_->value());
    if (width_ != nullptr) {
        request.width = width_->value();
        request.height = height_->value();
        request.titled = titled_->isChecked();
    }
    return request;
}

handout::Request PictureDialog::handoutRequest() const
{
    handout::Request request;
    request.from = std::min(from_->value(), to_->value());
    request.to = std::max(from_->value(), to_->value());
    if (paper_ != nullptr) request.paper = static_cast<handout::Paper>(paper_->currentData().toInt());
    if (at_ != nullptr && !at_->text().trimmed().isEmpty())
        request.at = handout::readTicks(at_->text().toStdString()).value_or(std::vector<std::int32_t>{});
    return request;
}

void PictureDialog::accept()
{
    std::string why;
    if (kind_ == Kind::ComparisonPicture && views().empty())
        why = tr("Choose at least one view to show.").toStdString();
    else if (at_ != nullptr && !at_->text().trimmed().isEmpty() &&
             !handout::readTicks(at_->text().toStdString(), &why))
        why = tr("Window at ticks: %1.").arg(QString::fromStdString(why)).toStdString();
    if (!why.empty()) {
        problem_->setText(QString::fromStdString(why));
        problem_->show();
        return;
    }
    QDialog::accept();
}
