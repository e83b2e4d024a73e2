// Code-page conversion and the INI (profile) file code.

#include <QTemporaryDir>
#include <QtTest>

#include "platform/failure.h"
#include "platform/sys/codepage.h"
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

    void environmentOverridesCodePage()
    {
        qputenv("QUELMARN_CODEPAGE", "1251");
        QCOMPARE(codepage::ansiCodePage(), 1251);
        qputenv("QUELMARN_CODEPAGE", "cyrillic");
        QVERIFY_THROWS_EXCEPTION(Failure, codepage::ansiCodePage());
        qunsetenv("QUELMARN_CODEPAGE");
        QCOMPARE(codepage::ansiCodePage(), 1250); // the tests run under LC_ALL=C
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
        QCOMPARE(QString::fromStdString(codepage::toUtf8("a\x98" "b", 1250)), QStringLiteral("a\uFFFDb"));
        QCOMPARE(QString::fromStdString(codepage::toUtf8("\x93\xfa\x96\x7b\x82", 932)),
                 QStringLiteral("日本\uFFFD"));
    }

    void encodingReportsWhatItCannotStore()
    {
        const codepage::Encoded czech = codepage::fromUtf8("Ćasové pásmo", 1250);
        QVERIFY(czech.unstorable.empty());
        QCOMPARE(czech.bytes, std::string("\xC6" "asov\xE9 p\xE1smo"));

        const codepage::Encoded mixed = codepage::fromUtf8("a€日b", 1250);
        QCOMPARE(mixed.unstorable.size(), size_t(1));
        QCOMPARE(QString::fromStdString(mixed.unstorable[0]), QStringLiteral("日"));
        QCOMPARE(mixed.bytes, std::string("a\x80?b"));
    }

    void findsValuesCaseInsensitively_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("expected"); // "<none>" for absent
        QTest::newRow("plain") << "[OPTIONS]\nlokalizace=english.qlk\n" << "english.qlk";
        QTest::newRow("case") << "[options]\nLOKALIZACE=english.qlk\n" << "english.qlk";
        QTest::newRow("blanks and CRLF") << "  [ Options ]\r\n  Lokalizace =  a b.qlk  \r\n" << "a b.qlk";
        QTest::newRow("quoted") << "[OPTIONS]\nlokalizace=\"x.qlk\"\n" << "x.qlk";
        QTest::newRow("empty value") << "[OPTIONS]\nlokalizace=\n" << "";
        QTest::newRow("other section") << "[OTHER]\nlokalizace=x.qlk\n[OPTIONS]\nkey=1\n" << "<none>";
        QTest::newRow("no section") << "lokalizace=x.qlk\n" << "<none>";
        QTest::newRow("commented") << "[OPTIONS]\n;lokalizace=x.qlk\n" << "<none>";
        QTest::newRow("first wins") << "[OPTIONS]\nlokalizace=a\nlokalizace=b\n" << "a";
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
        QTest::newRow("empty file") << "" << "[OPTIONS]\nlokalizace=new.qlk\n";
        QTest::newRow("replace, keep others")
            << "; my settings\r\n[Other]\r\nx = 1\r\n[options]\r\nfoo=bar\r\nLOKALIZACE = old.qlk\r\n\r\n[Tail]\r\ny=2"
            << "; my settings\r\n[Other]\r\nx = 1\r\n[options]\r\nfoo=bar\r\nlokalizace=new.qlk\r\n\r\n[Tail]\r\ny=2";
        QTest::newRow("add key to section")
            << "[OPTIONS]\nfoo=bar\n\n[Tail]\ny=2\n" << "[OPTIONS]\nfoo=bar\nlokalizace=new.qlk\n\n[Tail]\ny=2\n";
        QTest::newRow("add section, no final newline")
            << "[Other]\nx=1" << "[Other]\nx=1\n[OPTIONS]\nlokalizace=new.qlk\n";
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

    void unwritableFileIsAFailureAndMissingFileReadsAsAbsent()
    {
        QVERIFY_THROWS_EXCEPTION(Failure, profile::writeString("/dev/null/options.ini", "OPTIONS", "k", "v"));
        QVERIFY(!profile::readString("/nonexistent/options.ini", "OPTIONS", "lokalizace"));
    }
};

QTEST_GUILESS_MAIN(CodepageProfileTest)
#include "test_codepage_profile.moc"
