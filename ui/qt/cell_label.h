// A strip cell: the packet number, and with state marks on, a small mark in
// its top-right corner that names the state without relying on colour.
#pragma once

#include <QLabel>
#include <QString>

class CellLabel : public QLabel {
public:
    using QLabel::QLabel;

    // An empty mark draws nothing.
    void setMark(const QString& mark, int pixels);
    const QString& mark() const { return mark_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString mark_;
    int markPixels_ = 0;
};
