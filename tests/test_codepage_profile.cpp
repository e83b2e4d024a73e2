// Code-page conversion and the INI (profile) file code.

#include <QTemporaryDir>
#include <QtTest>
#include <optional>
#include <sys/stat.h>

#include "platform/failure.h"
#include "platform/sys/codepage.h"
#include "platform/sys/file_operations.h"
#include "platform/sys/profile.h"
#include "tests/support/test_support.h"

using namespace platform;

class CodepageProfileTest : public QObject {
    Q_OBJECT
private slots:
    void localeMapsToWindowsCodePage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("codePage");
        QTest::newRow("czech") << "cs_CZ.UTF-8" << 1250;
        QTest::newRow("slovak") << "sk_SK" << 1250;
        QTest::newRow("russian") << "ru_RU.UTF-8" << 1251;
        QTest::newRow("greek") << "el_GR" << 1253;
        QTest::newRow("turkish") << "tr_TR.UTF-8" << 1254;
        QTest::newRow("baltic") << "lt_LT" << 1257;
        QTest::newRow("japanese") << "ja_JP.UTF-8" << 932;
        QTest::newRow("simplified chinese") << "zh_CN.UTF-8" << 936;
        QTest::newRow("traditional chinese") << "zh_TW.UTF-8" << 950;
        QTest::newRow("hong kong") << "zh_HK" << 950;
        QTest::newRow("english") << "en_US.UTF-8" << 1252;
        QTest::newRow("C") << "C" << 1250;
        QTest::newRow("C.UTF-8") << "C.UTF-8" << 1250;
        QTest::newRow("POSIX") << "POSIX" << 1250;
        QTest::newRow("empty") << "" << 1250;
    }
    void localeMapsToWindowsCodePage()
    {
        QFETCH(QString, locale);
        QFETCH(int, codePage);
        QCOMPARE(codepage::codePageForLocale(locale.toStdString()), codePage);
    }

    void forcedCodePageOverridesTheLocale()
    {
        QCOMPARE(codepage::ansiCodePage("1251"), 1251);
        QVERIFY_THROWS_EXCEPTION(Failure, codepage::ansiCodePage("cyrillic"));
        QCOMPARE(codepage::ansiCodePage(""), 1250); // the tests run under LC_ALL=C
    }

    void czechDecodesFrom1250()
    {
        // "Příliš žluťoučký kůň" in Windows-1250.
        const std::string bytes = "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2";
        QCOMPARE(QString::fromStdString(codepage::toUtf8(bytes, 1250)), QStringLiteral("Příliš žluťoučký kůň"));
        // The same bytes read under Western European differ: the file is
        // only right on a system with its code page.
        QVERIFY(QString::fromStdString(codepage::toUtf8(bytes, 1252)) != QStringLiteral("Příliš žluťoučký kůň"));
    }

    void undefinedBytesBecomeReplacementCharacters()
    {
        // 0x98 is undefined in Windows-1250; a lone DBCS lead byte ends a
        // Japanese text early.
        QCOMPARE(QString::fromStdString(codepage::toUtf8("a\x98"
                                                         "b",
                                                         1250)),
                 QStringLiteral("a\uFFFDb"));
        QCOMPARE(QString::fromStdString(codepage::toUtf8("\x93\xfa\x96\x7b\x82", 932)), QStringLiteral("日本\uFFFD"));
    }

    // Nothing is lost at the end of a text or before an undefined byte, in
    // any code page the locale can choose, and every text a file decodes to
    // is stored back unchanged.
    void everyCodePageKeepsEveryCharacter_data()
    {
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QString>("sample");
        QTest::newRow("1250") << 1250 << QStringLiteral("Příliš žluťoučký kůň");
        QTest::newRow("1251") << 1251 << QStringLiteral("Привет мир");
        QTest::newRow("1252") << 1252 << QStringLiteral("Größe café");
        QTest::newRow("1253") << 1253 << QStringLiteral("Καλημέρα");
        QTest::newRow("1254") << 1254 << QStringLiteral("Günaydın");
        QTest::newRow("1255") << 1255 << QStringLiteral("שלום עולם");
        QTest::newRow("1256") << 1256 << QStringLiteral("مرحبا");
        QTest::newRow("1257") << 1257 << QStringLiteral("Labdien ąčę");
        QTest::newRow("1258") << 1258 << QStringLiteral("Tiếng Việt");
        QTest::newRow("874") << 874 << QStringLiteral("สวัสดี");
        QTest::newRow("932") << 932 << QStringLiteral("日本語");
        QTest::newRow("936") << 936 << QStringLiteral("中文");
        QTest::newRow("949") << 949 << QStringLiteral("한국어");
        QTest::newRow("950") << 950 << QStringLiteral("中文字");
    }
    void everyCodePageKeepsEveryCharacter()
    {
        QFETCH(int, codePage);
        QFETCH(QString, sample);
        for (const QString& text : {sample, sample + QStringLiteral(" Ahoj"), QStringLiteral("Ahoj")}) {
            const codepage::Encoded encoded = codepage::fromUtf8(text.toStdString(), codePage);
            QVERIFY(encoded.unstorable.empty());
            QCOMPARE(QString::fromStdString(codepage::toUtf8(encoded.bytes, codePage)), text);
        }
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const std::string bytes = std::string("Ahoj") + char(byte) + " ";
            const std::string decoded = codepage::toUtf8(bytes, codePage);
            QVERIFY2(QString::fromStdString(decoded).startsWith(QStringLiteral("Ahoj")),
                     qPrintable(QString::number(byte, 16)));
            if (QString::fromStdString(decoded).contains(QChar(0xFFFD))) continue;
            const codepage::Encoded again = codepage::fromUtf8(decoded, codePage);
            QVERIFY(again.unstorable.empty());
            QCOMPARE(codepage::toUtf8(again.bytes, codePage), decoded);
        }
    }

    void encodingReportsWhatItCannotStore()
    {
        const codepage::Encoded czech = codepage::fromUtf8("Ćasové pásmo", 1250);
        QVERIFY(czech.unstorable.empty());
        QCOMPARE(czech.bytes,
                 std::string("\xC6"
                             "asov\xE9 p\xE1smo"));

        const codepage::Encoded mixed = codepage::fromUtf8("a€日b", 1250);
        QCOMPARE(mixed.unstorable.size(), size_t(1));
        QCOMPARE(QString::fromStdString(mixed.unstorable[0]), QStringLiteral("日"));
        QCOMPARE(mixed.bytes, std::string("a\x80?b"));
    }

    void findsValuesCaseInsensitively_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("expected"); // "<none>" for absent
        QTest::newRow("plain") << "[OPTIONS]\nlokalizace=english.qlk\n"
                               << "english.qlk";
        QTest::newRow("case") << "[options]\nLOKALIZACE=english.qlk\n"
                              << "english.qlk";
        QTest::newRow("blanks and CRLF") << "  [ Options ]\r\n  Lokalizace =  a b.qlk  \r\n"
                                         << "a b.qlk";
        QTest::newRow("quoted") << "[OPTIONS]\nlokalizace=\"x.qlk\"\n"
                                << "x.qlk";
        QTest::newRow("empty value") << "[OPTIONS]\nlokalizace=\n"
                                     << "";
        QTest::newRow("other section") << "[OTHER]\nlokalizace=x.qlk\n[OPTIONS]\nkey=1\n"
                                       << "<none>";
        QTest::newRow("no section") << "lokalizace=x.qlk\n"
                                    << "<none>";
        QTest::newRow("commented") << "[OPTIONS]\n;lokalizace=x.qlk\n"
                                   << "<none>";
        QTest::newRow("first wins") << "[OPTIONS]\nlokalizace=a\nlokalizace=b\n"
                                    << "a";
    }
    void findsValuesCaseInsensitively()
    {
        QFETCH(QString, ini);
        QFETCH(QString, expected);
        const auto value = profile::findValue(ini.toStdString(), "OPTIONS", "lokalizace");
        QCOMPARE(value ? QString::fromStdString(*value) : QStringLiteral("<none>"), expected);
    }

    void writeEditsInPlaceAndKeepsEverythingElse_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty file") << ""
                                    << "[OPTIONS]\nlokalizace=new.qlk\n";
        QTest::newRow("replace, keep others")
            << "; my settings\r\n[Other]\r\nx = 1\r\n[options]\r\nfoo=bar\r\nLOKALIZACE = old.qlk\r\n\r\n[Tail]\r\ny=2"
            << "; my settings\r\n[Other]\r\nx = 1\r\n[options]\r\nfoo=bar\r\nlokalizace=new.qlk\r\n\r\n[Tail]\r\ny=2";
        QTest::newRow("add key to section") << "[OPTIONS]\nfoo=bar\n\n[Tail]\ny=2\n"
                                            << "[OPTIONS]\nfoo=bar\nlokalizace=new.qlk\n\n[Tail]\ny=2\n";
        QTest::newRow("add section, no final newline") << "[Other]\nx=1"
                                                       << "[Other]\nx=1\n[OPTIONS]\nlokalizace=new.qlk\n";
    }
    void writeEditsInPlaceAndKeepsEverythingElse()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QCOMPARE(QString::fromStdString(profile::withValue(before.toStdString(), "OPTIONS", "lokalizace", "new.qlk")),
                 after);
    }

    void writeCreatesFolderAndFile()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/new/folder/options.ini";
        profile::writeString(path.toStdString(), "OPTIONS", "lokalizace", "english.qlk");
        QCOMPARE(profile::readString(path.toStdString(), "options", "LOKALIZACE").value_or("<none>"),
                 std::string("english.qlk"));
        profile::writeString(path.toStdString(), "OPTIONS", "lokalizace", "czech.qlk");
        QCOMPARE(testing::readFile(path), std::string("[OPTIONS]\nlokalizace=czech.qlk\n"));
        QVERIFY(!QFile::exists(path + ".tmp"));
    }

    // A settings file too large to be one, or not a file at all, reads as
    // absent and is never rewritten; a write that fails part-way leaves the
    // old file and no temporary file behind.
    void optionsFileIsNeitherWaitedOnNorLost_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("outcome"); // value read | how the write went
        QTest::newRow("larger than 1 MiB") << "large"
                                           << "<none>|failed";
        QTest::newRow("a FIFO") << "fifo"
                                << "<none>|failed";
        QTest::newRow("disk full during the write") << "full"
                                                    << "czech.qlk|failed";
    }
    void optionsFileIsNeitherWaitedOnNorLost()
    {
        QFETCH(QString, kind);
        QFETCH(QString, outcome);
        QTemporaryDir dir;
        const QString path = dir.filePath("options.ini");
        std::string before = "[OPTIONS]\nlokalizace=czech.qlk\n";
        if (kind == "large") before += std::string(size_t(1) << 20, ';'); // no settings file is that large
        if (kind == "fifo")
            QVERIFY(::mkfifo(path.toLocal8Bit().constData(), 0644) == 0);
        else
            testing::writeFile(path, before);

        const testing::ChildOutcome child = testing::runInChild([&] {
            const auto value = profile::readString(path.toStdString(), "OPTIONS", "lokalizace");
            std::string written = "ok";
            try {
                const auto files = platform::file_operations::makeNative(
                    kind == "full" ? testing::fillingDevice(5) : platform::file_operations::WriteFunction{});
                profile::writeString(path.toStdString(), "OPTIONS", "lokalizace", "english.qlk", *files);
            } catch (const Failure&) {
                written = "failed";
            }
            return value.value_or("<none>") + "|" + written;
        });
        QVERIFY2(child.finished, "reading or writing the settings file did not end");
        QCOMPARE(QString::fromStdString(child.result), outcome);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{"options.ini"});
        struct stat st {};
        QVERIFY(::stat(path.toLocal8Bit().constData(), &st) == 0);
        if (kind == "fifo")
            QVERIFY(S_ISFIFO(st.st_mode));
        else
            QVERIFY(testing::readFile(path) == before);
    }

    void unwritableFileIsAFailureAndMissingFileReadsAsAbsent()
    {
        QVERIFY_THROWS_EXCEPTION(Failure, profile::writeString("/dev/null/options.ini", "OPTIONS", "k", "v"));
        QVERIFY(!profile::readString("/nonexistent/options.ini", "OPTIONS", "lokalizace"));
    }
};

QTEST_GUILESS_MAIN(CodepageProfileTest)
#include "test_codepage_profile.moc"
