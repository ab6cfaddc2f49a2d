// The language the window speaks.
//
// The window's own texts are tr() texts, translated by the .qm file lrelease
// makes of the language's Linguist file; the shared code's texts (the status
// line, refusals, the legend, practice, the chart's names, the run's
// figures) are built in English and shown through `shown()`, which finds
// them in the language's catalogue (frontend/catalogue.h). Both files are
// built into the program (:/i18n/), one pair per shipped language.
//
// The language is chosen once, before the window is built: the one the
// reader picked under View > Language, else the system's first that the
// program speaks, else English. "x-pseudo" (the environment's
// SLIDING_WINDOW_DEMO_LANGUAGE or a remembered choice) is the test
// language, every text accented and longer.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

class QApplication;

namespace translation {

// The preference that holds the reader's choice ("" or none: the system's).
inline constexpr char PreferenceKey[] = "view/language";

// The tags of the languages built into the program, English first.
QStringList available();
// The language to speak: `wanted` when the program speaks it, else the
// system's, else English.
QString chosen(const QString& wanted);
// Makes `application` speak `tag`: its translators, and right to left for Arabic.
void install(QApplication& application, const QString& tag);
// The language installed (English before `install`).
QString current();

// A text of the shared code, as the reader reads it: translated when the
// catalogue knows it or the pattern it was filled from, else as it is.
QString shown(std::string_view english);

} // namespace translation
