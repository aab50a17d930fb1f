#include "sheetreader.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <QStringDecoder>

#include <algorithm>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

// How a sheet is read.
//
// The device is read in blocks. Every block is turned into UTF-8 first: plain ASCII goes
// through untouched (the usual case, and the fast one); anything else is decoded by the
// toolkit and encoded again, so that all later work sees well-formed UTF-8 whose fields
// decode to exactly the text a QString of the whole file would hold. Unpaired
// surrogates of a UTF-16 file are kept as three-byte sequences so that they still count
// as one character each.
//
// The parser then walks the bytes once. All syntax characters are ASCII: the line ends
// CR, LF and "^M", and the separator (normally ","). Since empty lines are dropped, a
// pair CR LF or LF CR is simply two line ends with nothing between them, so the order
// in which the pairs are matched never changes the lines. A line or field that runs
// past the end of a block is continued with the next one: a field that is read is
// handed back whole (the caller keeps its bytes in front of the next block), any other
// field is just skipped, and a '^' at the very end waits to see whether an 'M' follows.
// Memory is thus the records, the block buffers and the longest field that is read.

namespace tess {

namespace {

constexpr qint64 ProgressInterval = 4 * 1024 * 1024;

// Plain integers of up to this many digits are read without the toolkit; they fit an
// unsigned 64-bit value and every longer one is sent to the toolkit.
constexpr qsizetype MaxFastDigits = 18;

// Index of each column's value in a record taken as nine int32 (see PixelRecord).
enum RecordSlot { SlotX = 0, SlotY = 1, SlotR = 2, SlotG = 3, SlotB = 4, SlotH = 6, SlotS = 7, SlotV = 8 };
constexpr int NotRead = -1;

inline bool isAsciiBlank(char c)
{
    // The ASCII characters QChar::isSpace() accepts; CR and LF never reach a field.
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline int32_t clampedInteger(bool negative, uint64_t magnitude)
{
    // QString::toInt gives 0 outside int; toDouble + floor of an integer outside the
    // 32-bit range gives 0 by our rule as well.
    if (!negative)
        return magnitude <= uint64_t(INT_MAX) ? int32_t(magnitude) : 0;
    return magnitude <= uint64_t(INT_MAX) + 1 ? int32_t(-int64_t(magnitude)) : 0;
}

// The data buffer always has this many readable bytes after its end, so that the
// digits of a field can be looked at eight at a time.
constexpr qsizetype ReadAhead = 8;

inline uint64_t loadEight(const char *p)
{
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return qFromLittleEndian(word);
}

// How many of the eight bytes at p are ASCII digits before the first that is not (8
// when all are). Without a branch per byte: values of random length are common.
inline int leadingDigits(const char *p)
{
    const uint64_t t = loadEight(p) ^ 0x3030303030303030u; // a digit becomes 0..9
    // A byte is no digit when its high nibble is set or it is 10..15 (then +6 sets the
    // high nibble). A carry out of such a byte only spoils the bytes after it.
    const uint64_t noDigit = (t | (t + 0x0606060606060606u)) & 0xF0F0F0F0F0F0F0F0u;
    return noDigit ? std::countr_zero(noDigit) >> 3 : 8;
}

// The value of the n (1..7) digits at p.
inline uint64_t digitsValue(const char *p, int n)
{
    uint64_t v = (loadEight(p) & 0x0F0F0F0F0F0F0F0Fu) << (64 - 8 * n); // as with leading zeros
    v = (v * 2561) >> 8;                                             // pairs
    v = ((v & 0x00FF00FF00FF00FFu) * 6553601) >> 16;                 // fours
    return ((v & 0x0000FFFF0000FFFFu) * 42949672960001u) >> 32;      // eight
}

// [blanks][sign]digits[blanks] with 1..MaxFastDigits digits. False for any other text.
bool readPlainInteger(const char *begin, const char *end, int32_t &value)
{
    while (begin < end && isAsciiBlank(*begin))
        ++begin;
    while (end > begin && isAsciiBlank(end[-1]))
        --end;
    if (begin == end)
        return false;
    bool negative = false;
    if (*begin == '-' || *begin == '+') {
        negative = *begin == '-';
        ++begin;
    }
    if (begin == end || end - begin > MaxFastDigits)
        return false;
    uint64_t magnitude = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, magnitude); // unsigned: no sign taken
    if (ec != std::errc() || ptr != end)
        return false;
    value = clampedInteger(negative, magnitude);
    return true;
}

// UTF-8 to text exactly as in a conversion of the whole file: unlike
// QString::fromUtf8, a U+FEFF at the start is kept as text (only the file's own leading
// byte-order mark is dropped, and that never reaches here).
QString utf8Text(const char *data, qsizetype size)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless
                                   | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(data, size));
}

