#include "CommandLine.h"

#include <QCoreApplication>

#include "common/AppInfo.h"
#include "platform/widgets/NativePlatform.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

QString usage(const QString& program)
{
    return Texts::tr("用法：%1 [选项] [目录...]\n"
                     "批量修改文件夹名称：把文件夹加入列表，选择规则，模拟修改后再确认修改。\n\n"
                     "选项：\n"
                     "  -h, --help       显示这段说明\n"
                     "  -v, --version    显示版本\n"
                     "  --subfolders     加入的是各目录的子目录，而不是目录本身\n"
                     "  --gather         与同时以此选项启动的程序合为一个窗口（右键菜单用）\n"
                     "  --               其后的参数都是目录，即使以“-”开头\n\n"
                     "参数：\n"
                     "  目录             启动时加入列表的目录\n")
        .arg(program);
}

} // namespace

CommandLineRequest ReadCommandLine(const QStringList& arguments, const QString& workingDirectory)
{
    using Action = CommandLineRequest::Action;
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s, u"?"_s});
    const QCommandLineOption version(QStringList{u"v"_s, u"version"_s});
    const QCommandLineOption subfolders(u"subfolders"_s);
    const QCommandLineOption gather(u"gather"_s);
    parser.addOptions({help, version, subfolders, gather});
    const QString program =
        arguments.isEmpty() ? u"folder-batch-rename"_s : QFileInfo(arguments.first()).fileName();
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        QString wrong = unknown.isEmpty()
                            ? parser.errorText()
                            : (unknown.first().size() == 1 ? u"-"_s : u"--"_s) + unknown.first();
        return {
            Action::Refuse,
            {},
            Texts::tr(
                "%1：未知的选项“%2”。\n以“-”开头的目录请写在“--”之后；用“%1 --help”查看用法。\n")
                .arg(program, wrong)};
    }
    if (parser.isSet(help))
        return {Action::Answer, {}, usage(program)};
    if (parser.isSet(version))
        return {Action::Answer, {}, AppInfo::title() + u' ' + AppInfo::versionString() + u'\n'};
    CommandLineRequest start{
        Action::Start, FolderArguments(parser.positionalArguments(), workingDirectory), {}};
    start.subfolders = parser.isSet(subfolders);
    start.gather = parser.isSet(gather);
    return start;
}

namespace {

// The path as the system reads it: the folders above the last component with links followed
// (so "L/../x", L a link, is x beside L's target, not beside L), the last component as given,
// so that a listed link stands for itself. Text alone decides where nothing can be read.
QString asTheSystemReadsIt(const QString& absolute)
{
    QString path = absolute;
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString last = path.mid(slash + 1);
    if (slash <= 0 || last == u"."_s || last == u".."_s) {
        const QString canonical = CanonicalPath(path);
        return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
    }
    QString parent = CanonicalPath(path.left(slash));
    if (parent.isEmpty())
        parent = QDir::cleanPath(path.left(slash));
    return parent.endsWith(u'/') ? parent + last : parent + u'/' + last;
}

} // namespace

QStringList FolderArguments(const QStringList& arguments, const QString& workingDirectory)
{
    const QDir base(workingDirectory);
    QStringList paths;
    paths.reserve(arguments.size());
    for (const QString& argument : arguments)
        paths.append(QDir::toNativeSeparators(asTheSystemReadsIt(base.absoluteFilePath(argument))));
    return paths;
}
