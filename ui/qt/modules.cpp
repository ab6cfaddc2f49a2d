#include "ui/qt/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include "ui/qt/classroom_server.h"
#include "ui/qt/printing_module.h"

QFunctionPointer loadModuleEntry(const QString& file, const char* entry, QString* error)
{
    QStringList tried;
    for (const QString& folder :
         {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(SWD_INSTALLED_MODULES)),
          QStringLiteral(SWD_BUILT_MODULES)}) {
        const QString path = QDir::cleanPath(QDir(folder).filePath(file));
        if (!QFileInfo::exists(path)) continue;
        QLibrary library(path);
        if (const QFunctionPointer function = library.resolve(entry)) return function;
        tried << library.errorString();
    }
    if (error != nullptr)
        *error =
            QCoreApplication::translate("ClassroomSession", "Part of the program could not be loaded: %1")
                .arg(tried.isEmpty()
                         ? QCoreApplication::translate("ClassroomSession", "%1 is missing").arg(file)
                         : tried.join(QStringLiteral("; ")));
    return nullptr;
}

const ClassroomServerModule* loadClassroomServerModule(QString* error)
{
    const auto entry = reinterpret_cast<ClassroomServerModuleFunction>(
        loadModuleEntry(QStringLiteral("libsliding-window-classroom.so"), ClassroomServerModuleEntry, error));
    return entry != nullptr ? entry() : nullptr;
}

const PrintingModule* loadPrintingModule(QString* error)
{
    const auto entry = reinterpret_cast<PrintingModuleFunction>(
        loadModuleEntry(QStringLiteral("libsliding-window-printing.so"), PrintingModuleEntry, error));
    return entry != nullptr ? entry() : nullptr;
}