QString fieldText(const char *begin, const char *end, bool decimalComma)
{
    QString text = utf8Text(begin, end - begin);
    if (decimalComma)
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

int32_t readCoordinate(const char *begin, const char *end, bool decimalComma)
{
    int32_t value;
    if (readPlainInteger(begin, end, value))
        return value;
    return fieldText(begin, end, decimalComma).toInt(nullptr, 10);
}

int32_t readComponent(const char *begin, const char *end, bool decimalComma)
{
    int32_t value;
    if (readPlainInteger(begin, end, value))
        return value;
    const double number = fieldText(begin, end, decimalComma).toDouble();
    if (!std::isfinite(number))
        return 0;
    const double floored = std::floor(number);
    if (floored < double(INT_MIN) || floored > double(INT_MAX))
        return 0;
    return int32_t(floored);
}

// Bytes in the UTF-8 sequence a byte starts; 1 for a byte that starts none.
inline int sequenceLength(char c)
{
    const auto u = uchar(c);
    if (u < 0xC0)
        return 1;
    if (u < 0xE0)
        return 2;
    if (u < 0xF0)
        return 3;
    return u < 0xF8 ? 4 : 1;
}

// Splits a header line at one separator and notes where the single-letter names are.
struct HeaderFields
{
    QByteArray separator;
    qint64 index = 0;
    qint64 length = 0; // bytes of the current field
    char first = 0;
    SheetColumns columns;

    explicit HeaderFields(QByteArray sep = QByteArray(",")) : separator(std::move(sep)) {}

    void character(const char *c, int n)
    {
        if (n == separator.size() && std::memcmp(c, separator.constData(), size_t(n)) == 0) {
            endField();
            ++index;
            length = 0;
            return;
        }
        if (length == 0)
            first = *c;
        length += n;
    }

    void endField()
    {
        if (length != 1 || index > INT_MAX)
            return;
        const int i = int(index);
        switch (first) { // the rightmost of equal names wins
        case 'x': columns.x = i; break;
        case 'y': columns.y = i; break;
        case 'r': columns.r = i; break;
        case 'g': columns.g = i; break;
        case 'b': columns.b = i; break;
        case 'a': columns.a = i; break;
        case 'h': columns.h = i; break;
        case 's': columns.s = i; break;
        case 'v': columns.v = i; break;
        default: break;
        }
    }
};

class SheetParser
{
public:
    explicit SheetParser(PixelRecords &out) : m_out(out) {}

    // Parses [begin, end); *end must be readable and 0. Returns how many bytes at the
    // end are still undecided: the caller puts them in front of the next data.
    qsizetype feed(const char *begin, const char *end, bool atEnd)
    {
        const char *p = begin;
        if (m_stage == Stage::FirstLine || m_stage == Stage::Header) {
            const qsizetype keep = feedHeading(p, end, atEnd);
            if (m_stage != Stage::Data)
                return keep;
        }
        if (m_stage == Stage::Data)
            return feedData(p, end, atEnd);
        return 0;
    }

    bool rejected() const { return m_stage == Stage::Rejected; }
    bool readingData() const { return m_stage == Stage::Data; }

    SheetInfo finish()
    {
        if (m_stage == Stage::FirstLine || m_stage == Stage::Header) {
            m_info.status = SheetStatus::NotValidSheet; // no header line at all
            return m_info;
        }
        if (m_stage == Stage::Data) {
            m_info.status = SheetStatus::Loaded;
            m_info.maxX = int(std::min<int64_t>(m_data.maxX + 1, INT_MAX));
            m_info.maxY = int(std::min<int64_t>(m_data.maxY + 1, INT_MAX));
        }
        return m_info;
    }

private:
    enum class Stage { FirstLine, Header, Data, Rejected };
    enum ByteClass : uchar { Plain, LineEnd, Caret, Separator, SeparatorLead, Sentinel };
    enum class FieldEnd { Separator, LineEnd, DataEnd, Undecided };

    // --- The first line ("sep=X" or the header) and the header, one character at a time.

    qsizetype feedHeading(const char *&p, const char *e, bool atEnd)
    {
        while (p < e) {
            const char c = *p;
            if (c == '\n' || c == '\r') {
                ++p;
                if (m_lineOpen && endHeadingLine())
                    return 0;
                continue;
            }
            if (c == '^') {
                if (p + 1 == e && !atEnd)
                    return 1;
                if (p + 1 < e && p[1] == 'M') {
                    p += 2;
                    if (m_lineOpen && endHeadingLine())
                        return 0;
                    continue;
                }
            }
            const int n = int(std::min<qsizetype>(sequenceLength(c), e - p));
            headingCharacter(p, n);
            p += n;
        }
        if (atEnd && m_lineOpen)
            endHeadingLine();
        return 0;
    }

    void headingCharacter(const char *c, int n)
    {
        m_lineOpen = true;
        if (m_lineBytes < 8)
            m_linePrefix.append(c, std::min<qsizetype>(n, 8 - m_lineBytes));
        m_lineBytes += n;
        if (m_stage == Stage::FirstLine) {
            if (n == 1 && *c == ',')
                m_lineHasComma = true;
            if (n == 1 && *c == ';')
                m_lineHasSemicolon = true;
            m_commaFields.character(c, n);
            m_semicolonFields.character(c, n);
        } else {
            m_namedFields.character(c, n);
        }
    }

    // Returns true when the heading is over (data follows, or the sheet is rejected).
    bool endHeadingLine()
    {
        m_lineOpen = false;
        if (m_stage == Stage::FirstLine) {
            // "sep=X", five characters, names the separator and is no header.
            if (m_lineBytes <= 8 && m_linePrefix.startsWith("sep=") && m_lineBytes > 4) {
                const int n = sequenceLength(m_linePrefix.at(4));
                if (n <= 3 && 4 + n == m_lineBytes) {
                    m_namedFields = HeaderFields(m_linePrefix.mid(4));
                    m_stage = Stage::Header;
                    return false;
                }
            }
            HeaderFields &fields = (!m_lineHasComma && m_lineHasSemicolon) ? m_semicolonFields
                                                                           : m_commaFields;
            fields.endField();
            acceptHeader(fields);
        } else {
            m_namedFields.endField();
            acceptHeader(m_namedFields);
        }
        return true;
    }

    void acceptHeader(const HeaderFields &fields)
    {
        const SheetColumns &c = fields.columns;
        m_info.columns = c;
        m_info.hasRgb = c.r >= 0 || c.g >= 0 || c.b >= 0;
        m_info.hasHsv = c.h >= 0 || c.s >= 0 || c.v >= 0;
        if (c.x < 0 || c.y < 0) {
            m_info.status = SheetStatus::NotValidSheet;
            m_stage = Stage::Rejected;
            return;
        }
        if (!m_info.hasRgb && !m_info.hasHsv) {
            m_info.status = SheetStatus::NoColourValues;
            m_stage = Stage::Rejected;
            return;
        }

        const std::pair<int, int> read[] = { { c.x, SlotX }, { c.y, SlotY }, { c.r, SlotR },
                                             { c.g, SlotG }, { c.b, SlotB }, { c.h, SlotH },
                                             { c.s, SlotS }, { c.v, SlotV } };
        int width = 0;
        for (const auto &[column, slot] : read)
            width = std::max(width, column + 1);
        m_slotOf.assign(size_t(width), NotRead);
        for (const auto &[column, slot] : read) {
            if (column >= 0)
                m_slotOf[size_t(column)] = slot;
        }
        m_width = width;
        m_lastNeeded = std::max(c.x, c.y);

        m_separator = fields.separator;
        const char sep = m_separator.at(0);
        m_decimalComma = m_separator == ";";
        m_sepIsCaret = m_separator == "^";
        m_sepIsNul = m_separator.size() == 1 && sep == '\0';
        m_inlineSeparator = (m_separator.size() == 1 && sep != '^' && sep != '\0' && sep != '+'
                             && sep != '-' && !(sep >= '0' && sep <= '9'))
                ? sep
                : -1;

        std::memset(m_class, Plain, sizeof m_class);
        if (m_separator.size() == 1)
            m_class[uchar(sep)] = Separator;
        else
            m_class[uchar(sep)] = SeparatorLead;
        m_class[uchar('\n')] = LineEnd;
        m_class[uchar('\r')] = LineEnd;
        m_class[uchar('^')] = Caret;
        m_class[0] = Sentinel;

        std::memset(m_lineEndClass, Plain, sizeof m_lineEndClass);
        m_lineEndClass[uchar('\n')] = LineEnd;
        m_lineEndClass[uchar('\r')] = LineEnd;
        m_lineEndClass[uchar('^')] = Caret;
        m_lineEndClass[0] = Sentinel;

        m_stage = Stage::Data;
    }

    // --- Data lines.

    FieldEnd scanField(const char *&q, const char *e, bool atEnd) const
    {
        for (;;) {
            while (m_class[uchar(*q)] == Plain)
                ++q;
            switch (m_class[uchar(*q)]) {
            case LineEnd:
                return FieldEnd::LineEnd;
            case Separator:
                return FieldEnd::Separator;
            case Caret:
                if (q + 1 == e) {
                    if (!atEnd)
                        return FieldEnd::Undecided;
                } else if (q[1] == 'M') {
                    return FieldEnd::LineEnd;
                }
                if (m_sepIsCaret)
                    return FieldEnd::Separator;
                ++q;
                break;
            case SeparatorLead:
                if (e - q >= m_separator.size()) {
                    if (std::memcmp(q, m_separator.constData(), size_t(m_separator.size())) == 0)
                        return FieldEnd::Separator;
                } else if (!atEnd) {
                    return FieldEnd::Undecided;
                }
                ++q;
                break;
            case Sentinel:
                if (q == e)
                    return atEnd ? FieldEnd::DataEnd : FieldEnd::Undecided;
                if (m_sepIsNul)
                    return FieldEnd::Separator;
                ++q;
                break;
            default:
                ++q;
                break;
            }
        }
    }

    // The state of the data lines, copied into a local for the time of a feedData():
    // stores into the records then cannot be taken to change it.
    struct DataState
    {
        bool lineOpen = false;
        int field = 0;          // column of the current field
        int32_t values[9] = {}; // the working record (as PixelRecord), reused for every line
        int64_t maxX = 0;
        int64_t maxY = 0;
    };

    // Values go straight into the working record. A line that is too short to reach
    // x or y changes only columns before the later of the two, and every line that
    // does give a record sets all of those again: a skipped line leaves no trace.
    void storeField(DataState &d, int slot, const char *begin, const char *end) const
    {
        d.values[slot] = slot <= SlotY ? readCoordinate(begin, end, m_decimalComma)
                                       : readComponent(begin, end, m_decimalComma);
    }

    static void startLine(DataState &d)
    {
        d.lineOpen = true;
        d.field = 0;
    }

    static void endLine(DataState &d, int lastNeeded, PixelRecords &out)
    {
        d.lineOpen = false;
        if (d.field < lastNeeded)
            return; // too short to reach x or y: no record
        PixelRecord record;
        std::memcpy(&record, d.values, sizeof record);
        out.push_back(record);
        d.maxX = std::max<int64_t>(d.maxX, record.x);
        d.maxY = std::max<int64_t>(d.maxY, record.y);
    }

    qsizetype feedData(const char *p, const char *e, bool atEnd)
    {
        DataState d = m_data;
        const qsizetype keep = parseData(d, p, e, atEnd);
        m_data = d;
        return keep;
    }

    qsizetype parseData(DataState &d, const char *p, const char *e, bool atEnd)
    {
        PixelRecords &out = m_out;
        const int width = m_width;
        const int lastNeeded = m_lastNeeded;
        const int inlineSeparator = m_inlineSeparator;
        const int *const slotOf = m_slotOf.data();
        for (;;) {
            if (!d.lineOpen) {
                // Line ends between lines; empty lines have no effect.
                for (;;) {
                    if (p == e)
                        return 0;
                    const char c = *p;
                    if (c == '\n' || c == '\r') {
                        ++p;
                        continue;
                    }
                    if (c == '^') {
                        if (p + 1 == e) {
                            if (!atEnd)
                                return 1;
                        } else if (p[1] == 'M') {
                            p += 2;
                            continue;
                        }
                    }
                    break;
                }
                startLine(d);
            }

            if (d.field >= width) {
                // Past the last column that is read: only the line end matters.
                const char *q = p;
                for (;;) {
                    while (m_lineEndClass[uchar(*q)] == Plain)
                        ++q;
                    if (q == e) {
                        if (atEnd)
                            endLine(d, lastNeeded, out);
                        return 0;
                    }
                    if (*q == '\n' || *q == '\r') {
                        p = q + 1;
                        break;
                    }
                    if (*q == '^') {
                        if (q + 1 == e) {
                            if (!atEnd)
                                return 1;
                        } else if (q[1] == 'M') {
                            p = q + 2;
                            break;
                        }
                    }
                    ++q;
                }
                endLine(d, lastNeeded, out);
                continue;
            }

            // The fields of the line, from d.field on.
            for (;;) {
                if (d.field >= width)
                    break;
                const int slot = slotOf[d.field];
                const char *const fieldStart = p;

                if (slot != NotRead && inlineSeparator >= 0) {
                    // The common case: digits right up to the separator or the line end.
                    const char *q = p;
                    bool negative = false;
                    if (*q == '-') {
                        negative = true;
                        ++q;
                    } else if (*q == '+') {
                        ++q;
                    }
                    const char *const digits = q;
                    uint64_t magnitude = 0;
                    const int n = leadingDigits(q);
                    if (n > 0 && n < 8) {
                        magnitude = digitsValue(q, n);
                        q += n;
                    } else {
                        while (unsigned(uchar(*q)) - unsigned('0') < 10u) {
                            magnitude = magnitude * 10 + unsigned(uchar(*q) - '0');
                            ++q;
                        }
                    }
                    if (q != digits && q - digits <= MaxFastDigits && q != e) {
                        if (*q == char(inlineSeparator)) {
                            d.values[slot] = clampedInteger(negative, magnitude);
                            p = q + 1;
                            ++d.field;
                            continue;
                        }
                        if (*q == '\n' || *q == '\r') {
                            d.values[slot] = clampedInteger(negative, magnitude);
                            p = q + 1;
                            endLine(d, lastNeeded, out);
                            break;
                        }
                    }
                }

                const char *q = p;
                switch (scanField(q, e, atEnd)) {
                case FieldEnd::Undecided:
                    // A field that is read is presented again whole with more data;
                    // of any other only what is still undecided.
                    return slot != NotRead ? e - fieldStart : e - q;
                case FieldEnd::Separator:
                    if (slot != NotRead)
                        storeField(d, slot, fieldStart, q);
                    p = q + m_separator.size();
                    ++d.field;
                    continue;
                case FieldEnd::LineEnd:
                    if (slot != NotRead)
                        storeField(d, slot, fieldStart, q);
                    p = q + (*q == '^' ? 2 : 1);
                    endLine(d, lastNeeded, out);
                    break;
                case FieldEnd::DataEnd:
                    if (slot != NotRead)
                        storeField(d, slot, fieldStart, q);
                    endLine(d, lastNeeded, out);
                    return 0;
                }
                break;
            }
        }
    }

    PixelRecords &m_out;
    SheetInfo m_info;
    Stage m_stage = Stage::FirstLine;
    bool m_lineOpen = false;

    // Heading.
    qint64 m_lineBytes = 0;
    QByteArray m_linePrefix;
    bool m_lineHasComma = false;
    bool m_lineHasSemicolon = false;
    HeaderFields m_commaFields { QByteArray(",") };
    HeaderFields m_semicolonFields { QByteArray(";") };
    HeaderFields m_namedFields;

    // Data.
    QByteArray m_separator;
    int m_inlineSeparator = -1; // the separator when the digit loop may stop at it
    bool m_decimalComma = false;
    bool m_sepIsCaret = false;
    bool m_sepIsNul = false;
    uchar m_class[256] = {};
    uchar m_lineEndClass[256] = {};
    std::vector<int> m_slotOf; // column -> record slot, or NotRead
    int m_width = 0;           // columns up to the last one that is read
    int m_lastNeeded = 0;      // the later of the x and y columns
    DataState m_data;
};

static_assert(sizeof(PixelRecord) == sizeof(int32_t[9]));

// Encodes UTF-16 as UTF-8, an unpaired surrogate as its own three bytes. A high
// surrogate at the end is held back until the next call (or written at the end).
qsizetype encodeUtf8(const char16_t *s, qsizetype n, char *out, char16_t &held, bool atEnd)
{
    char *o = out;
    auto put3 = [&o](char32_t u) {
        *o++ = char(0xE0 | (u >> 12));
        *o++ = char(0x80 | ((u >> 6) & 0x3F));
        *o++ = char(0x80 | (u & 0x3F));
    };
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = s[i];
        if (held) {
            if (u >= 0xDC00 && u <= 0xDFFF) {
                const char32_t cp = 0x10000 + ((char32_t(held) - 0xD800) << 10) + (u - 0xDC00);
                *o++ = char(0xF0 | (cp >> 18));
                *o++ = char(0x80 | ((cp >> 12) & 0x3F));
                *o++ = char(0x80 | ((cp >> 6) & 0x3F));
                *o++ = char(0x80 | (cp & 0x3F));
                held = 0;
                continue;
            }
            put3(held);
            held = 0;
        }
        if (u < 0x80) {
            *o++ = char(u);
        } else if (u < 0x800) {
            *o++ = char(0xC0 | (u >> 6));
            *o++ = char(0x80 | (u & 0x3F));
        } else if (u >= 0xD800 && u <= 0xDBFF) {
            held = u;
        } else {
            put3(u);
        }
    }
    if (atEnd && held) {
        put3(held);
        held = 0;
    }
    return o - out;
}

