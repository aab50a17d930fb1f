#include "xlsxsheet.h"

#include "workbookzip.h"

#include <QIODevice>

#include <expat.h>

#include <cstring>

namespace tess {

namespace {

// The worksheet is read with expat: for a million records (27 million XML events)
// QXmlStreamReader alone took 5.1 s of processor time, expat 1.6 s. Its callbacks see
// the text between tags in pieces, so no cell's text is held longer than it needs.
constexpr int ReadSize = 64 * 1024;

const char *localName(const char *name)
{
    const char *colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

const char *attribute(const char **attributes, const char *local)
{
    for (; *attributes; attributes += 2) {
        if (std::strcmp(localName(attributes[0]), local) == 0)
            return attributes[1];
    }
    return nullptr;
}

// A reference's row number, from 1; -1 when it is no number or past the limit.
qint64 rowNumber(const char *digits)
{
    qint64 value = 0;
    int count = 0;
    for (; *digits; ++digits, ++count) {
        if (*digits < '0' || *digits > '9' || count == 8)
            return -1;
        value = value * 10 + (*digits - '0');
    }
    return value >= 1 && value <= WorksheetMaxRows ? value : -1;
}

// The column of a reference such as "B7", from 0; -1 when malformed or past XFD.
qint64 cellColumn(const char *reference)
{
    qint64 column = 0;
    int letters = 0;
    for (; *reference >= 'A' && *reference <= 'Z' && letters < 4; ++reference, ++letters)
        column = column * 26 + (*reference - 'A' + 1);
    if (letters == 0 || column > WorksheetMaxColumns || rowNumber(reference) < 0)
        return -1;
    return column - 1;
}

// The types of cell read otherwise than as their value's text.
constexpr char Boolean = 'b';
constexpr char Shared = 's';

char cellType(const char *type)
{
    return type[0] != 0 && type[1] == 0 ? type[0] : 0;
}

class XlsxRows : public WorksheetSource
{
public:
    XlsxRows(WorkbookArchive &archive, std::unique_ptr<QIODevice> entry, SharedTexts texts)
        : m_archive(archive), m_entry(std::move(entry)), m_texts(std::move(texts)),
          m_parser(XML_ParserCreate("UTF-8"))
    {
        XML_SetUserData(m_parser, this);
        XML_SetElementHandler(m_parser, &XlsxRows::onStart, &XlsxRows::onEnd);
        XML_SetCharacterDataHandler(m_parser, &XlsxRows::onText);
    }
    ~XlsxRows() override { XML_ParserFree(m_parser); }

    Step advance(WorksheetText &text) override
    {
        m_text = &text;
        if (m_suspended) {
            m_suspended = false;
            if (!settle(XML_ResumeParser(m_parser)))
                return Step::Failed;
            if (m_suspended)
                return Step::More;
            if (m_finished || m_final)
                return Step::End;
        }
        while (text.wantsMore()) {
            void *buffer = XML_GetBuffer(m_parser, ReadSize);
            if (!buffer)
                return failed(QStringLiteral("the worksheet does not fit in memory"));
            const qint64 n = m_entry->read(static_cast<char *>(buffer), ReadSize);
            if (n < 0 && !m_archive.failure().isEmpty())
                return failed(m_archive.failure());
            m_final = n <= 0;
            if (!settle(XML_ParseBuffer(m_parser, int(std::max<qint64>(n, 0)), m_final)))
                return Step::Failed;
            if (m_suspended)
                return Step::More;
            if (m_finished || m_final)
                return Step::End;
        }
        return Step::More;
    }

private:
    Step failed(const QString &why)
    {
        m_text->fail(why);
        return Step::Failed;
    }

    bool settle(XML_Status status)
    {
        if (status == XML_STATUS_SUSPENDED)
            m_suspended = true;
        if (status != XML_STATUS_ERROR || m_finished)
            return true;
        if (!m_stopped)
            m_text->fail(QStringLiteral("the workbook's worksheet is not well-formed XML (%1, line %2)")
                                 .arg(QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(m_parser))))
                                 .arg(XML_GetCurrentLineNumber(m_parser)));
        return false;
    }

    void stop(bool ok)
    {
        m_stopped = !ok;
        XML_StopParser(m_parser, XML_FALSE);
    }

