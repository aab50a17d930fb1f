// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetwriter.h"

#include "io/safeoutput.h"
#include "io/worker.h"
#include "text/usertexts.h"

#include <QIODevice>

#include <charconv>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <memory>
#include <utility>
#include <mutex>
#include <system_error>

#include <vector>

namespace tess {

namespace {

// The longest line a record can give: five numbers of at most 11 characters
// ("-2147483648"), each followed by "," or the line feed.
constexpr qsizetype LongestLine = 5 * 12;

// Records are turned into text a run at a time, and each run's text is handed to the
// device in one write (about 280 KB for a run of a picture's records).
constexpr size_t RunLength = 16 * 1024;

// Below this many runs a second thread costs more than it saves.
constexpr size_t ParallelRuns = 3;

// The three colour values of the model, picked once for the whole sheet.
struct Columns
{
    using Component = int32_t PixelRecord::*;
    explicit Columns(ColourModel model)
        : first(modelColumns(model).member[0])
        , second(modelColumns(model).member[1])
        , third(modelColumns(model).member[2])
    {
    }
    Component first;
    Component second;
    Component third;
};

inline char *putNumber(char *out, int32_t value)
{
    // An int never needs more than 11 chars. Colour values and most coordinates are
    // below 1000: those skip the length computation of the general conversion.
    const auto u = uint32_t(value);
    if (u < 10) {
        *out++ = char('0' + u);
    } else if (u < 100) {
        out[0] = char('0' + u / 10);
        out[1] = char('0' + u % 10);
        out += 2;
    } else if (u < 1000) {
        out[0] = char('0' + u / 100);
        out[1] = char('0' + u / 10 % 10);
        out[2] = char('0' + u % 10);
        out += 3;
    } else {
        out = std::to_chars(out, out + 12, value).ptr;
    }
    return out;
}

// The lines of the records from begin to end; out has room for LongestLine a record.
char *putLines(const PixelRecord *begin, const PixelRecord *end, const Columns &columns, char *out)
{
    for (const PixelRecord *rec = begin; rec != end; ++rec) {
        out = putNumber(out, rec->x);
        *out++ = ',';
        out = putNumber(out, rec->y);
        *out++ = ',';
        out = putNumber(out, rec->*columns.first);
        *out++ = ',';
        out = putNumber(out, rec->*columns.second);
        *out++ = ',';
        out = putNumber(out, rec->*columns.third);
        *out++ = '\n';
    }
    return out;
}

// One run of text, as made and as written.
struct Run
{
    explicit Run(size_t capacity) : text(new char[capacity]) {}
    std::unique_ptr<char[]> text;
    qint64 length = 0;
    bool full = false; // made and not yet written
};

class SheetOutput
{
public:
    explicit SheetOutput(QIODevice &device) : m_device(device) {}

    bool write(const char *text, qint64 length)
    {
        return length == 0 || m_device.write(text, length) == length;
    }

    // Why the last write was refused, in the device's words where it has any.
    Result refusal() const
    {
        const QString reason = m_device.errorString();
        return outcome(Status::SheetNotSaved, reason.isEmpty() ? userText(Text::DataNotWritten) : reason);
    }

private:
    QIODevice &m_device;
};

// Every other run is made on a second thread while this one makes and writes its own:
// turning numbers into text costs several times the writing, and the runs still go out
// in order. The helper works at most a few runs ahead.
class RunMaker
{
public:
    RunMaker(size_t runs, size_t capacity, const SheetRunText &make)
        : m_runs(runs), m_make(make), m_slots{Run(capacity), Run(capacity), Run(capacity)}
    {
    }
    ~RunMaker() { stop(); }

    bool start()
    {
        return m_worker.start([this] { makeOddRuns(); });
    }

    void stop()
    {
        if (!m_worker.running())
            return;
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_changed.notify_all();
        m_worker.join();
    }