enum class Encoding { Ascii, Utf8, Utf16Le, Utf16Be };

// Reads the device and hands well-formed UTF-8 to the parser, block by block.
class SheetInput
{
public:
    SheetInput(QIODevice &device, qint64 blockSize, const ReadProgress &progress)
        : m_device(device), m_blockSize(std::max<qint64>(blockSize, 1)), m_progress(progress)
    {
    }

    // Reads up to max bytes into dst; 0 at the end or on a read error.
    qint64 readRaw(char *dst, qint64 max)
    {
        if (m_atEnd)
            return 0;
        qint64 n = m_device.read(dst, max);
        if (n == 0 && m_device.isSequential() && m_device.waitForReadyRead(-1))
            n = m_device.read(dst, max);
        if (n <= 0) {
            m_atEnd = true;
            return 0;
        }
        m_total += n;
        if (m_progress && m_total >= m_nextReport) {
            m_progress(m_total);
            m_nextReport = m_total + ProgressInterval;
        }
        return n;
    }

    void run(SheetParser &parser, PixelRecords &out)
    {
        // The byte-order mark, if any, is in the first three bytes.
        char head[3];
        qint64 headSize = 0;
        while (headSize < 3 && !m_atEnd)
            headSize += readRaw(head + headSize, std::min<qint64>(3 - headSize, m_blockSize));
        qint64 skip = 0;
        if (headSize >= 3 && uchar(head[0]) == 0xEF && uchar(head[1]) == 0xBB && uchar(head[2]) == 0xBF) {
            m_encoding = Encoding::Utf8;
            skip = 3;
        } else if (headSize >= 2 && uchar(head[0]) == 0xFF && uchar(head[1]) == 0xFE) {
            m_encoding = Encoding::Utf16Le;
            skip = 2;
        } else if (headSize >= 2 && uchar(head[0]) == 0xFE && uchar(head[1]) == 0xFF) {
            m_encoding = Encoding::Utf16Be;
            skip = 2;
        }
        if (m_encoding == Encoding::Utf8)
            m_encoding = Encoding::Ascii; // after the mark, exactly like a file without one

        bool estimated = false;
        qsizetype kept = 0;
        bool first = true;
        for (;;) {
            qsizetype produced;
            if (first) {
                produced = normalise(head + skip, headSize - skip, kept);
                first = false;
            } else {
                const qint64 want = std::max<qint64>(m_blockSize, kept);
                if (m_encoding == Encoding::Ascii) {
                    ensureWork(kept + want + 1);
                    const qint64 n = readRaw(m_work.data() + kept, want);
                    if (hasHighBytes(m_work.data() + kept, n)) {
                        m_raw.assign(m_work.data() + kept, m_work.data() + kept + n);
                        produced = normalise(m_raw.data(), n, kept);
                    } else {
                        produced = qsizetype(n);
                    }
                } else {
                    if (qint64(m_raw.size()) < want)
                        m_raw.resize(size_t(want));
                    const qint64 n = readRaw(m_raw.data(), want);
                    produced = normalise(m_raw.data(), n, kept);
                }
            }
            const bool atEnd = m_atEnd;
            if (atEnd)
                produced += finishDecoding(kept + produced);

            char *const begin = m_work.data();
            char *const end = begin + kept + produced;
            *end = '\0';
            const bool wasReadingData = parser.readingData();
            const qsizetype keep = parser.feed(begin, end, atEnd);
            if (atEnd || parser.rejected())
                return;
            if (!estimated && parser.readingData() && !wasReadingData) {
                estimated = true;
                reserveEstimate(out, end - begin - keep);
            }
            std::memmove(begin, end - keep, size_t(keep));
            kept = keep;
        }
    }

private:
    static bool hasHighBytes(const char *p, qint64 n)
    {
        uchar any = 0;
        for (qint64 i = 0; i < n; ++i)
            any |= uchar(p[i]);
        return any & 0x80;
    }