    static void onStart(void *self, const char *name, const char **attributes)
    {
        static_cast<XlsxRows *>(self)->start(name, attributes);
    }
    static void onEnd(void *self, const char *name) { static_cast<XlsxRows *>(self)->end(name); }
    static void onText(void *self, const char *text, int length)
    {
        auto *rows = static_cast<XlsxRows *>(self);
        if (rows->m_collecting && rows->m_value.size() + length <= WorksheetRowLimit)
            rows->m_value.append(text, length);
    }

    void start(const char *name, const char **attributes)
    {
        const char *local = localName(name);
        if (m_skipping > 0) {
            ++m_skipping;
        } else if (!m_inSheetData) {
            m_inSheetData = std::strcmp(local, "sheetData") == 0;
        } else if (std::strcmp(local, "c") == 0) {
            startCell(attributes);
        } else if (std::strcmp(local, "v") == 0 || std::strcmp(local, "t") == 0) {
            // The cached value, or an inline text's runs; a formula's own text is not read.
            m_collecting = true;
        } else if (std::strcmp(local, "row") == 0) {
            const char *r = attribute(attributes, "r");
            m_row = r ? rowNumber(r) - 1 : m_row + 1;
            m_column = -1;
            if (m_row < 0 || m_row >= WorksheetMaxRows) {
                m_text->fail(QStringLiteral("a row lies past row 1,048,576, the last a worksheet has"));
                stop(false);
            }
        } else if (std::strcmp(local, "rPh") == 0 || std::strcmp(local, "phoneticPr") == 0
                   || std::strcmp(local, "extLst") == 0) {
            m_skipping = 1; // phonetic guides of East Asian texts are no part of the text
        }
    }

    void startCell(const char **attributes)
    {
        // One pass over the attributes: a workbook from a spreadsheet program gives every
        // cell a reference, a style and a type.
        const char *r = nullptr;
        m_type = 0;
        for (; *attributes; attributes += 2) {
            const char *name = localName(attributes[0]);
            if (name[0] == 'r' && name[1] == 0)
                r = attributes[1];
            else if (name[0] == 't' && name[1] == 0)
                m_type = cellType(attributes[1]);
        }
        m_column = r ? cellColumn(r) : m_column + 1;
        m_value.resize(0);
        if (m_column < 0) {
            m_text->fail(QStringLiteral("a cell reference lies past the limits of a worksheet "
                                        "(row 1,048,576, column XFD)"));
            stop(false);
        }
    }

    void end(const char *name)
    {
        if (m_skipping > 0) {
            --m_skipping;
            return;
        }
        m_collecting = false;
        if (!m_inSheetData)
            return;
        const char *local = localName(name);
        if (std::strcmp(local, "c") == 0) {
            if (!addCell())
                stop(false);
        } else if (std::strcmp(local, "row") == 0) {
            if (!m_text->endRow(m_row))
                stop(false);
            else if (!m_text->wantsMore())
                XML_StopParser(m_parser, XML_TRUE);
        } else if (std::strcmp(local, "sheetData") == 0) {
            m_finished = true;
            stop(true);
        }
    }

    bool addCell()
    {
        if (m_type == Boolean) {
            const QByteArrayView word = m_value.isEmpty() ? "" : m_value == "0" ? "FALSE" : "TRUE";
            return m_text->addCell(m_column, word);
        }
        if (m_type != Shared)
            return m_text->addCell(m_column, QByteArrayView(m_value));
        bool ok = false;
        const qsizetype index = m_value.trimmed().toLongLong(&ok);
        if (!ok || index < 0 || index >= m_texts.size())
            return m_text->fail(QStringLiteral("a cell refers to a shared text that the workbook lacks"));
        return m_text->addCell(m_column, m_texts.at(index));
    }

    WorkbookArchive &m_archive;
    std::unique_ptr<QIODevice> m_entry;
    SharedTexts m_texts;
    XML_Parser m_parser;
    WorksheetText *m_text = nullptr;
    char m_type = 0;       // Boolean, Shared or another (numbers, texts, errors)
    QByteArray m_value;    // the cell's value or inline text, as UTF-8
    qint64 m_row = -1;
    qint64 m_column = -1;
    int m_skipping = 0;    // depth inside an element whose text is left out
    bool m_collecting = false;
    bool m_inSheetData = false;
    bool m_suspended = false;
    bool m_final = false;
    bool m_finished = false;
    bool m_stopped = false;
};

} // namespace

std::unique_ptr<WorksheetSource> makeXlsxRows(WorkbookArchive &archive, std::unique_ptr<QIODevice> entry,
                                              SharedTexts texts)
{
    return std::make_unique<XlsxRows>(archive, std::move(entry), std::move(texts));
}

} // namespace tess
