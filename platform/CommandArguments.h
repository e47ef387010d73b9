#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include <string>

// Both programs read their command lines with QCommandLineParser. A Linux argument is bytes,
// not text: each byte goes in as one Latin-1 character and comes out as that byte again, so a
// file name that is not valid UTF-8 reaches the file system unchanged.
namespace hexlume {

inline QStringList ArgumentList(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(QString::fromLatin1(argv[i]));
    return arguments;
}

inline std::string ArgumentBytes(const QString& argument)
{
    return argument.toLatin1().toStdString();
}

// How often an option is given, under any of its names.
inline qsizetype TimesGiven(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    qsizetype count = 0;
    for (const QString& name : option.names())
        count += parser.optionNames().count(name);
    return count;
}

}  // namespace hexlume