    void ensureWork(qsizetype size)
    {
        if (qsizetype(m_work.size()) < size + ReadAhead)
            m_work.resize(size_t(size + ReadAhead));
    }

    // Turns n raw bytes into UTF-8 at m_work + offset; returns the bytes produced.
    qsizetype normalise(const char *data, qint64 n, qsizetype offset)
    {
        if (m_encoding == Encoding::Ascii && hasHighBytes(data, n))
            m_encoding = Encoding::Utf8; // what came before was ASCII: a character boundary
        if (m_encoding == Encoding::Ascii) {
            ensureWork(offset + n + 1);
            std::memcpy(m_work.data() + offset, data, size_t(n));
            return qsizetype(n);
        }
        m_pending.append(data, qsizetype(n));
        if (m_encoding == Encoding::Utf8) {
            // Cut before the last character when it may still be incomplete, and
            // convert the rest at once: the toolkit's conversion of the whole text
            // restarts at every byte that is no continuation byte, so the pieces
            // convert exactly as the whole would.
            const qsizetype cut = completeUtf8Prefix(m_pending);
            const QString text = utf8Text(m_pending.constData(), cut);
            m_pending.remove(0, cut);
            return encode(text, offset, false);
        }
        const qsizetype units = m_pending.size() / 2;
        m_units.resize(size_t(units));
        const auto *bytes = reinterpret_cast<const uchar *>(m_pending.constData());
        for (qsizetype i = 0; i < units; ++i) {
            m_units[size_t(i)] = m_encoding == Encoding::Utf16Le
                    ? char16_t(bytes[2 * i] | (bytes[2 * i + 1] << 8))
                    : char16_t((bytes[2 * i] << 8) | bytes[2 * i + 1]);
        }
        m_pending.remove(0, units * 2);
        return encode(m_units.data(), units, offset, false);
    }

