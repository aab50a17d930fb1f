// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbookzip.h"

#include "text/usertexts.h"

#include <quazip/quazip.h>
#include <quazip/unzip.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <quazip/quazipfileinfo.h>

namespace tess {

namespace {

// A workbook has a dozen parts or so; a container with more entries than this is no
// workbook, and a directory of millions of names would only cost time to search.
constexpr int MaxEntries = 10000;

// Finds stretches of XML text that QXmlStreamReader would have to hold whole: the text
// between two tags, a tag, a comment, a CDATA section or a processing instruction. A
// document type declaration is refused outright: workbooks never carry one, and its
// internal subset would be one more unbounded token.
class MarkupStretch
{
public:
    // False, with the reason, as soon as a stretch is too long or a DTD appears.
    bool scan(const char *data, qint64 size, QString *why)
    {
        for (qint64 i = 0; i < size; ++i) {
            if (!m_closer && m_state == Plain) {
                // Plain text and tags: only the next '<' matters, found a word at a time.
                const void *less = std::memchr(data + i, '<', size_t(size - i));
                const qint64 next = less ? static_cast<const char *>(less) - data : size;
                m_length += next - i;
                i = next;
                if (m_length > WorkbookMarkupStretchLimit) {
                    *why = userText(Text::XmlStretchTooLong);
                    return false;
                }
                if (!less)
                    return true;
            }
            const char c = data[i];
            if (m_closer) {
                // Inside a comment, CDATA section or processing instruction: only its own
                // closer ends it, whatever markup characters it holds.
                m_recent = (m_recent << 8 | uchar(c)) & 0xFFFFFF;
                if (c == '>' && (m_recent & m_closerMask) == m_closer)
                    m_closer = 0;
            } else if (m_state == AfterLess || m_state == AfterBang) {
                if (!openConstruct(c, why))
                    return false;
            } else if (c == '<') {
                m_length = 0;
                m_state = AfterLess;
            }
            if (++m_length > WorkbookMarkupStretchLimit) {
                *why = userText(Text::XmlStretchTooLong);
                return false;
            }
        }
        return true;
    }

private:
    enum State { Plain, AfterLess, AfterBang };

    bool openConstruct(char c, QString *why)
    {
        if (m_state == AfterLess) {
            if (c == '!') {
                m_state = AfterBang;
                return true;
            }
            if (c == '?')
                setCloser(0x3F3E, 0xFFFF); // "?>"
            m_state = Plain;
            return true;
        }
        m_state = Plain;
        if (c == '-') {
            setCloser(0x2D2D3E, 0xFFFFFF); // "-->"
        } else if (c == '[') {
            setCloser(0x5D5D3E, 0xFFFFFF); // "]]>"
        } else {
            *why = userText(Text::XmlDocumentType);
            return false;
        }
        return true;
    }

    void setCloser(uint32_t closer, uint32_t mask)
    {
        m_closer = closer;
        m_closerMask = mask;
        m_recent = 0;
    }

    State m_state = Plain;
    qint64 m_length = 0;
    uint32_t m_closer = 0;
    uint32_t m_closerMask = 0;
    uint32_t m_recent = 0;
};

// One entry, inflating as it is read, within the bounds of the header.
class EntryDevice : public WorkbookEntry
{
public:
    EntryDevice(QuaZip &zip, std::function<qint64()> consumed, bool xml)
        : m_zip(zip.getUnzFile()), m_consumed(std::move(consumed)), m_xml(xml)
    {
    }

    ~EntryDevice() override
    {
        if (m_opened && !m_ended)
            unzCloseCurrentFile(m_zip);
    }

    // minizip is called directly: QuaZipFile, a buffered sequential device itself, stops
    // handing out data after its first buffer when read through another device.
    bool start()
    {
        m_opened = unzOpenCurrentFile(m_zip) == UNZ_OK;
        if (!m_opened)
            return false;
        m_start = m_consumed();
        return open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (!result().ok() || m_ended)
            return -1;
        // The toolkit asks for nothing now and then; the end is only an empty inflation.
        if (maxSize <= 0)
            return 0;
        const qint64 n = unzReadCurrentFile(m_zip, data, unsigned(std::min<qint64>(maxSize, 1 << 30)));
        if (n < 0)
            return fail(userText(Text::ZipDamaged));
        if (n == 0) {
            m_ended = true;
            if (unzCloseCurrentFile(m_zip) != UNZ_OK)
                return fail(userText(Text::ZipChecksumWrong));
            return -1;
        }
        m_inflated += n;
        if (m_inflated > WorkbookEntryLimit)
            return fail(userText(Text::PartOver2GB));
        const qint64 packed = std::max<qint64>(m_consumed() - m_start, 1);
        if (m_inflated > WorkbookRatioGrace && m_inflated / packed > WorkbookRatioLimit)
            return fail(userText(Text::PartInflatesTooMuch));
        QString why;
        if (m_xml && !m_stretch.scan(data, n, &why))
            return fail(why);
        return n;
    }

