// Asks what a picture or a handout shows before the file dialog asks where
// it goes: the view (or, for a comparison, the views together), the ticks,
// the size, whether it carries its title line; for a handout the paper and
// the ticks the window is shown at. Every field starts at what a slide or a
// page of the whole run needs, so OK alone gives a useful picture.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "frontend/handout.h"
#include "frontend/pictures.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

class PictureDialog : public QDialog {
    Q_OBJECT

public:
    enum class Kind { RunPicture, ComparisonPicture, Handout };

    // Ticks first..last are those the run (or comparison) keeps.
    PictureDialog(Kind kind, std::int32_t first, std::int32_t last, QWidget* parent);

    void chooseView(pictures::View view);
    std::vector<pictures::View> views() const;
    // The size, ticks and title asked for; the palette is the caller's.
    pictures::Request pictureRequest() const;
    // The paper, ticks and window ticks asked for; the palette is the caller's.
    handout::Request handoutRequest() const;

    void accept() override;

private:
    Kind kind_;
    QComboBox* view_ = nullptr;
    std::vector<std::pair<pictures::View, QCheckBox*>> shown_;
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
    QSpinBox* width_ = nullptr;
    QSpinBox* height_ = nullptr;
    QCheckBox* titled_ = nullptr;
    QComboBox* paper_ = nullptr;
    QLineEdit* at_ = nullptr;
    QLabel* problem_ = nullptr;
};