    // Bytes of data before a last character that may still be incomplete.
    static qsizetype completeUtf8Prefix(const QByteArray &data)
    {
        const qsizetype size = data.size();
        for (qsizetype i = size - 1; i >= 0 && i >= size - 3; --i) {
            const auto c = uchar(data.at(i));
            if ((c & 0xC0) == 0x80)
                continue; // continuation byte
            const qsizetype needed = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            return size - i < needed ? i : size;
        }
        return size;
    }

    // At the end: bytes that make no whole character become replacement characters,
    // as in a conversion of the whole text at once.
    qsizetype finishDecoding(qsizetype offset)
    {
        QString tail;
        if (m_encoding == Encoding::Utf8)
            tail = utf8Text(m_pending.constData(), m_pending.size());
        else if (!m_pending.isEmpty())
            tail = QString(QChar::ReplacementCharacter); // the odd last byte of UTF-16
        m_pending.clear();
        return encode(reinterpret_cast<const char16_t *>(tail.utf16()), tail.size(), offset, true);
    }

    qsizetype encode(const QString &text, qsizetype offset, bool atEnd)
    {
        return encode(reinterpret_cast<const char16_t *>(text.utf16()), text.size(), offset, atEnd);
    }

    qsizetype encode(const char16_t *units, qsizetype count, qsizetype offset, bool atEnd)
    {
        ensureWork(offset + 3 * (count + 1) + 1);
        return encodeUtf8(units, count, m_work.data() + offset, m_heldSurrogate, atEnd);
    }

