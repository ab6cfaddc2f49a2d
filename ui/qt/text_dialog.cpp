#include "ui/qt/text_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <cmath>

namespace text_dialog {

void exec(QWidget* parent, const QString& title, const QString& html, const QString& objectName)
{
    QDialog dialog(parent);
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(title);
    auto* text = new QTextBrowser(&dialog);
    text->setObjectName(objectName + QStringLiteral("Text"));
    text->setFrameShape(QFrame::NoFrame);
    text->setHtml(html);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);

    // Lines about 70 characters long, and as tall as the text then is.
    const int lineWidth = text->fontMetrics().averageCharWidth() * 70;
    text->document()->setTextWidth(
        std::max(lineWidth, static_cast<int>(std::ceil(text->document()->idealWidth()))));
    const QSize textSize(static_cast<int>(std::ceil(text->document()->size().width())),
                         static_cast<int>(std::ceil(text->document()->size().height())));
    const QMargins margins = layout->contentsMargins();
    QSize size =
        textSize + QSize(margins.left() + margins.right() + text->verticalScrollBar()->sizeHint().width(),
                         margins.top() + margins.bottom() + layout->spacing() + buttons->sizeHint().height() +
                             2 * text->frameWidth());
    if (const QScreen* screen = parent != nullptr ? parent->screen() : dialog.screen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    dialog.resize(size);
    dialog.exec();
}

} // namespace text_dialog
