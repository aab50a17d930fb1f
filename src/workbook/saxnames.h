// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names and attributes as libxml2's SAX2 parser hands them over, for the worksheet readers.

#include <QByteArrayView>

#include <libxml/parser.h>

#include <cstring>
#include <string_view>

namespace tess::sax {

// An element's or attribute's local name, compared without measuring it first: there
// are some 30 million of them in a million records.
struct Name
{
    const xmlChar *text;

    bool operator==(const char *local) const
    {
        const xmlChar *c = text;
        for (; *local; ++c, ++local) {
            if (*c != xmlChar(*local))
                return false;
        }
        return *c == 0;
    }
};

// An attribute as libxml2 hands it over: local name, prefix, namespace, value, its end.
struct Attributes
{
    const xmlChar **items;
    int count;

    Name name(int i) const { return Name{ items[i * 5] }; }
    std::string_view value(int i) const
    {
        const auto *start = reinterpret_cast<const char *>(items[i * 5 + 3]);
        return std::string_view(start, size_t(reinterpret_cast<const char *>(items[i * 5 + 4]) - start));
    }
    std::string_view uri(int i) const
    {
        const auto *text = reinterpret_cast<const char *>(items[i * 5 + 2]);
        return text ? std::string_view(text) : std::string_view();
    }
    // Whether there is an attribute of that local name, and its value.
    bool find(const char *local, std::string_view &value) const
    {
        for (int i = 0; i < count; ++i) {
            if (name(i) == local) {
                value = this->value(i);
                return true;
            }
        }
        return false;
    }
    // The value of the attribute of that local name; empty and null when there is none.
    QByteArrayView valueOf(const char *local) const
    {
        std::string_view value;
        find(local, value);
        return QByteArrayView(value.data(), qsizetype(value.size()));
    }
};

} // namespace tess::sax
