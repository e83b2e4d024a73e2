// The number texts of the system window: general number format, use
// percentage, memory amounts, up-time, version and pointer position.

#include <QtTest>
#include <climits>

#include "sections/system/number_format.h"

using platform::ostatni_API::OsVersion;

namespace {

constexpr quint64 KiB = 1024;
constexpr quint64 GiB = KiB * KiB * KiB;

// Runs a check under a default locale and restores C afterwards.
struct DefaultLocale {
    explicit DefaultLocale(const QString& name) { QLocale::setDefault(QLocale(name)); }
    ~DefaultLocale() { QLocale::setDefault(QLocale::c()); }
};

} // namespace

class SystemFormatTest : public QObject {
    Q_OBJECT
private slots:
    void generalNumber_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("5.1 point") << "C" << 5.1 << "5.1";
        QTest::newRow("5.1 comma") << "cs_CZ" << 5.1 << "5,1";
        QTest::newRow("whole number") << "C" << 100.0 << "100";
        QTest::newRow("trailing zeros dropped") << "C" << 2.50 << "2.5";
        QTest::newRow("zero") << "C" << 0.0 << "0";
        QTest::newRow("negative zero") << "C" << -0.0 << "0";
        QTest::newRow("negative") << "cs_CZ" << -2.25 << "-2,25";
        QTest::newRow("15 significant digits") << "C" << 1.0 / 3.0 << "0.333333333333333";
        QTest::newRow("rounded at the 15th digit") << "C" << 2.0 / 3.0 << "0.666666666666667";
        QTest::newRow("no grouping en") << "en_US" << 1234567.5 << "1234567.5";
        QTest::newRow("no grouping de") << "de_DE" << 1234567.5 << "1234567,5";
        QTest::newRow("24 GiB in KB") << "C" << 25165824.0 << "25165824";
        QTest::newRow("128 TiB in KB") << "C" << 137438953472.0 << "137438953472";
        QTest::newRow("large with exponent") << "C" << 1e15 << "1E+15";
        QTest::newRow("small with exponent") << "cs_CZ" << 1.5e-5 << "1,5E-05";
        QTest::newRow("more than 15 digits") << "C" << 123456789012345678.0 << "1.23456789012346E+17";
    }
    void generalNumber()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, expected);
        DefaultLocale scope(locale);
        QCOMPARE(number_format::general(value), expected);
    }

    void kilobytes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one and a half KB point") << "C" << 3 * KiB / 2 << "1.5";
        QTest::newRow("one and a half KB comma") << "cs_CZ" << 3 * KiB / 2 << "1,5";
        QTest::newRow("2^20 bytes") << "C" << KiB * KiB << "1024";
        QTest::newRow("one byte, unrounded") << "C" << quint64(1) << "0.0009765625";
        QTest::newRow("2^31 bytes") << "C" << (quint64(1) << 31) << "2097152";
        QTest::newRow("24 GiB") << "C" << 24 * GiB << "25165824";
        QTest::newRow("128 TiB") << "C" << (quint64(1) << 47) << "137438953472";
    }
    void kilobytes()
    {
        QFETCH(QString, locale);
        QFETCH(quint64, bytes);
        QFETCH(QString, expected);
        DefaultLocale scope(locale);
        QCOMPARE(number_format::kilobytes(bytes), expected);
    }

    void percent_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0.4567") << "C" << 0.4567 << "45.67%";
        QTest::newRow("0.4567 comma") << "cs_CZ" << 0.4567 << "45,67%";
        QTest::newRow("full") << "C" << 1.0 << "100.00%";
        QTest::newRow("half") << "C" << 0.5 << "50.00%";
        QTest::newRow("nothing") << "C" << 0.0 << "0.00%";
        QTest::newRow("leading zero kept") << "C" << 0.005 << "0.50%";
        QTest::newRow("rounded to two decimals") << "C" << 0.123456 << "12.35%";
        QTest::newRow("no grouping") << "en_US" << 12.3456 << "1234.56%";
    }
    void percent()
    {
        QFETCH(QString, locale);
        QFETCH(double, ratio);
        QFETCH(QString, expected);
        DefaultLocale scope(locale);
        QCOMPARE(number_format::percent(ratio), expected);
    }

    void usePercent_data()
    {
        QTest::addColumn<quint64>("used");
        QTest::addColumn<quint64>("total");
        QTest::addColumn<QString>("expected");
        QTest::newRow("half of 24 GiB") << 12 * GiB << 24 * GiB << "50.00%";
        QTest::newRow("all of 24 GiB") << 24 * GiB << 24 * GiB << "100.00%";
        QTest::newRow("3 of 128 TiB") << 3 * GiB << (quint64(1) << 47) << "0.00%";
        QTest::newRow("nothing of nothing") << quint64(0) << quint64(0) << "0.00%";
    }
    void usePercent()
    {
        QFETCH(quint64, used);
        QFETCH(quint64, total);
        QFETCH(QString, expected);
        QCOMPARE(number_format::usePercent(used, total), expected);
    }

    void upTime_data()
    {
        QTest::addColumn<quint64>("milliseconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("start") << quint64(0) << "0h 0m 0s 0ms";
        QTest::newRow("1h 2m 3s 4ms") << quint64(((1 * 60 + 2) * 60 + 3) * 1000 + 4) << "1h 2m 3s 4ms";
        QTest::newRow("61 s") << quint64(61000) << "0h 1m 1s 0ms";
        QTest::newRow("61 s 250 ms") << quint64(61250) << "0h 1m 1s 250ms";
        QTest::newRow("last ms of a minute") << quint64(59999) << "0h 0m 59s 999ms";
        QTest::newRow("60 h") << quint64(60) * 3600 * 1000 << "60h 0m 0s 0ms";
        QTest::newRow("61h 59m 59s 999ms") << quint64(62) * 3600 * 1000 - 1 << "61h 59m 59s 999ms";
        QTest::newRow("2^32 ms, no wrap") << (quint64(1) << 32) << "1193h 2m 47s 296ms";
        QTest::newRow("past 2^32 ms") << (quint64(1) << 32) + 1000 << "1193h 2m 48s 296ms";
        QTest::newRow("ten years") << quint64(3650) * 24 * 3600 * 1000 << "87600h 0m 0s 0ms";
    }
    void upTime()
    {
        QFETCH(quint64, milliseconds);
        QFETCH(QString, expected);
        QCOMPARE(number_format::upTime(milliseconds), expected);
    }

    void version_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("build");
        QTest::addColumn<QString>("expected");
        QTest::newRow("5.1 point") << "C" << 5 << 1 << 2600 << "5.1 build: 2600";
        QTest::newRow("5.1 comma") << "cs_CZ" << 5 << 1 << 2600 << "5,1 build: 2600";
        QTest::newRow("5.10 is not 5.1") << "C" << 5 << 10 << 209 << "5.10 build: 209";
        QTest::newRow("6.18") << "C" << 6 << 18 << 44 << "6.18 build: 44";
        QTest::newRow("no build number") << "C" << 6 << 8 << 0 << "6.8 build: 0";
    }
    void version()
    {
        QFETCH(QString, locale);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, build);
        QFETCH(QString, expected);
        DefaultLocale scope(locale);
        QCOMPARE(number_format::version(OsVersion{major, minor, build}), expected);
    }

    void pointer_data()
    {
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QString>("expected");
        QTest::newRow("top left") << QPoint(0, 0) << QStringLiteral("Souřadnice myši: 0, 0");
        QTest::newRow("inside") << QPoint(640, 512) << QStringLiteral("Souřadnice myši: 640, 512");
        QTest::newRow("left of and above the primary screen")
            << QPoint(-1280, -20) << QStringLiteral("Souřadnice myši: -1280, -20");
    }
    void pointer()
    {
        QFETCH(QPoint, position);
        QFETCH(QString, expected);
        DefaultLocale scope(QStringLiteral("cs_CZ")); // the coordinates are whole numbers in any locale
        QCOMPARE(number_format::pointer(position), expected);
    }

    void barScale_data()
    {
        QTest::addColumn<quint64>("total");
        QTest::newRow("small") << quint64(100);
        QTest::newRow("int max") << quint64(INT_MAX);
        QTest::newRow("2^31") << (quint64(1) << 31);
        QTest::newRow("24 GiB") << 24 * GiB;
        QTest::newRow("128 TiB") << (quint64(1) << 47);
        QTest::newRow("largest") << ~quint64(0);
    }
    void barScale()
    {
        QFETCH(quint64, total);
        const number_format::BarScale scale(total);
        QVERIFY(scale.maximum() > 0);
        QCOMPARE(scale.toBar(0), 0);
        QCOMPARE(scale.toBar(total), scale.maximum());
        // Above the total a bar stays full instead of overflowing.
        QCOMPARE(scale.toBar(total + 1 > total ? total + 1 : total), scale.maximum());
        // Half the total fills half the bar.
        QVERIFY(qAbs(double(scale.toBar(total / 2)) / scale.maximum() - 0.5) < 0.01);
        if (total <= quint64(INT_MAX)) QCOMPARE(scale.maximum(), int(total));
    }

    void emptyBarScale()
    {
        const number_format::BarScale scale(0);
        QCOMPARE(scale.maximum(), 0);
        QCOMPARE(scale.toBar(5), 0);
    }
};

QTEST_GUILESS_MAIN(SystemFormatTest)
#include "test_system_format.moc"
