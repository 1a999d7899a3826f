#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

bool AsksForHelpOrVersion(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "--help-all" ||
            argument == "-v" || argument == "--version" || argument == "-?")
            return true;
    }
    return false;
}

QStringList ParseCommandLine(QCoreApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"批量修改文件夹名称：把文件夹加入列表，选择规则，模拟修改后再确认修改。"_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(u"目录"_s, u"启动时加入列表的目录。"_s, u"[目录...]"_s);
    parser.process(application);
    return FolderArguments(parser.positionalArguments(), QDir::currentPath());
}

QStringList FolderArguments(const QStringList& arguments, const QString& workingDirectory)
{
    const QDir base(workingDirectory);
    QStringList paths;
    paths.reserve(arguments.size());
    for (const QString& argument : arguments)
        paths.append(QDir::toNativeSeparators(QDir::cleanPath(base.absoluteFilePath(argument))));
    return paths;
}
