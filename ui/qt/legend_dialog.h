// View > Legend: what every cell colour, bar, frame and mark means, drawn in
// the palette and with the marks the window uses now.
#pragma once

#include <QDialog>

class QGridLayout;

class LegendDialog : public QDialog {
public:
    explicit LegendDialog(QWidget* parent = nullptr);

    // Draws the legend again for this palette and these marks.
    void showPalette(bool safeColours, bool stateMarks);

private:
    void addHeading(const QString& text);
    void addRow(QWidget* sample, const QString& meaning);

    QGridLayout* grid_ = nullptr;
    int rows_ = 0;
};
