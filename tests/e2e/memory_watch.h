// The resident memory of the game, sampled while a long run goes on, and the
// judgement whether it kept growing once the run had warmed up.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// VmRSS of the process from /proc, in KiB; -1 when it cannot be read (the
// process is gone, or the system has no /proc).
qint64 residentKiB(qint64 pid);

struct MemorySample {
    qint64 atMs = 0;
    qint64 kib = 0;
};

// Samples taken before `warmUpMs` set the level; later samples may lie above
// the highest of them by at most the margin, save one now and then: leaked
// memory stays held, while one reading can catch a moment's peak.
class MemoryWatch {
public:
    MemoryWatch(qint64 warmUpMs, qint64 marginKiB) : warmUpMs_(warmUpMs), marginKiB_(marginKiB) {}

    void add(MemorySample sample) { samples_ << sample; }

    qint64 warmUpPeak() const;
    qint64 laterPeak() const;
    int laterCount() const;
    // Empty when the memory stayed flat after the warm-up and there were
    // samples enough on both sides to tell; otherwise what was wrong.
    QString problem(int leastLaterSamples) const;
    // Every sample as "seconds:MiB", for the log.
    QString listing() const;

private:
    qint64 warmUpMs_;
    qint64 marginKiB_;
    QList<MemorySample> samples_;
};
