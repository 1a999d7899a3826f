#include "ApplicationSetup.h"

#include "common/AppInfo.h"
#include "common/ProgramIcon.h"
#include "platform/widgets/NativePlatform.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

void SetUpNameAndTexts(QCoreApplication& application)
{
    application.setApplicationName(AppInfo::title);
    application.setApplicationVersion(AppInfo::versionString());

    // The interface is Chinese whatever the system's language, so Qt's own buttons are too.
    // Qt's own place for them, or beside the program, where a Windows program carries them.
    auto* translator = new QTranslator(&application);
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + u"/translations"_s}) {
        if (translator->load(QLocale(QLocale::Chinese, QLocale::China), u"qtbase"_s, u"_"_s,
                             folder)) {
            QCoreApplication::installTranslator(translator);
            break;
        }
    }
}

void SetUpApplication(QApplication& application)
{
    SetUpNameAndTexts(application);
    application.setDesktopFileName(u"folder-batch-rename"_s);
    application.setWindowIcon(ProgramIcon());

    // The desktop's family for what it can show, Chinese families for the rest; the size the
    // fixed layouts are drawn for (at 11 pt their captions no longer fit).
    QFont font = QApplication::font();
    font.setFamilies(QStringList{font.family()} << InterfaceFontFamilies());
    font.setPointSize(9);
    QApplication::setFont(font);
}