    // Reserves room for the records the rest of the device will give, judged by the
    // first block. Room that is never written costs address space only.
    void reserveEstimate(PixelRecords &out, qsizetype parsedBytes)
    {
        if (m_device.isSequential() || out.empty() || parsedBytes <= 0)
            return;
        const qint64 remaining = m_device.size() - m_device.pos();
        if (remaining <= 0)
            return;
        const double bytesPerRecord = double(parsedBytes) / double(out.size());
        // A data line takes at least two bytes ("," and its line end).
        const double expected = std::min(double(out.size()) + double(remaining) / bytesPerRecord * 1.1 + 1024,
                                         double(out.size()) + double(remaining) / 2 + 1);
        try {
            out.reserve(size_t(expected));
        } catch (const std::exception &) {
            // No room for the guess: the records grow as they come.
        }
    }

    QIODevice &m_device;
    qint64 m_blockSize;
    const ReadProgress &m_progress;
    qint64 m_total = 0;
    qint64 m_nextReport = ProgressInterval;
    bool m_atEnd = false;
    Encoding m_encoding = Encoding::Ascii;
    QByteArray m_pending;           // raw bytes of a character not yet complete
    std::vector<char16_t> m_units;  // UTF-16 code units of one block
    char16_t m_heldSurrogate = 0;
    std::vector<char> m_work; // [undecided bytes][new UTF-8][0]
    std::vector<char> m_raw;
};

} // namespace

