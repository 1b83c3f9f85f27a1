#include "update/DownloadProgress.h"

#include <algorithm>
#include <climits>

namespace vantor {

std::int64_t KilobytesOf(std::int64_t Bytes)
{
    return Bytes / 1024; // C++ division truncates toward zero
}

QString FormatDownloadProgress(const QString& AFormat, std::int64_t ADone, std::int64_t ATotal)
{
    const QString values[] = {QString::number(KilobytesOf(ADone)), QString::number(KilobytesOf(ATotal))};
    int used = 0;
    QString result;
    result.reserve(AFormat.size() + 16);
    for (qsizetype i = 0; i < AFormat.size(); ++i) {
        if (AFormat[i] == QLatin1Char('%') && i + 1 < AFormat.size()) {
            const QChar next = AFormat[i + 1];
            if (next == QLatin1Char('%')) {
                result += QLatin1Char('%');
                ++i;
                continue;
            }
            if (next == QLatin1Char('s') && used < 2) {
                result += values[used++];
                ++i;
                continue;
            }
        }
        result += AFormat[i];
    }
    return result;
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
