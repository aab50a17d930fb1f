#include "sheetwriter.h"

#include "io/safeoutput.h"
#include "text/usertexts.h"

#include <QIODevice>

#include <charconv>
#include <cstring>
#include <memory>

namespace tess {

namespace {

// Text is gathered in a buffer of this size and handed to the device in one write.
constexpr qsizetype WriteBufferSize = 256 * 1024;

// The longest line a record can give: five numbers of at most 11 characters
// ("-2147483648"), each followed by "," or the line feed.
constexpr qsizetype LongestLine = 5 * 12;

class LineBuffer
{
public:
    LineBuffer(QIODevice &device, QString *errorString)
        : m_device(device), m_errorString(errorString), m_data(new char[WriteBufferSize])
    {
        m_cursor = m_data.get();
    }

    // Room for at least one more line, flushing first when needed.
    bool reserveLine()
    {
        if (m_data.get() + WriteBufferSize - m_cursor >= LongestLine)
            return true;
        return flush();
    }

    void append(const char *text, qsizetype length)
    {
        std::memcpy(m_cursor, text, size_t(length));
        m_cursor += length;
    }

    void appendNumber(int32_t value)
    {
        // Room is guaranteed by reserveLine(); an int never needs more than 11 chars.
        // Colour values and most coordinates are below 1000: those skip the length
        // computation of the general conversion.
        const auto u = uint32_t(value);
        if (u < 10) {
            *m_cursor++ = char('0' + u);
        } else if (u < 100) {
            m_cursor[0] = char('0' + u / 10);
            m_cursor[1] = char('0' + u % 10);
            m_cursor += 2;
        } else if (u < 1000) {
            m_cursor[0] = char('0' + u / 100);
            m_cursor[1] = char('0' + u / 10 % 10);
            m_cursor[2] = char('0' + u % 10);
            m_cursor += 3;
        } else {
            m_cursor = std::to_chars(m_cursor, m_cursor + 12, value).ptr;
        }
    }

    void appendChar(char c) { *m_cursor++ = c; }

    bool flush()
    {
        const qint64 length = m_cursor - m_data.get();
        m_cursor = m_data.get();
        if (length == 0)
            return true;
        const qint64 written = m_device.write(m_data.get(), length);
        if (written == length)
            return true;
        if (m_errorString) {
            *m_errorString = m_device.errorString();
            if (m_errorString->isEmpty())
                *m_errorString = userText(Text::DataNotWritten);
        }
        return false;
    }

private:
    QIODevice &m_device;
    QString *m_errorString;
    std::unique_ptr<char[]> m_data;
    char *m_cursor = nullptr;
};

} // namespace

QByteArray sheetHeader(ColourModel model)
{
    return model == ColourModel::Rgb ? QByteArrayLiteral("x,y,r,g,b\n")
                                     : QByteArrayLiteral("x,y,h,s,v\n");
}

bool writeSheet(QIODevice &device, const PixelRecords &records, ColourModel model,
                QString *errorString)
{
    LineBuffer out(device, errorString);
    const QByteArray header = sheetHeader(model);
    out.append(header.constData(), header.size());

    // The three colour values of the model, picked once for the whole sheet.
    using Component = int32_t PixelRecord::*;
    const bool rgb = model == ColourModel::Rgb;
    const Component first = rgb ? &PixelRecord::r : &PixelRecord::h;
    const Component second = rgb ? &PixelRecord::g : &PixelRecord::s;
    const Component third = rgb ? &PixelRecord::b : &PixelRecord::v;
    for (const PixelRecord &rec : records) {
        if (!out.reserveLine())
            return false;
        out.appendNumber(rec.x);
        out.appendChar(',');
        out.appendNumber(rec.y);
        out.appendChar(',');
        out.appendNumber(rec.*first);
        out.appendChar(',');
        out.appendNumber(rec.*second);
        out.appendChar(',');
        out.appendNumber(rec.*third);
        out.appendChar('\n');
    }
    return out.flush();
}

SheetSaveStatus saveSheet(const QString &path, const PixelRecords &records, ColourModel model,
                          QString *errorString)
{
    bool opened = false;
    const OutputResult result = writeOutput(path, [&](QIODevice &device) {
        opened = true;
        return writeSheet(device, records, model);
    });
    if (result.written)
        return SheetSaveStatus::Saved;
    if (errorString)
        *errorString = result.reason.isEmpty() ? userText(Text::DataNotWritten) : result.reason;
    return opened ? SheetSaveStatus::WriteFailed : SheetSaveStatus::OpenFailed;
}

} // namespace tess
