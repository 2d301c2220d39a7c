// The lister's standard output as a device that remembers its first
// failure, so that a write error ends the run with the system's cause
// whichever writer met it (a format writer or the export).
#pragma once

#include <QIODevice>
#include <QString>

class TOutputDevice : public QIODevice {
public:
    explicit TOutputDevice(int fd);
    bool isSequential() const override { return true; }

    // The cause of the first failed write ("File too large"), or empty.
    const QString &Failure() const { return FFailure; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    int FFd;
    QString FFailure;
};