int sheetFieldToInt(QByteArrayView field, bool decimalComma)
{
    return readCoordinate(field.data(), field.data() + field.size(), decimalComma);
}

int sheetFieldToComponent(QByteArrayView field, bool decimalComma)
{
    return readComponent(field.data(), field.data() + field.size(), decimalComma);
}

SheetInfo readSheetInBlocks(QIODevice &device, PixelRecords &out, qint64 blockSize,
                            const ReadProgress &progress)
{
    out.clear();
    SheetParser parser(out);
    SheetInput input(device, blockSize, progress);
    try {
        input.run(parser, out);
    } catch (const std::bad_alloc &) {
        // More records than memory: refused like a file that is no sheet.
        out.clear();
        out.shrink_to_fit();
        SheetInfo info;
        info.status = SheetStatus::OutOfMemory;
        info.detail = QStringLiteral("not enough memory for the sheet's records");
        return info;
    }
    SheetInfo info = parser.finish();
    if (info.status != SheetStatus::Loaded)
        out.clear();
    return info;
}

SheetInfo readSheet(QIODevice &device, PixelRecords &out, const ReadProgress &progress)
{
    return readSheetInBlocks(device, out, DefaultSheetBlockSize, progress);
}

SheetInfo loadSheet(const QString &path, PixelRecords &out, const ReadProgress &progress)
{
    out.clear();
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        SheetInfo info;
        info.status = SheetStatus::CannotOpen;
        return info;
    }
    return readSheet(file, out, progress);
}

QString sheetStatusMessage(SheetStatus status)
{
    switch (status) {
    case SheetStatus::Loaded:
        return QString();
    case SheetStatus::NoColourValues:
        return QStringLiteral("Your spreadsheet does not contain valid color values.");
    case SheetStatus::CannotOpen:
    case SheetStatus::NotValidSheet:
    case SheetStatus::OutOfMemory:
        break;
    }
    return QStringLiteral("This is not a valid color spreadsheet.");
}

} // namespace tess
