// A transparent sheet over the client area for what the view draws on top of
// every control: the keyboard's pick, focus rings, held and lost packets.
// Clicks pass through it to the controls below.
#pragma once

#include <QPainter>
#include <QWidget>
#include <functional>
#include <utility>

class PaintLayer : public QWidget {
public:
    using Painter = std::function<void(QPainter&)>;

    PaintLayer(QWidget* parent, Painter paint) : QWidget(parent), paint_(std::move(paint))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paint_(painter);
    }

private:
    Painter paint_;
};