    qint64 writeData(const char *, qint64) override { return -1; }

private:
    unzFile m_zip;
    std::function<qint64()> m_consumed;
    bool m_xml;
    MarkupStretch m_stretch;
    qint64 m_start = 0;
    qint64 m_inflated = 0;
    bool m_opened = false;
    bool m_ended = false;
};

} // namespace

qint64 WorkbookEntry::fail(const QString &why)
{
    if (m_result.ok())
        m_result = workbookRefused(why);
    setErrorString(why);
    return -1;
}

// Passes reads and seeks on to the container's device and counts the bytes read, which
// tells how much compressed data an entry has taken.
class WorkbookArchive::CountingDevice : public QIODevice
{
public:
    explicit CountingDevice(QIODevice &target) : m_target(target) {}

    qint64 total() const { return m_total; }
    // Asked for by the reader of the CSV text while another thread inflates.
    qint64 position() const { return m_position.load(std::memory_order_relaxed); }

    bool isSequential() const override { return false; }
    qint64 size() const override { return m_target.size(); }
    // Past the end is refused alike for every kind of device (a file would allow it, a
    // buffer not), so that a container reads the same from a pipe's copy as from memory.
    bool seek(qint64 pos) override
    {
        const bool moved = pos <= m_target.size() && QIODevice::seek(pos) && m_target.seek(pos);
        m_position.store(m_target.pos(), std::memory_order_relaxed);
        return moved;
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = m_target.read(data, maxSize);
        if (n > 0)
            m_total += n;
        m_position.store(m_target.pos(), std::memory_order_relaxed);
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QIODevice &m_target;
    qint64 m_total = 0;
    std::atomic<qint64> m_position = 0;
};

WorkbookArchive::WorkbookArchive(QIODevice &device)
    : m_counter(std::make_unique<CountingDevice>(device))
{
    m_counter->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    m_zip = std::make_unique<QuaZip>(m_counter.get());
    m_zip->setAutoClose(false);
}

WorkbookArchive::~WorkbookArchive() = default;

Result WorkbookArchive::open()
{
    if (!m_zip->open(QuaZip::mdUnzip))
        return workbookRefused(userText(Text::ZipDamaged));
    if (m_zip->getEntriesCount() > MaxEntries)
        return workbookRefused(userText(Text::ZipTooManyEntries));
    return {};
}

bool WorkbookArchive::contains(const QString &name)
{
    return m_zip->setCurrentFile(name, QuaZip::csInsensitive);
}

QStringList WorkbookArchive::fileNames()
{
    QStringList files;
    for (const QString &name : m_zip->getFileNameList()) {
        if (!name.endsWith(u'/'))
            files << name;
    }
    return files;
}

Outcome<std::unique_ptr<WorkbookEntry>> WorkbookArchive::openEntry(const QString &name, Holds holds)
{
    QuaZipFileInfo64 info;
    if (!contains(name) || !m_zip->getCurrentFileInfo(&info))
        return workbookRefused(userText(Text::MissingPart).arg(name));
    if (info.isEncrypted())
        return workbookRefused(userText(Text::WorkbookEncrypted));
    if (info.method != 0 && info.method != Z_DEFLATED)
        return workbookRefused(userText(Text::UnknownPacking).arg(name));
    if (info.uncompressedSize > quint64(WorkbookEntryLimit))
        return workbookRefused(userText(Text::PartOver2GB));
    CountingDevice *counter = m_counter.get();
    auto entry = std::make_unique<EntryDevice>(*m_zip, [counter] { return counter->total(); }, holds == Holds::Xml);
    if (!entry->start())
        return workbookRefused(userText(Text::ZipDamaged));
    return std::unique_ptr<WorkbookEntry>(std::move(entry));
}

qint64 WorkbookArchive::position() const
{
    return m_counter->position();
}

} // namespace tess
