// tscheck: lists what a translation source (.ts) leaves undone, so that a
// translator sees which program messages still show in English:
//   tscheck quelmarn_de.ts [more.ts ...]
// A message is undone when its translation is empty or marked unfinished,
// or when it drops or adds a placeholder (%1 ... %9) of the source, which
// would lose or garble a file name in the message. Messages lupdate marked
// vanished or obsolete are not used and not checked. Exit status 0 when
// nothing is undone, 1 when something is, 2 when a file cannot be read.

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <cstdio>

namespace {

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QSet<QString> found;
    for (auto it = marker.globalMatch(text); it.hasNext();) found.insert(it.next().captured());
    return found;
}

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;
};

void report(const QString& file, const Message& m, const char* what)
{
    std::printf("%s: %s [%s] \"%s\"\n", qPrintable(file), what, qPrintable(m.context), qPrintable(m.source));
}

// Returns the number of undone messages, or -1 when the file is unreadable.
int check(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tscheck: %s cannot be read: %s\n", qPrintable(file), qPrintable(in.errorString()));
        return -1;
    }
    QXmlStreamReader xml(&in);
    QString context;
    Message message;
    int undone = 0;
    int messages = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                message = Message{context, {}, {}, {}};
            else if (xml.name() == QLatin1String("source"))
                message.source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (message.type == QLatin1String("vanished") || message.type == QLatin1String("obsolete")) continue;
            ++messages;
            if (message.translation.isEmpty() || message.type == QLatin1String("unfinished")) {
                report(file, message, "untranslated");
                ++undone;
            } else if (placeholders(message.translation) != placeholders(message.source)) {
                report(file, message, "placeholders differ");
                ++undone;
            }
        }
    }
    if (xml.hasError()) {
        std::fprintf(stderr, "tscheck: %s is no translation source: %s (line %lld)\n", qPrintable(file),
                     qPrintable(xml.errorString()), xml.lineNumber());
        return -1;
    }
    std::printf("%s: %d of %d messages undone\n", qPrintable(file), undone, messages);
    return undone;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList files = app.arguments().mid(1);
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: tscheck FILE.ts [FILE.ts ...]\n");
        return 2;
    }
    int status = 0;
    for (const QString& file : files) {
        const int undone = check(file);
        if (undone < 0)
            status = 2;
        else if (undone > 0 && status == 0)
            status = 1;
    }
    return status;
}
