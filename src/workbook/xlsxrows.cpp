// SPDX-License-Identifier: GPL-3.0-or-later
#include "xlsxsheet.h"

#include "saxrows.h"

#include <algorithm>
#include <string_view>

namespace tess {

// A reference's row number, from 1; -1 when it is no number or past the limit.
qint64 rowNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return -1;
    qint64 value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= WorksheetMaxRows ? value : -1;
}

// The column of a reference such as "B7", from 0; -1 when malformed or past XFD.
qint64 cellColumn(std::string_view reference)
{
    qint64 column = 0;
    size_t letters = 0;
    for (; letters < reference.size() && letters < 4; ++letters) {
        const char c = reference[letters];
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + (c - 'A' + 1);
    }
    if (letters == 0 || column > WorksheetMaxColumns || rowNumber(reference.substr(letters)) < 0)
        return -1;
    return column - 1;
}

namespace {

using sax::Attributes;
using sax::Name;

// The worksheet is read with libxml2's SAX parser (saxrows.h): for a million records (27
// million XML events) QXmlStreamReader alone took 5.1 s of processor time, expat 1.7 s,
// libxml2 1.25 s fed chunk by chunk and less pulling its input itself.

// The types of cell read otherwise than as their value's text.
constexpr char Boolean = 'b';
constexpr char Shared = 's';

class XlsxRows : public SaxRows<XlsxRows>
{
public:
    XlsxRows(std::unique_ptr<WorkbookEntry> entry, SharedTexts texts, bool fullCalcOnLoad)
        : SaxRows(std::move(entry)), m_texts(std::move(texts)), m_fullCalcOnLoad(fullCalcOnLoad)
    {
    }

private:
    friend class SaxRows<XlsxRows>;

    QString malformed(const QString &what, int line) const
    {
        return userText(Text::WorksheetNotWellFormed).arg(what).arg(line);
    }

    // The text between tags comes in pieces, so no cell's text is held longer than it needs.
    void text(QByteArrayView piece)
    {
        if (m_collecting && m_value.size() + piece.size() <= WorksheetRowLimit)
            m_value.append(piece);
    }

    void start(Name local, const Attributes &attributes)
    {
        if (m_skipping > 0) {
            ++m_skipping;
        } else if (!m_inSheetData) {
            m_inSheetData = local == "sheetData";
        } else if (local == "c") {
            startCell(attributes);
        } else if (local == "v" || local == "t") {
            // The cached value, or an inline text's runs; a formula's own text is not read.
            m_collecting = true;
            m_hasValue |= local == "v";
        } else if (local == "f") {
            m_hasFormula = true;
        } else if (local == "row") {
            std::string_view r;
            m_row = attributes.find("r", r) ? rowNumber(r) - 1 : m_row + 1;
            m_column = -1;
            if (m_row < 0 || m_row >= WorksheetMaxRows) {
                m_text->fail(userText(Text::RowPastLastRow));
                stop();
            }
        } else if (local == "rPh" || local == "phoneticPr" || local == "extLst") {
            m_skipping = 1; // phonetic guides of East Asian texts are no part of the text
        }
    }

    void startCell(const Attributes &attributes)
    {
        // One pass over the attributes: a workbook from a spreadsheet program gives every
        // cell a reference, a style and a type.
        std::string_view r;
        bool hasReference = false;
        m_type = 0;
        for (int i = 0; i < attributes.count; ++i) {
            const Name name = attributes.name(i);
            if (name == "r") {
                r = attributes.value(i);
                hasReference = true;
            } else if (name == "t") {
                const std::string_view t = attributes.value(i);
                m_type = t.size() == 1 ? t[0] : 0;
            }
        }
        m_column = hasReference ? cellColumn(r) : m_column + 1;
        m_value.resize(0);
        m_hasFormula = false;
        m_hasValue = false;
        if (m_column < 0) {
            m_text->fail(userText(Text::ReferencePastLimits));
            stop();
        }
    }

    void end(Name local)
    {
        if (m_skipping > 0) {
            --m_skipping;
            return;
        }
        m_collecting = false;
        if (!m_inSheetData)
            return;
        if (local == "c") {
            if (!addCell())
                stop();
        } else if (local == "row") {
            if (!m_text->endRow(m_row))
                stop();
        } else if (local == "sheetData") {
            stop();
        }
    }

    bool addCell()
    {
        // A formula whose result was never stored, or is stale as the workbook asks for
        // everything to be computed again: the value read may not be the one shown.
        if (m_hasFormula && (!m_hasValue || m_fullCalcOnLoad))
            m_text->countFormulaWithoutResult();
        if (m_type == Boolean) {
            const QByteArrayView word = m_value.isEmpty() ? "" : m_value == "0" ? "FALSE" : "TRUE";
            return m_text->addCell(m_column, word);
        }
        if (m_type != Shared)
            return m_text->addCell(m_column, QByteArrayView(m_value));
        if (m_value.trimmed().isEmpty())
            return m_text->addCell(m_column, QByteArrayView()); // refers to nothing: empty
        bool ok = false;
        const qsizetype index = m_value.trimmed().toLongLong(&ok);
        if (!ok || index < 0 || index >= m_texts.size())
            return m_text->fail(userText(Text::MissingSharedText));
        return m_text->addCell(m_column, m_texts.at(index));
    }

    SharedTexts m_texts;
    bool m_fullCalcOnLoad = false;
    bool m_hasFormula = false; // the current cell has a formula
    bool m_hasValue = false;   // and a stored value
    char m_type = 0;       // Boolean, Shared or another (numbers, texts, errors)
    QByteArray m_value;    // the cell's value or inline text, as UTF-8
    qint64 m_row = -1;
    qint64 m_column = -1;
    int m_skipping = 0;    // depth inside an element whose text is left out
    bool m_collecting = false;
    bool m_inSheetData = false;
};

} // namespace

std::unique_ptr<WorksheetSource> makeXlsxRows(std::unique_ptr<WorkbookEntry> entry, SharedTexts texts,
                                              bool fullCalcOnLoad)
{
    return std::make_unique<XlsxRows>(std::move(entry), std::move(texts), fullCalcOnLoad);
}

} // namespace tess
