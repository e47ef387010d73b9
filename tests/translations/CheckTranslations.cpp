// Fails when a shipped translation is not whole: a message of the sources missing from it or left
// unfinished, a translation that drops or adds one of its source's markers, or a file that differs
// from what `update_translations` would write (a message whose source is gone).
//
//   hexlume_check_translations LUPDATE SOURCES.lst TS... -- LUPDATE-OPTIONS...

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

QStringList Markers(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9n]"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found << match.captured();
    found.removeDuplicates();
    found.sort();
    return found;
}

struct Message {
    QString context;
    QString source;
    QString type;
    QStringList forms;
};

std::vector<Message> ReadMessages(const QString& path)
{
    QFile file(path);
    std::vector<Message> messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            // A plain translation's text, or the forms of a numerus one that follow as children.
            QString text;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    message.forms << xml.readElementText();
                else if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
                    break;
            }
            if (message.forms.isEmpty())
                message.forms << text;
            messages.push_back(message);
        }
    }
    return messages;
}

int Check(const QString& lupdate, const QString& sources, const QString& tsPath, const QStringList& options)
{
    int faults = 0;
    const auto fault = [&faults, &tsPath](const QString& what) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(tsPath), qPrintable(what));
        ++faults;
    };
    QFile committed(tsPath);
    if (!committed.open(QIODevice::ReadOnly)) {
        fault(QStringLiteral("cannot be read"));
        return faults;
    }
    const QByteArray before = committed.readAll();

    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.ts"));
    QFile::copy(tsPath, copy);
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QProcess run;
    run.start(lupdate, QStringList(options) << QStringLiteral("-silent") << QLatin1Char('@') + sources
                                            << QStringLiteral("-ts") << copy);
    if (!run.waitForFinished(120000) || run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0) {
        fault(QStringLiteral("lupdate failed: ") + QString::fromLocal8Bit(run.readAllStandardError()));
        return faults;
    }
    QFile updated(copy);
    updated.open(QIODevice::ReadOnly);
    if (updated.readAll() != before)
        fault(QStringLiteral("differs from what update_translations writes: build that target and finish the file"));

    for (const Message& message : ReadMessages(copy)) {
        const QString where = QStringLiteral("[%1] \"%2\"").arg(message.context, message.source);
        if (!message.type.isEmpty()) {
            fault(where + QStringLiteral(" is ") + message.type);
            continue;
        }
        for (const QString& form : message.forms) {
            if (form.isEmpty())
                fault(where + QStringLiteral(" has an empty translation"));
            else if (Markers(form) != Markers(message.source))
                fault(where + QStringLiteral(" is translated with other markers: \"") + form + QLatin1Char('"'));
        }
    }
    return faults;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const qsizetype split = args.indexOf(QStringLiteral("--"));
    if (args.size() < 3 || split < 3) {
        std::fputs("usage: hexlume_check_translations LUPDATE SOURCES.lst TS... -- OPTIONS...\n", stderr);
        return 2;
    }
    const QStringList options = args.mid(split + 1);
    int faults = 0;
    for (const QString& ts : args.mid(2, split - 2))
        faults += Check(args[0], args[1], ts, options);
    if (faults != 0)
        std::fprintf(stderr, "%d translation faults\n", faults);
    return faults == 0 ? 0 : 1;
}
