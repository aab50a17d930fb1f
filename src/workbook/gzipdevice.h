// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <QString>

#include "model/outcome.h"

#include <memory>

// A gzip file (a sheet saved as .csv.gz) as the text it holds, inflated as it is read,
// within the bounds a workbook's entry has (workbookzip.h): a file that inflates without
// end costs time and memory in proportion to its own size at most.

namespace tess {

class GzipDevice : public QIODevice
{
public:
    // source must stay open for as long as this device is read.
    explicit GzipDevice(QIODevice &source);
    ~GzipDevice() override;

    bool isSequential() const override { return true; }
    // A read that returned -1 can say no more; why the reading stopped early is kept here,
    // Done when it did not.
    const Result &result() const { return m_result; }
    // The compressed bytes read so far, for progress reports.
    qint64 consumed() const { return m_consumed; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    qint64 fail(const QString &why);
    bool refill();

    struct Stream;
    QIODevice &m_source;
    std::unique_ptr<Stream> m_stream;
    qint64 m_consumed = 0;
    qint64 m_inflated = 0;
    bool m_ended = false;
    Result m_result;
};

// Whether bytes start like a gzip file.
inline bool isGzip(QByteArrayView head)
{
    return head.startsWith("\x1F\x8B");
}

} // namespace tess