    // The text of odd run index, once made; written by the caller, then given back. What
    // the helper threw making it (memory running out) is thrown here, on the caller's thread.
    Run &take(size_t index)
    {
        Run &run = m_slots[index / 2 % Slots];
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&run] { return run.full; });
        if (m_thrown)
            std::rethrow_exception(std::exchange(m_thrown, nullptr));
        return run;
    }

    void giveBack(Run &run)
    {
        {
            const std::lock_guard lock(m_mutex);
            run.full = false;
        }
        m_changed.notify_all();
    }

private:
    static constexpr size_t Slots = 3;

    void makeOddRuns()
    {
        for (size_t index = 1; index < m_runs; index += 2) {
            Run &run = m_slots[index / 2 % Slots];
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return m_stopping || !run.full; });
                if (m_stopping)
                    return;
            }
            std::exception_ptr thrown;
            try {
                run.length = m_make(index, run.text.get()) - run.text.get();
            } catch (...) {
                thrown = std::current_exception();
            }
            {
                const std::lock_guard lock(m_mutex);
                run.full = true;
                m_thrown = thrown;
            }
            m_changed.notify_all();
            if (thrown)
                return;
        }
    }

    const size_t m_runs;
    const SheetRunText &m_make;
    Run m_slots[Slots];
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stopping = false;
    std::exception_ptr m_thrown; // by the helper, with the run it was making marked full
    Worker m_worker;
};

// The runs in order: the even ones made here, the odd ones by the helper when there is one.
bool writeRuns(SheetOutput &out, size_t runs, size_t capacity, const SheetRunText &make, RunMaker *helper)
{
    Run own(capacity);
    for (size_t index = 0; index < runs; ++index) {
        if (helper && index % 2 == 1) {
            Run &run = helper->take(index);
            const bool written = out.write(run.text.get(), run.length);
            helper->giveBack(run);
            if (!written)
                return false;
            continue;
        }
        if (!out.write(own.text.get(), make(index, own.text.get()) - own.text.get()))
            return false;
    }
    return true;
}

} // namespace

QByteArray sheetHeader(ColourModel model)
{
    const ModelColumns columns = modelColumns(model);
    return QByteArray("x,y,") + columns.name[0] + ',' + columns.name[1] + ',' + columns.name[2] + '\n';
}

char *putSheetLines(const PixelRecord *begin, const PixelRecord *end, ColourModel model, char *out)
{
    return putLines(begin, end, Columns(model), out);
}

Result writeSheetRuns(QIODevice &device, ColourModel model, size_t runs, size_t runCapacity,
                      const SheetRunText &make)
{
    SheetOutput out(device);
    const QByteArray header = sheetHeader(model);
    if (!out.write(header.constData(), header.size()))
        return out.refusal();
    bool written = false;
    if (runs < ParallelRuns) {
        written = writeRuns(out, runs, runCapacity, make, nullptr);
    } else {
        RunMaker helper(runs, runCapacity, make);
        written = writeRuns(out, runs, runCapacity, make, helper.start() ? &helper : nullptr);
    }
    return written ? Result{} : out.refusal();
}

Result writeSheet(QIODevice &device, const PixelRecords &records, ColourModel model)
{
    const Columns columns(model);
    const size_t count = records.size();
    const SheetRunText make = [&](size_t index, char *out) {
        const PixelRecord *begin = records.data() + index * RunLength;
        return putLines(begin, records.data() + std::min(count, (index + 1) * RunLength), columns, out);
    };
    return writeSheetRuns(device, model, (count + RunLength - 1) / RunLength, RunLength * LongestLine, make);
}

Result saveSheet(const QString &path, const PixelRecords &records, ColourModel model, const StopFlag *stop)
{
    Result result = writeOutput(path, Status::SheetNotSaved,
                                [&](QIODevice &device) { return writeSheet(device, records, model); }, stop);
    if (!result.ok() && result.detail.isEmpty())
        result.detail = userText(Text::DataNotWritten);
    return result;
}

} // namespace tess
