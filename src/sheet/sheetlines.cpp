#include "sheetlines.h"

namespace tess::sheet {

FieldCutter::FieldCutter(const QByteArray &separator) : m_separator(separator)
{
    const char sep = m_separator.isEmpty() ? ',' : m_separator.at(0);
    m_caretSeparates = m_separator == "^";
    m_nulSeparates = m_separator.size() == 1 && sep == '\0';
    m_class[uchar(sep)] = m_separator.size() == 1 ? Separator : SeparatorLead;
    // The line ends come after the separator: a caret that separates may still start "^M".
    for (uchar *table : { m_class, m_lineEndClass }) {
        table[uchar('\n')] = LineEnd;
        table[uchar('\r')] = LineEnd;
        table[uchar('^')] = Caret;
    }
    m_class[0] = Sentinel; // the end of the text, even when the separator is a 0 byte
    m_lineEndClass[0] = Sentinel;
}

} // namespace tess::sheet
