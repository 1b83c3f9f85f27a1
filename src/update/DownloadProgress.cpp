#include "update/DownloadProgress.h"

#include "common/TextHelpers.h"

#include <algorithm>
#include <climits>

namespace vantor {

std::int64_t KilobytesOf(std::int64_t Bytes)
{
    return Bytes / 1024; // C++ division truncates toward zero
}

QString FormatDownloadProgress(const QString& AFormat, std::int64_t ADone, std::int64_t ATotal)
{
    return FormatPercentS(AFormat, {QString::number(KilobytesOf(ADone)), QString::number(KilobytesOf(ATotal))});
}

ProgressScale::ProgressScale(std::int64_t ATotal) : total_(std::max<std::int64_t>(ATotal, 0))
{
    while ((total_ >> shift_) > INT_MAX)
        ++shift_;
}

int ProgressScale::Maximum() const
{
    return static_cast<int>(total_ >> shift_);
}

int ProgressScale::Position(std::int64_t AValue) const
{
    return static_cast<int>(std::clamp<std::int64_t>(AValue, 0, total_) >> shift_);
}

} // namespace vantor
