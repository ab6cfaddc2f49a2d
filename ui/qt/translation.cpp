#include "ui/qt/translation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTranslator>
#include <optional>
#include <string>
#include <vector>

#include "frontend/catalogue.h"
#include "frontend/languages.h"

namespace translation {

namespace {

// The shared texts reach the catalogue through Qt's own translation, in
// this context, so that the one installed translator serves every window.
constexpr char SharedContext[] = "shared";

QString fileStem(std::string_view tag)
{
    const languages::Language* language = languages::find(tag);
    const std::string_view suffix = language != nullptr ? language->fileSuffix : tag;
    return QStringLiteral(":/i18n/sliding-window-demo_") +
           QString::fromUtf8(suffix.data(), static_cast<qsizetype>(suffix.size()));
}

// Answers the shared texts from the language's catalogue and, in the test
// language, every text of the window as well.
class CatalogueTranslator : public QTranslator {
public:
    CatalogueTranslator(texts::Catalogue catalogue, bool everything, QObject* parent)
        : QTranslator(parent), catalogue_(std::move(catalogue)), everything_(everything)
    {
    }

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        static_cast<void>(disambiguation);
        static_cast<void>(n);
        if (source == nullptr || *source == '\0') return {};
        if (everything_ || qstrcmp(context, SharedContext) == 0)
            return QString::fromStdString(catalogue_.text(source));
        return {};
    }

    bool isEmpty() const override { return false; }

private:
    texts::Catalogue catalogue_;
    bool everything_;
};

std::string asStd(const QString& text) { return text.toStdString(); }

} // namespace

QStringList available()
{
    QStringList tags{QString::fromUtf8(languages::English.data())};
    for (const languages::Language& language : languages::Shipped) {
        const QString tag =
            QString::fromUtf8(language.tag.data(), static_cast<qsizetype>(language.tag.size()));
        if (language.tag != languages::English &&
            QFile::exists(fileStem(language.tag) + QStringLiteral(".json")))
            tags << tag;
    }
    return tags;
}

QString chosen(const QString& wanted)
{
    const QStringList speaks = available();
    if (wanted == QString::fromUtf8(languages::Pseudo.data())) return wanted;
    if (const auto language = languages::shipped(asStd(wanted)); language) {
        const QString tag = QString::fromUtf8(language->data(), static_cast<qsizetype>(language->size()));
        if (speaks.contains(tag)) return tag;
    }
    for (const QString& system : QLocale().uiLanguages()) {
        if (const auto language = languages::shipped(asStd(system)); language) {
            const QString tag = QString::fromUtf8(language->data(), static_cast<qsizetype>(language->size()));
            if (speaks.contains(tag)) return tag;
        }
    }
    return speaks.front();
}

void install(QApplication& application, const QString& tag)
{
    const std::string language = asStd(tag);
    if (language == languages::Pseudo) {
        application.installTranslator(
            new CatalogueTranslator(texts::Catalogue::pseudo(), true, &application));
        application.setProperty("swdLanguage", tag);
        return;
    }
    if (language == languages::English || !available().contains(tag)) return;
    auto* windowTexts = new QTranslator(&application);
    if (windowTexts->load(fileStem(language) + QStringLiteral(".qm")))
        application.installTranslator(windowTexts);
    QFile shared(fileStem(language) + QStringLiteral(".json"));
    if (shared.open(QIODevice::ReadOnly)) {
        const QByteArray json = shared.readAll();
        if (std::optional<texts::Catalogue> catalogue = texts::Catalogue::fromJson(
                std::string_view(json.constData(), static_cast<std::size_t>(json.size()))))
            application.installTranslator(
                new CatalogueTranslator(std::move(*catalogue), false, &application));
    }
    application.setProperty("swdLanguage", tag);
    if (languages::rightToLeft(language)) QApplication::setLayoutDirection(Qt::RightToLeft);
}

QString current()
{
    const QVariant tag = qApp != nullptr ? qApp->property("swdLanguage") : QVariant();
    return tag.isValid() ? tag.toString() : QString::fromUtf8(languages::English.data());
}

QString shown(std::string_view english)
{
    const std::string text(english);
    return QCoreApplication::translate(SharedContext, text.c_str());
}

} // namespace translation
