#include "ui/qt/text_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

namespace text_dialog {

namespace {

struct Parts {
    QTextBrowser* text;
    QDialogButtonBox* buttons;
    QVBoxLayout* layout;
};

Parts build(QDialog& dialog, const QString& title, const QString& objectName)
{
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(title);
    auto* text = new QTextBrowser(&dialog);
    text->setObjectName(objectName + QStringLiteral("Text"));
    text->setFrameShape(QFrame::NoFrame);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);
    return {text, buttons, layout};
}

// Lines about 70 characters long, as tall as the text then is, and never
// larger than most of the screen: beyond that the text scrolls, and OK stays
// on the screen however long the text.
void fitToText(QDialog& dialog, const Parts& parts, QWidget* parent)
{
    QTextBrowser* text = parts.text;
    const int lineWidth = text->fontMetrics().averageCharWidth() * 70;
    // Measured on a copy: the browser lays its own document out to its
    // viewport, which is not yet sized.
    const std::unique_ptr<QTextDocument> measured(text->document()->clone());
    measured->setDefaultFont(text->font());
    measured->setTextWidth(lineWidth);
    measured->setTextWidth(std::max(lineWidth, static_cast<int>(std::ceil(measured->idealWidth()))));
    const QSize textSize(static_cast<int>(std::ceil(measured->size().width())),
                         static_cast<int>(std::ceil(measured->size().height())));
    const QMargins margins = parts.layout->contentsMargins();
    QSize size =
        textSize + QSize(margins.left() + margins.right() + text->verticalScrollBar()->sizeHint().width(),
                         margins.top() + margins.bottom() + parts.layout->spacing() +
                             parts.buttons->sizeHint().height() + 2 * text->frameWidth());
    if (const QScreen* screen = parent != nullptr ? parent->screen() : dialog.screen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    dialog.resize(size);
}

} // namespace

void exec(QWidget* parent, const QString& title, const QString& html, const QString& objectName)
{
    QDialog dialog(parent);
    const Parts parts = build(dialog, title, objectName);
    parts.text->setHtml(html);
    fitToText(dialog, parts, parent);
    dialog.exec();
}

QDialog* showPlain(QWidget* parent, const QString& title, const QString& text, const QString& objectName)
{
    auto* dialog = new QDialog(parent);
    const Parts parts = build(*dialog, title, objectName);
    parts.text->setPlainText(text); // never markup: no pictures, no links, nothing fetched
    parts.text->setOpenLinks(false);
    fitToText(*dialog, parts, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(false);
    dialog->show();
    return dialog;
}

} // namespace text_dialog
