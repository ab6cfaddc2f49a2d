#include "ui/qt/lessons_dialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "history/lessons.h"
#include "ui/qt/translation.h"

LessonsDialog::LessonsDialog(QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), note_(new QLabel(this))
{
    setObjectName(QStringLiteral("lessonsDialog"));
    setWindowTitle(tr("Lessons"));
    list_->setObjectName(QStringLiteral("lessonList"));
    for (const LessonEntry& lesson : lessonList()) {
        auto* item = new QListWidgetItem(translation::shown(lesson.title), list_);
        item->setData(Qt::UserRole, QString::fromStdString(lesson.name));
    }
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);
    // In lines and characters of the font, which grows with the zoom.
    const QFontMetrics metrics = fontMetrics();
    note_->setMinimumHeight(metrics.lineSpacing() * 7);
    note_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(note_);
    layout->addWidget(buttons);
    QSize size(metrics.averageCharWidth() * 80, metrics.lineSpacing() * 26);
    if (const QScreen* screen = parent != nullptr ? parent->screen() : this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);

    const auto open = [this] {
        if (const QListWidgetItem* item = list_->currentItem()) {
            emit lessonChosen(item->data(Qt::UserRole).toString());
            accept();
        }
    };
    connect(list_, &QListWidget::currentRowChanged, this, &LessonsDialog::showNote);
    connect(list_, &QListWidget::itemActivated, this, open);
    connect(buttons, &QDialogButtonBox::accepted, this, open);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    list_->setCurrentRow(0);
}

void LessonsDialog::showNote()
{
    const QListWidgetItem* item = list_->currentItem();
    if (item == nullptr) return;
    const RunFileResult read = loadLesson(item->data(Qt::UserRole).toString().toStdString());
    note_->setText(translation::shown(read.script ? read.script->note : read.error));
}
