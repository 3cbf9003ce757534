// Reads a process's resident memory from /proc/<pid>/status and judges a
// series of readings.
#include "e2e/memory_watch.h"

#include <QFile>

#include <algorithm>

qint64 residentKiB(qint64 pid)
{
    if (pid <= 0)
        return -1;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // The line reads "VmRSS:	   12345 kB".
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (!line.startsWith("VmRSS:"))
            continue;
        const QList<QByteArray> fields = line.mid(6).simplified().split(' ');
        bool isNumber = false;
        const qint64 kib = fields.value(0).toLongLong(&isNumber);
        return isNumber && fields.value(1) == "kB" ? kib : -1;
    }
    return -1;
}

qint64 MemoryWatch::warmUpPeak() const
{
    qint64 peak = -1;
    for (const MemorySample& sample : samples_) {
        if (sample.atMs < warmUpMs_)
            peak = std::max(peak, sample.kib);
    }
    return peak;
}

qint64 MemoryWatch::laterPeak() const
{
    qint64 peak = -1;
    for (const MemorySample& sample : samples_) {
        if (sample.atMs >= warmUpMs_)
            peak = std::max(peak, sample.kib);
    }
    return peak;
}

int MemoryWatch::laterCount() const
{
    return int(std::count_if(samples_.cbegin(), samples_.cend(),
                             [this](const MemorySample& sample) { return sample.atMs >= warmUpMs_; }));
}

QString MemoryWatch::problem(int leastLaterSamples) const
{
    const qint64 level = warmUpPeak();
    if (level < 0)
        return QStringLiteral("no memory sample was taken during the warm-up");
    if (laterCount() < leastLaterSamples)
        return QStringLiteral("only %1 memory samples after the warm-up, fewer than the %2 needed to judge")
            .arg(laterCount())
            .arg(leastLaterSamples);
    // Two readings in a row above the margin.
    bool above = false;
    for (const MemorySample& sample : samples_) {
        const bool wasAbove = above;
        above = sample.atMs >= warmUpMs_ && sample.kib > level + marginKiB_;
        if (above && wasAbove)
            return QStringLiteral("resident memory grew to %1 KiB at %2 s, more than %3 KiB above the %4 KiB "
                                  "reached during the warm-up")
                .arg(sample.kib)
                .arg(sample.atMs / 1000.0, 0, 'f', 1)
                .arg(marginKiB_)
                .arg(level);
    }
    return {};
}

QString MemoryWatch::listing() const
{
    QStringList parts;
    for (const MemorySample& sample : samples_)
        parts << QStringLiteral("%1:%2").arg(sample.atMs / 1000).arg(sample.kib / 1024.0, 0, 'f', 1);
    return parts.join(u' ');
}
