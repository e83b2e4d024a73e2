#pragma once
// The texts the system window builds from numbers, in the user's locale
// (the QLocale() default): the general number format, the "0.00%" use
// format, memory amounts, the up-time, the version and the pointer position.

#include <QPoint>
#include <QString>
#include <cstdint>

#include "platform/sys/ostatni_api.h"

namespace number_format {

// Rounded to 15 significant digits, trailing zeros and a trailing decimal
// separator dropped, no grouping, the locale's decimal separator; very
// large or small values in the form 1E+15.
QString general(double value);

// ratio * 100 with two decimals and the locale's decimal separator, then
// "%": 0.4567 -> "45.67%".
QString percent(double ratio);

// used / total in the percent format; nothing of nothing is "0.00%".
QString usePercent(std::uint64_t used, std::uint64_t total);

// A byte count as kilobytes (bytes / 1024, unrounded) in the general format.
QString kilobytes(std::uint64_t bytes);

// "Nh Nm Ns Nms"; hours are not limited.
QString upTime(std::uint64_t milliseconds);

// "6.18 build: 44": major, the locale's decimal separator and minor as
// whole numbers (so 5.10 stays 5.10), " build: ", the build.
QString version(const platform::ostatni_API::OsVersion& version);

// "Souřadnice myši: x, y".
QString pointer(const QPoint& position);

// Maps 64-bit byte counts onto the int range of a progress bar by a
// power-of-two divisor, so that totals of any size fit.
class BarScale {
public:
    explicit BarScale(std::uint64_t total = 0);
    int maximum() const { return toBar(total_); }
    // Counts above the total are shown as the total.
    int toBar(std::uint64_t bytes) const;

private:
    std::uint64_t total_;
    int shift_ = 0;
};

} // namespace number_format
