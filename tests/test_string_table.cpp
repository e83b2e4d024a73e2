// The language file and the string table it fills.

#include <QtTest>

#include "languages/language_file.h"
#include "platform/failure.h"
#include "tests/support/test_support.h"
#include "ui/form1.h"

namespace {

std::string record(int length, const std::string& text)
{
    std::string bytes;
    bytes += char(length & 0xFF);
    bytes += char((length >> 8) & 0xFF);
    return bytes + text;
}

QString recordText(int r) { return QStringLiteral("R%1").arg(r); }

Form1 loadedFrom(const std::string& bytes)
{
    Form1 table;
    table.load(bytes, "test.qlk", 1250);
    return table;
}

} // namespace

class StringTableTest : public QObject {
    Q_OBJECT
private slots:
    void everyEntryReadsText1BeforeLoading()
    {
        Form1 table;
        for (int n = 1; n <= 134; ++n) QCOMPARE(table.text(n), QStringLiteral("Text1"));
        QVERIFY_THROWS_EXCEPTION(platform::Failure, table.text(0));
        QVERIFY_THROWS_EXCEPTION(platform::Failure, table.text(135));
    }

    void eachRecordFillsItsEntry_data()
    {
        QTest::addColumn<int>("recordNo");
        QTest::addColumn<int>("entry");
        const int pairs[][2] = {
            {1, 1},     {15, 15},   {16, 67},   {17, 16},   {46, 45},   {47, 66},   {48, 46},   {67, 65},   {68, 68},
            {79, 79},   {80, 130},  {82, 132},  {83, 80},   {95, 92},   {96, 95},   {97, 93},   {98, 94},   {99, 100},
            {100, 96},  {103, 99},  {104, 108}, {105, 101}, {111, 107}, {112, 109}, {118, 115}, {119, 117}, {120, 116},
            {121, 118}, {122, 119}, {123, 133}, {124, 120}, {130, 126}, {133, 129},
        };
        for (const auto& p : pairs) QTest::addRow("record %d -> Text%d", p[0], p[1]) << p[0] << p[1];
    }
    void eachRecordFillsItsEntry()
    {
        QFETCH(int, recordNo);
        QFETCH(int, entry);
        const Form1 table = loadedFrom(testing::languageFileBytes(recordText));
        QCOMPARE(table.text(entry), recordText(recordNo));
        QCOMPARE(langfile::entryForRecord(recordNo), entry);
    }

    void recordOrderIsAPermutationAndText134StaysUnfilled()
    {
        const Form1 table = loadedFrom(testing::languageFileBytes(recordText));
        QSet<QString> seen;
        for (int n = 1; n <= 133; ++n) {
            QVERIFY2(table.text(n).startsWith('R'), qPrintable(QStringLiteral("Text%1 not filled").arg(n)));
            seen.insert(table.text(n));
        }
        QCOMPARE(seen.size(), 133);
        QCOMPARE(table.text(134), QStringLiteral("Text1"));
    }

    void lengthsAtTheLimits()
    {
        std::string bytes = record(0, "") + record(32767, std::string(32767, 'x'));
        for (int r = 3; r <= 133; ++r) bytes += record(1, "y");
        const Form1 table = loadedFrom(bytes);
        QCOMPARE(table.text(1), QString());
        QCOMPARE(table.text(2).size(), 32767);
        QCOMPARE(table.text(129), QStringLiteral("y"));
    }

