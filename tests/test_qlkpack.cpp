// The translator's tool: unpacking gives back every shipped file byte for
// byte, and checking lists what would be lost or cut off.

#include <QtTest>

#include "languages/language_file.h"
#include "languages/language_source.h"
#include "languages/shipped_languages.h"
#include "platform/failure.h"
#include "tests/support/test_support.h"

namespace {

const QStringList shippedLanguages = [] {
    QStringList names;
    for (const languages::Shipped& language : languages::shipped) names << QLatin1String(language.name);
    return names;
}();

struct Run {
    int status;
    QString output; // standard output and error together
};

Run qlkpack(const QStringList& arguments)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(QStringLiteral(QLKPACK_PATH), arguments);
    if (!tool.waitForFinished(30000)) qFatal("qlkpack did not finish");
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1, QString::fromUtf8(tool.readAll())};
}

QString shippedSource(const QString& language)
{
    return QStringLiteral(QUELMARN_SOURCE_DIR "/languages/%1.txt").arg(language);
}

// The Czech source with each line "TextN ..." of `changes` put in place of
// its own, or taken out where the change is empty.
QString czechChanged(const QTemporaryDir& folder, const std::map<QString, QString>& changes)
{
    QString text = QString::fromStdString(testing::readFile(shippedSource("czech")));
    for (const auto& [entry, line] : changes) {
        const QRegularExpression own(QStringLiteral("^%1 .*\\n").arg(entry), QRegularExpression::MultilineOption);
        if (!text.contains(own)) qFatal("the Czech source has no %s", qPrintable(entry));
        text.replace(own, line.isEmpty() ? QString() : line + "\n");
    }
    const QString path = folder.filePath("changed.txt");
    testing::writeFile(path, text.toStdString());
    return path;
}

} // namespace

class QlkpackTest : public QObject {
    Q_OBJECT
private slots:
    void unpackingGivesBackEveryShippedFile()
    {
        QTemporaryDir folder;
        for (const QString& language : shippedLanguages) {
            const QString packed = testing::builtLanguageFolder() + "/" + language + ".qlk";
            const QString source = folder.filePath(language + ".txt");
            const QString again = folder.filePath(language + ".qlk");
            QCOMPARE(qlkpack({"--unpack", packed, source}).status, 0);
            QCOMPARE(qlkpack({source, again}).status, 0);
            QVERIFY2(testing::readFile(again) == testing::readFile(packed), qPrintable(language));
        }
    }

    void unpackingRefusesWhatItCannotGiveBack_data()
    {
        QTest::addColumn<QByteArray>("lastRecord"); // the last record's text, when it is changed
        QTest::addColumn<QByteArray>("tail");       // bytes after the last record
        QTest::addColumn<int>("cut");               // bytes cut from the end
        QTest::addColumn<QString>("reason");
        QTest::newRow("ends inside the last record") << QByteArray() << QByteArray() << 1 << "ends inside record 133";
        QTest::newRow("bytes after the last record") << QByteArray() << QByteArray("xy") << 0 << "2 bytes follow";
        QTest::newRow("a lone line feed") << QByteArray("a\nb") << QByteArray() << 0 << "line break other than CR LF";
        QTest::newRow("a byte 1250 does not define") << QByteArray("\x98") << QByteArray() << 0 << "does not define";
    }
    void unpackingRefusesWhatItCannotGiveBack()
    {
        QFETCH(QByteArray, lastRecord);
        QFETCH(QByteArray, tail);
        QFETCH(int, cut);
        QFETCH(QString, reason);
        const std::string whole = testing::readFile(testing::builtLanguageFolder() + "/czech.qlk");
        std::vector<std::string> records = langfile::readRecords(whole, "czech.qlk");
        if (!lastRecord.isNull()) records.back() = lastRecord.toStdString();
        std::string bytes = langfile::writeRecords(records) + tail.toStdString();
        bytes.resize(bytes.size() - size_t(cut));
        try {
            langsource::unpack(bytes, 1250, "damaged.qlk");
            QFAIL("unpacked");
        } catch (const platform::Failure& failure) {
            QVERIFY2(QString::fromUtf8(failure.what()).contains(reason), failure.what());
        }
    }

    void checkingListsEveryProblem_data()
    {
        QTest::addColumn<QStringList>("languages"); // shipped sources checked as they are
        QTest::addColumn<QStringList>("changes");   // or the Czech source with these lines
        QTest::addColumn<QStringList>("expected");  // every line qlkpack prints
        QTest::newRow("the shipped languages") << shippedLanguages << QStringList() << QStringList();
        QTest::newRow("missing entries") << QStringList() << QStringList{"Text5", "", "Text129", ""}
                                         << QStringList{"changed.txt: Text5 is missing",
                                                        "changed.txt: Text129 is missing"};
        QTest::newRow("characters code page 1250 cannot hold")
            << QStringList() << QStringList{"Text10", "Text10 \"Poznámky €\u20ac ☃ ø\""}
            << QStringList{"changed.txt: Text10 has \"☃\", which code page 1250 cannot hold",
                           "changed.txt: Text10 has \"ø\", which code page 1250 cannot hold"};
        QTest::newRow("a caption wider than its button")
            << QStringList() << QStringList{"Text6", "Text6 \"Systémové nástroje a nastavení\""}
            << QStringList{"Text6 \"Systémové nástroje a nastavení\" is "};
        QTest::newRow("a help text taller than its label")
            << QStringList() << QStringList{"Text123", "Text123 \"" + QString("Dlouhá nápověda. ").repeated(60) + "\""}
            << QStringList{"px of height; frm_nastav Frame2.Label12 holds"};
    }
    void checkingListsEveryProblem()
    {
        QFETCH(QStringList, languages);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, expected);
        QTemporaryDir folder;
        QStringList sources;
        for (const QString& language : languages) sources << shippedSource(language);
        if (!changes.isEmpty()) {
            std::map<QString, QString> lines;
            for (int i = 0; i + 1 < changes.size(); i += 2) lines[changes[i]] = changes[i + 1];
            sources << czechChanged(folder, lines);
        }
        for (const QString& source : sources) {
            const Run run = qlkpack({"--check", source});
            QStringList printed = run.output.split('\n', Qt::SkipEmptyParts);
            printed.removeIf([](const QString& line) { return line.startsWith("QStandardPaths:"); });
            QCOMPARE(run.status, expected.isEmpty() ? 0 : 1);
            QCOMPARE(printed.size(), expected.size());
            for (int i = 0; i < expected.size(); ++i)
                QVERIFY2(printed[i].contains(expected[i]), qPrintable(printed[i]));
        }
    }
};

QTEST_GUILESS_MAIN(QlkpackTest)
#include "test_qlkpack.moc"
