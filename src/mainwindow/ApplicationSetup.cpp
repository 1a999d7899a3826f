#include "ApplicationSetup.h"

#include "common/AppInfo.h"
#include "common/InterfaceLanguage.h"
#include "common/ProgramIcon.h"
#include "platform/widgets/NativePlatform.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// The desktop's family for what it can show, Chinese families for the rest; the size the
// fixed layouts are drawn for (at 11 pt their captions no longer fit).
void UseInterfaceFont(bool traditionalChinese)
{
    QFont font = QApplication::font();
    font.setFamilies(QStringList{font.families().value(0, font.family())}
                     << InterfaceFontFamilies(traditionalChinese));
    font.setPointSize(9);
    QApplication::setFont(font);
}

} // namespace

void SetUpName(QCoreApplication& application)
{
    // The settings' place comes from this name: it never changes with the language.
    application.setApplicationName(AppInfo::programName);
    application.setApplicationVersion(AppInfo::versionString());
}

void UseLanguage(QCoreApplication& application, InterfaceLanguage language)
{
    if (language == InterfaceLanguage::FollowSystem)
        language = LanguageForSystem(QLocale::system().uiLanguages());
    const QString code = LanguageCode(language);
    for (QTranslator* earlier : application.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly))
        delete earlier; // which takes it out of the application's translators

    if (qobject_cast<QApplication*>(&application))
        UseInterfaceFont(language == InterfaceLanguage::TraditionalChinese);
    // The program's texts are written in Simplified Chinese: only the others are loaded.
    if (language != InterfaceLanguage::SimplifiedChinese) {
        auto* texts = new QTranslator(&application);
        if (texts->load(u":/i18n/folder-batch-rename_"_s + code))
            QCoreApplication::installTranslator(texts);
    }
    // Qt's own buttons in the same language, from Qt's own place or from beside the program,
    // where a Windows program carries them.
    auto* qtTexts = new QTranslator(&application);
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + u"/translations"_s}) {
        if (qtTexts->load(u"qtbase_"_s + code, folder)) {
            QCoreApplication::installTranslator(qtTexts);
            break;
        }
    }
}

void SetUpApplication(QApplication& application)
{
    SetUpName(application);
    application.setDesktopFileName(u"folder-batch-rename"_s);
    application.setWindowIcon(ProgramIcon());

    UseInterfaceFont(false);

    // Qt's Windows styles draw light whatever the system says; Fusion follows a palette.
    if (SystemAppsAreDark()) {
        QApplication::setStyle(u"Fusion"_s);
        QApplication::setPalette(DarkPalette());
    }
}

QPalette DarkPalette()
{
    const QColor window(0x2d, 0x2d, 0x2d), base(0x1e, 0x1e, 0x1e), button(0x3a, 0x3a, 0x3a);
    const QColor text(0xf0, 0xf0, 0xf0), disabledText(0x80, 0x80, 0x80);
    const QColor highlight(0x26, 0x6e, 0xc2);
    QPalette palette;
    // Every role set by name: only those are kept over the system's light ones.
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, window},
        {QPalette::WindowText, text},
        {QPalette::Base, base},
        {QPalette::AlternateBase, window},
        {QPalette::Text, text},
        {QPalette::Button, button},
        {QPalette::ButtonText, text},
        {QPalette::BrightText, Qt::white},
        {QPalette::Light, button.lighter(150)},
        {QPalette::Midlight, button.lighter(125)},
        {QPalette::Mid, button.darker(125)},
        {QPalette::Dark, button.darker(150)},
        {QPalette::Shadow, Qt::black},
        {QPalette::ToolTipBase, window},
        {QPalette::ToolTipText, text},
        {QPalette::PlaceholderText, disabledText},
        {QPalette::Highlight, highlight},
        {QPalette::HighlightedText, Qt::white},
        {QPalette::Link, highlight.lighter(140)},
        {QPalette::LinkVisited, highlight.lighter(120)},
    };
    for (const auto& [role, colour] : roles)
        palette.setColor(role, colour);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    return palette;
}