    void negativeLengthIsAFailureNamingFileAndRecord_data()
    {
        QTest::addColumn<QByteArray>("lengthBytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("FF FF is -1, not 65535") << QByteArray("\xFF\xFF", 2) << "-1";
        QTest::newRow("32768") << QByteArray("\x00\x80", 2) << "-32768";
    }
    void negativeLengthIsAFailureNamingFileAndRecord()
    {
        QFETCH(QByteArray, lengthBytes);
        QFETCH(QString, shown);
        std::string bytes;
        for (int r = 1; r <= 4; ++r) bytes += record(2, "ok");
        bytes += lengthBytes.toStdString() + std::string(100, 'z');
        Form1 table;
        try {
            table.load(bytes, "/opt/quelmarn/broken.qlk", 1250);
            QFAIL("a negative length was accepted");
        } catch (const platform::Failure& failure) {
            const QString message = QString::fromUtf8(failure.what());
            QVERIFY2(message.contains("/opt/quelmarn/broken.qlk"), qPrintable(message));
            QVERIFY2(message.contains("record 5"), qPrintable(message));
            QVERIFY2(message.contains(shown), qPrintable(message));
        }
    }

    void fileEndingEarlyLeavesTheRestEmpty()
    {
        std::string bytes;
        for (int r = 1; r <= 10; ++r) bytes += record(3, "abc");
        bytes += record(50, "only a part of record 11");
        const Form1 table = loadedFrom(bytes);
        QCOMPARE(table.text(10), QStringLiteral("abc"));
        QCOMPARE(table.text(11), QString()); // record 11, cut inside its text
        QCOMPARE(table.text(67), QString()); // record 16, never reached
        QCOMPARE(table.text(129), QString());

        const Form1 half = loadedFrom(record(1, "a") + "\x05"); // cut inside a length
        QCOMPARE(half.text(1), QStringLiteral("a"));
        QCOMPARE(half.text(2), QString());
        QCOMPARE(loadedFrom("").text(1), QString());
    }

    // Start-up goes on with such a file, and one line on standard error
    // says which file ended where.
    void fileEndingEarlySaysWhereItEnded_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");
        QTest::newRow("empty") << QByteArray() << "\"/opt/q/cut.qlk\" ends in record 1 of 133";
        QTest::newRow("cut inside a length")
            << QByteArray::fromStdString(record(1, "a") + "\x05") << "\"/opt/q/cut.qlk\" ends in record 2 of 133";
        QTest::newRow("cut inside record 133")
            << QByteArray::fromStdString(testing::languageFileBytes(recordText)).chopped(1)
            << "\"/opt/q/cut.qlk\" ends in record 133 of 133";
        QTest::newRow("complete") << QByteArray::fromStdString(testing::languageFileBytes(recordText)) << "";
    }
    void fileEndingEarlySaysWhereItEnded()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        const testing::ChildOutcome child = testing::runInChild([&] {
            Form1 table;
            table.load(bytes.toStdString(), "/opt/q/cut.qlk", 1250);
            return std::string("loaded");
        });
        QCOMPARE(child.result, std::string("loaded"));
        const QString standardError = QString::fromStdString(child.standardError);
        if (said.isEmpty()) {
            QCOMPARE(standardError, QString());
        } else {
            QCOMPARE(standardError.count('\n'), 1);
            QVERIFY2(standardError.contains(said), qPrintable(standardError));
        }
    }

    void bytesAfterTheLastRecordAreIgnored()
    {
        const std::string bytes = testing::languageFileBytes(recordText) + record(-1, "") + "garbage";
        QCOMPARE(loadedFrom(bytes).text(129), QStringLiteral("R133"));
    }

    void textIsDecodedFromTheCodePage()
    {
        std::string bytes = record(10,
                                   "\xC8"
                                   "e\x9Atina \xE8\xF8");
        for (int r = 2; r <= 133; ++r) bytes += record(0, "");
        Form1 table;
        table.load(bytes, "cz.qlk", 1250);
        QCOMPARE(table.text(1), QStringLiteral("Čeština čř"));
        table.load(bytes, "cz.qlk", 1251); // the same file on a Cyrillic system
        QCOMPARE(table.text(1), QStringLiteral("Иeљtina иш"));
    }

    void lineBreaksAreKept()
    {
        std::string bytes = record(4, "a\r\nb");
        for (int r = 2; r <= 133; ++r) bytes += record(0, "");
        QCOMPARE(loadedFrom(bytes).text(1), QStringLiteral("a\r\nb"));
    }

    void shippedLanguageFilesAreComplete_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("systemButton");
        QTest::addColumn<QString>("timeZoneButton");
        QTest::addColumn<QString>("totalPhysical"); // Text45, the prefix of lblTotalPhys
        QTest::newRow("czech") << "czech.qlk" << QStringLiteral("Systém") << QStringLiteral("Ćasové pásmo")
                               << QStringLiteral("Fyzická paměť celkem: ");
        QTest::newRow("english") << "english.qlk" << QStringLiteral("System") << QStringLiteral("Time zone")
                                 << QStringLiteral("Physical memory total: ");
        QTest::newRow("slovak") << "slovak.qlk" << QStringLiteral("Systém") << QStringLiteral("Časové pásmo")
                                << QStringLiteral("Fyzická pamäť spolu: ");
        QTest::newRow("hungarian") << "hungarian.qlk" << QStringLiteral("Rendszer") << QStringLiteral("Időzóna")
                                   << QStringLiteral("Teljes fizikai memória: ");
    }
    void shippedLanguageFilesAreComplete()
    {
        QFETCH(QString, file);
        QFETCH(QString, systemButton);
        QFETCH(QString, timeZoneButton);
        QFETCH(QString, totalPhysical);
        const std::string bytes = testing::readFile(testing::builtLanguageFolder() + "/" + file);
        QVERIFY(!bytes.empty());
        // Exactly 133 records and nothing after them.
        size_t pos = 0;
        for (int r = 1; r <= 133; ++r) {
            QVERIFY2(pos + 2 <= bytes.size(), qPrintable(QStringLiteral("ends before record %1").arg(r)));
            const int length = uint8_t(bytes[pos]) | (uint8_t(bytes[pos + 1]) << 8);
            QVERIFY2(length > 0 && length < 32768, qPrintable(QStringLiteral("record %1 is empty").arg(r)));
            pos += 2 + size_t(length);
        }
        QCOMPARE(pos, bytes.size());
        Form1 table;
        table.load(bytes, file.toStdString(), 1250);
        QCOMPARE(table.text(6), systemButton);
        QCOMPARE(table.text(65), timeZoneButton);
        QCOMPARE(table.text(45), totalPhysical);
        for (int n = 1; n <= 133; ++n)
            QVERIFY2(!table.text(n).contains(QChar(0xFFFD)), qPrintable(QStringLiteral("Text%1").arg(n)));
    }

    void czechFileCarriesTheDesignerTexts()
    {
        Form1 table;
        table.load(testing::readFile(testing::builtLanguageFolder() + "/czech.qlk"), "czech.qlk", 1250);
        QCOMPARE(table.text(16), QStringLiteral("Verze operačního systému:")); // record 17
        QCOMPARE(table.text(67), QStringLiteral("Operační systém"));           // record 16
        QCOMPARE(table.text(7), QStringLiteral("Soubory a složky "));
        QCOMPARE(table.text(118), QStringLiteral("Nastavení programu Quelmarn Manager"));
        QCOMPARE(table.text(31), QStringLiteral("Zprávně ukazuje, pouze pokud je myš nainstalována."));
        QVERIFY(table.text(123).startsWith(QStringLiteral("Překlady do Quelmarn Manageru")));
    }
};

QTEST_GUILESS_MAIN(StringTableTest)
#include "test_string_table.moc"
