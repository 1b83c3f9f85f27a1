// The arithmetic behind the download dialog's progress bar and counter.
#pragma once

#include <QString>

#include <cstdint>

namespace vantor {

// Whole kilobytes, rounded toward zero.
[[nodiscard]] std::int64_t KilobytesOf(std::int64_t Bytes);

// AFormat with its first "%s" replaced by the kilobytes of ADone and its
// second by those of ATotal; "%%" stands for "%".
[[nodiscard]] QString FormatDownloadProgress(const QString& AFormat, std::int64_t ADone, std::int64_t ATotal);

// A progress bar counts in int: totals beyond its range are scaled down by a
// power of two, so that bar maximum and position keep their proportion.
class ProgressScale {
public:
    explicit ProgressScale(std::int64_t ATotal = 0);
    [[nodiscard]] int Maximum() const;
    // Position for AValue, kept within 0 .. Maximum().
    [[nodiscard]] int Position(std::int64_t AValue) const;

private:
    std::int64_t total_ = 0;
    int shift_ = 0;
};

} // namespace vantor
