// One way to add a menu item, so that every item has its object name (tests
// and the keys list find items by it) and its keys.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>

inline QAction* addMenuAction(QMenu* menu, const QString& name, const QString& text, const QKeySequence& keys)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(keys);
    return action;
}
