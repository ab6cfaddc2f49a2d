// The link to the run on screen as a QR code big enough for a projector, so
// that a room full of phones opens the same run. The matrix comes from
// frontend/qr_code.h; this dialog only paints it.
#pragma once

#include <QDialog>
#include <QImage>

#include "frontend/qr_code.h"

class QLabel;

class QrDialog : public QDialog {
    Q_OBJECT
public:
    explicit QrDialog(QWidget* parent);
    // Shows `matrix` for `link`, as large as the screen comfortably allows.
    void showCode(const qr::Matrix& matrix, const QString& link);
    // The code as painted: one pixel a module, quiet zone included.
    static QImage picture(const qr::Matrix& matrix, int modulePixels);
    const QString& link() const { return link_; }

private:
    QLabel* code_;
    QLabel* caption_;
    QString link_;
};
