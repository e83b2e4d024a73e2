#include "sections/system/number_format.h"

#include <QLocale>
#include <algorithm>
#include <limits>

namespace number_format {

namespace {

QString withLocaleSeparator(QString text) { return text.replace(QLatin1Char('.'), QLocale().decimalPoint()); }

} // namespace

QString general(double value)
{
    if (value == 0) return QStringLiteral("0"); // also for -0
    // QString::number works in the C locale whatever setlocale() says.
    const QString text = QString::number(value, 'g', 15);
    const int e = text.indexOf(QLatin1Char('e'));
    if (e < 0) return withLocaleSeparator(text);
    return withLocaleSeparator(text.left(e)) + QLatin1Char('E') + text.mid(e + 1);
}

QString percent(double ratio) { return withLocaleSeparator(QString::number(ratio * 100, 'f', 2)) + QLatin1Char('%'); }

QString usePercent(std::uint64_t used, std::uint64_t total)
{
    return percent(total == 0 ? 0.0 : double(used) / double(total));
}

QString kilobytes(std::uint64_t bytes) { return general(double(bytes) / 1024.0); }

QString upTime(std::uint64_t milliseconds)
{
    const std::uint64_t allSeconds = milliseconds / 1000;
    const std::uint64_t allMinutes = allSeconds / 60;
    return QStringLiteral("%1h %2m %3s %4ms")
        .arg(allMinutes / 60)
        .arg(allMinutes % 60)
        .arg(allSeconds % 60)
        .arg(milliseconds % 1000);
}

QString version(const platform::ostatni_API::OsVersion& version)
{
    return QString::number(version.major) + QLocale().decimalPoint() + QString::number(version.minor)
        + QStringLiteral(" build: ") + QString::number(version.build);
}

QString pointer(const QPoint& position)
{
    return QStringLiteral("Souřadnice myši: %1, %2").arg(position.x()).arg(position.y());
}

BarScale::BarScale(std::uint64_t total) : total_(total)
{
    constexpr std::uint64_t largest = std::uint64_t(std::numeric_limits<int>::max());
    while ((total_ >> shift_) > largest) ++shift_;
}

int BarScale::toBar(std::uint64_t bytes) const { return int(std::min(bytes, total_) >> shift_); }

} // namespace number_format
