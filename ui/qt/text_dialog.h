// A dialog of text with an OK button, as large as its text at the
// font the zoom gives it, up to most of the screen, and scrolling beyond that:
// help that grows with the zoom must still fit the screen it opens on.
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace text_dialog {

// Shows `html` and returns when the user closes it. The dialog is named
// `objectName`, its text browser `objectName` + "Text", for tests.
void exec(QWidget* parent, const QString& title, const QString& html, const QString& objectName);

// Shows `text` as plain text in a dialog of the same kind that is not modal
// and closes itself; returns it, already shown.
QDialog* showPlain(QWidget* parent, const QString& title, const QString& text, const QString& objectName);

} // namespace text_dialog
