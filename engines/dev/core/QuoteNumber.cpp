#include "dev/core/QuoteNumber.h"

#include "dev/core/AtomicFile.h"
#include "support/FileSteps.h"
#include "support/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

#include <cerrno>
#include <cstring>

namespace vantor::devengine {

namespace {

// Long enough for another program's draw, which takes milliseconds.
constexpr int LockWaitMs = 10000;
// A counter of more digits than this was not written by us.
constexpr qsizetype MaxCounterDigits = 9;
constexpr int MaxNumber = 999'999'999;

enum class CounterState { Missing, Valid, Damaged };

struct Counter {
    CounterState State = CounterState::Missing;
    int Last = 0;
};

Counter ReadCounter(const QString& AFile)
{
    QFile file(AFile);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {CounterState::Damaged, 0};
    const QByteArray text = file.read(MaxCounterDigits + 2).trimmed();
    bool digitsOnly = !text.isEmpty() && text.size() <= MaxCounterDigits;
    for (const char c : text)
        digitsOnly = digitsOnly && c >= '0' && c <= '9';
    if (!digitsOnly || !file.atEnd())
        return {CounterState::Damaged, 0};
    return {CounterState::Valid, text.toInt()};
}

} // namespace

QString EngineConfigFolder()
{
    return platform::UserConfigFolder() + QStringLiteral("/Vantor");
}

QString FormatQuoteNumber(const QString& APrefix, int ANumber, const QDate& ADate)
{
    QString prefix = APrefix;
    prefix.replace(QLatin1String(YearPlaceholder), QString::number(ADate.year()).rightJustified(4, '0'));
    return prefix + QString::number(ANumber).rightJustified(QuoteNumberDigits, '0');
}

Result<int> DrawSequenceNumber(const QString& AFolder, const EngineTexts& ATexts)
{
    const QString file = platform::filesteps::WithSlash(AFolder) + QLatin1String(QuoteCounterFileName);
    if (!QDir().mkpath(AFolder)) {
        const int error = errno;
        return Failure(ATexts(TextId::CounterNotSaved).arg(file, QString::fromLocal8Bit(std::strerror(error))));
    }

    QLockFile lock(file + QStringLiteral(".lock"));
    // A lock is taken over only when its holder no longer runs (QLockFile
    // checks the process), never for its age: a holder slowed down by a busy
    // disk must not find a second one drawing beside it.
    lock.setStaleLockTime(0);
    if (!lock.tryLock(LockWaitMs))
        return Failure(ATexts(TextId::CounterBusy).arg(file));

    const Counter counter = ReadCounter(file);
    if (counter.State == CounterState::Damaged)
        return Failure(ATexts(TextId::CounterDamaged).arg(file));
    if (counter.Last >= MaxNumber)
        return Failure(ATexts(TextId::CounterExhausted).arg(file));
    const int next = counter.Last + 1;
    if (auto written = WriteFileAtomically(file, QByteArray::number(next) + '\n'); !written)
        return Failure(ATexts(TextId::CounterNotSaved).arg(file, written.message()));
    return next;
}

Result<QString> DrawQuoteNumber(const QString& APrefix, const EngineTexts& ATexts, const QString& AFolder)
{
    const auto number = DrawSequenceNumber(AFolder, ATexts);
    if (!number)
        return number.error();
    return FormatQuoteNumber(APrefix, *number, QDate::currentDate());
}

} // namespace vantor::devengine
