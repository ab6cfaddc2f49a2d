// View > Language: the languages the program speaks, each by its own name,
// so that a reader finds theirs whatever language is on screen, and the
// system's. The choice is remembered and taken up at the next start, when
// every window is built in the language.
#pragma once

class Preferences;
class QMenu;
class QWidget;

void addLanguageMenu(QMenu* view, QWidget& window, Preferences& preferences);
