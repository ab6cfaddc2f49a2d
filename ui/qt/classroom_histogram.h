// The room's answers as the projector shows them on Reveal: one bar per
// choice, as long as its share of the largest count, with its count and
// percentage; the right choice in its own colour and marked in words too, so
// that the mark survives any projector's colours.
#pragma once

#include <QWidget>

#include "frontend/classroom_room.h"

class ClassroomHistogram : public QWidget {
    Q_OBJECT

public:
    explicit ClassroomHistogram(QWidget* parent = nullptr);
    void setHistogram(const classroom::Histogram& histogram);
    const classroom::Histogram& histogram() const { return histogram_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    classroom::Histogram histogram_;
};
