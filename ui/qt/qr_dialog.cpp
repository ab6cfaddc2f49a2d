#include "ui/qt/qr_dialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

QrDialog::QrDialog(QWidget* parent) : QDialog(parent), code_(new QLabel(this)), caption_(new QLabel(this))
{
    setObjectName(QStringLiteral("qrDialog"));
    setWindowTitle(tr("Link as QR Code"));
    code_->setObjectName(QStringLiteral("qrCode"));
    code_->setAlignment(Qt::AlignCenter);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Beside the code, for a slide or an e-mail rather than a phone.
    QPushButton* copy = buttons->addButton(tr("&Copy Link"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("qrCopyLink"));
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(link_); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(code_, 1);
    layout->addWidget(caption_);
    layout->addWidget(buttons);
}

QImage QrDialog::picture(const qr::Matrix& matrix, int modulePixels)
{
    const int side = (matrix.size + 2 * qr::QuietZone) * modulePixels;
    QImage image(side, side, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < matrix.size; ++y)
        for (int x = 0; x < matrix.size; ++x)
            if (matrix.at(x, y))
                for (int dy = 0; dy < modulePixels; ++dy)
                    for (int dx = 0; dx < modulePixels; ++dx)
                        image.setPixel((x + qr::QuietZone) * modulePixels + dx,
                                       (y + qr::QuietZone) * modulePixels + dy, 1);
    return image;
}

void QrDialog::showCode(const qr::Matrix& matrix, const QString& link)
{
    link_ = link;
    // Whole pixels a module keep every edge sharp; three quarters of the
    // screen's height leaves room for the caption and the button.
    const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : nullptr;
    const int room = screen != nullptr ? screen->availableGeometry().height() * 3 / 4 : 600;
    const int modulePixels = std::max(2, room / (matrix.size + 2 * qr::QuietZone));
    code_->setPixmap(QPixmap::fromImage(picture(matrix, modulePixels)));
    code_->setAccessibleName(tr("QR code of the link to this run"));
    caption_->setText(tr("Scan to open this run on a phone (%1 characters).").arg(link.size()));
    caption_->setToolTip(link);
    adjustSize();
}
