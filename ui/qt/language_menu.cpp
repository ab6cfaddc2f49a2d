#include "ui/qt/language_menu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>

#include "frontend/languages.h"
#include "ui/qt/preferences.h"
#include "ui/qt/translation.h"

void addLanguageMenu(QMenu* view, QWidget& window, Preferences& preferences)
{
    QMenu* menu = view->addMenu(QObject::tr("&Language"));
    menu->setObjectName(QStringLiteral("menuLanguage"));
    auto* group = new QActionGroup(menu);
    const QString remembered = preferences.value(translation::PreferenceKey).toString();
    const auto add = [&](const QString& tag, const QString& name) {
        QAction* action = menu->addAction(name);
        action->setObjectName(QStringLiteral("actionLanguage_") +
                              (tag.isEmpty() ? QStringLiteral("system") : tag));
        action->setCheckable(true);
        action->setChecked(tag == remembered);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &window, [&window, &preferences, tag, name] {
            preferences.remember(translation::PreferenceKey, tag);
            if (translation::chosen(tag) == translation::current()) return;
            QMessageBox::information(&window, QObject::tr("Language"),
                                     QObject::tr("The program speaks %1 from its next start.").arg(name));
        });
    };
    add(QString(), QObject::tr("The system's language"));
    menu->addSeparator();
    for (const QString& tag : translation::available()) {
        const languages::Language* language = languages::find(tag.toStdString());
        if (language == nullptr) continue;
        add(tag,
            QString::fromUtf8(language->ownName.data(), static_cast<qsizetype>(language->ownName.size())));
    }
}
