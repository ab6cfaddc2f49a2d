// Help -> Lessons: the built-in lessons with their notes, one of which the
// teacher opens.
#pragma once

#include <QDialog>
#include <string>

class QListWidget;
class QLabel;

class LessonsDialog : public QDialog {
    Q_OBJECT

public:
    explicit LessonsDialog(QWidget* parent = nullptr);

signals:
    void lessonChosen(const QString& name);

private:
    void showNote();

    QListWidget* list_;
    QLabel* note_;
};
