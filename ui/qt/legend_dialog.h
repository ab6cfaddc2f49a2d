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
    // Draws the samples at `factor` times their size in the window, to go
    // with the zoom; the words follow the application's font.
    void setScale(double factor);

private:
    void addHeading(const QString& text);
    void addRow(QWidget* sample, const QString& meaning);

    QGridLayout* grid_ = nullptr;
    int rows_ = 0;
    double scale_ = 1.0;
    bool safeColours_ = false;
    bool stateMarks_ = false;
};
