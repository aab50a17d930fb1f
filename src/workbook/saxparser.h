// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A whole part of a workbook (a worksheet, its styles) read in one pass by libxml2's SAX
// parser, for the readers that gather what they need from its events rather than turn it
// into text as the worksheet readers do (saxrows.h).

#include "saxnames.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

namespace tess::sax {

// libxml2 sets up its globals once, and not safely from two threads at a time.
void initialise();

class Handler
{
public:
    Handler() = default;
    Handler(const Handler &) = delete;
    Handler &operator=(const Handler &) = delete;
    virtual ~Handler() = default;

    // Reads the XML to its end. False when it is no well-formed XML (error() says why), or
    // when the handler stopped the reading. Throws std::bad_alloc when memory ran out.
    bool parse(QIODevice &input);
    bool parse(const QByteArray &bytes);
    QString error() const { return m_error; }

protected:
    virtual void start(Name local, const Attributes &attributes) = 0;
    virtual void end(Name local) = 0;
    virtual void text(QByteArrayView) {}
    // Ends the reading from within an event: parse() then gives false.
    void stop();

private:
    static int onRead(void *self, char *buffer, int length);
    static void onStart(void *self, const xmlChar *name, const xmlChar *, const xmlChar *, int, const xmlChar **,
                        int count, int, const xmlChar **attributes);
    static void onEnd(void *self, const xmlChar *name, const xmlChar *, const xmlChar *);
    static void onText(void *self, const xmlChar *text, int length);
    template <class Event>
    static void deliver(void *self, Event event);

    QIODevice *m_input = nullptr;
    xmlParserCtxtPtr m_parser = nullptr;
    bool m_stopped = false;
    bool m_outOfMemory = false;
    QString m_error;
};

} // namespace tess::sax
