// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow.h"
#include "formwidgets.h"
#include "scripteddialogs.h"
#include "testhelpers.h"
#include "viewers.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

// A window whose questions are answered by a script, with its widgets and its document at
// hand as anyone outside the window finds them: by their names and types.
struct WindowUnderTest
{
    std::unique_ptr<MainWindow> window;
    ScriptedDialogs *dialogs = nullptr;
    std::unique_ptr<FormWidgets> ui;
    // Where the files the window is given are written.
    std::shared_ptr<QTemporaryDir> files;

    static WindowUnderTest make()
    {
        auto scripted = std::make_unique<ScriptedDialogs>();
        WindowUnderTest w;
        w.dialogs = scripted.get();
        w.window = std::make_unique<MainWindow>(std::move(scripted));
        w.ui = std::make_unique<FormWidgets>(w.window.get());
        w.m_document = w.window->findChild<tess::Document *>();
        w.m_viewers = w.window->findChild<Viewers *>();
        // Every test goes through these: without them none can say anything.
        if (!w.ui->missing.isEmpty() || !w.m_document || !w.m_viewers)
            qFatal("The window lacks %s", qPrintable((w.ui->missing + QStringList{
                w.m_document ? QString() : QStringLiteral("its document"),
                w.m_viewers ? QString() : QStringLiteral("its viewers")}).join(QLatin1Char(' '))));
        w.files = std::make_shared<QTemporaryDir>();
        // Each click has done its work when it returns, as a person waits for it; the
        // tests of the window while work runs switch this off.
        w.m_document->setBlocking(true);
        return w;
    }

    tess::Document &document() const { return *m_document; }
    const tess::SheetInfo &sheet() const { return m_document->sheet(); }
    // The picture and the records the document holds; the size of the picture the records
    // describe.
    QImage image() const { return m_document->picture(); }
    tess::RecordsHandle pixels() const { return m_document->records(); }
    QSize extent() const { return m_document->extent(); }

    // The pixel viewer of the window's picture, when one is open.
    PixelViewer *viewer() const { return m_viewers->viewer(); }
    PixelViewer *sheetViewer() const { return m_viewers->sheetViewer(); }

    // Opens a picture as one named on the command line: written to a file of its own first.
    // False when the file could not be written or the window did not take it.
    bool openPicture(const QImage &picture, const QString &name = QStringLiteral("picture.png")) const
    {
        const QString path = files->filePath(name);
        QFile::remove(path);
        if (!picture.save(path))
            return false;
        window->openFile(path);
        return m_document->pictureFile() == path;
    }

    // Reads a sheet as Load Sheet does, the file chosen in its dialog: the question is asked
    // (and kept in dialogs->asked). False when the window did not take the file.
    bool loadSheet(const QByteArray &text, const QString &name = QStringLiteral("sheet.csv")) const
    {
        const QString path = files->filePath(name);
        if (!writeFile(path, text))
            return false;
        dialogs->fileAnswers.prepend(path);
        ui->loadSpreadsheet->click();
        return m_document->sheetFile() == path;
    }

    // The text of a pixel sheet of records with the columns of rgb and/or hsv.
    static QByteArray sheetText(const tess::PixelRecords &records, bool rgb, bool hsv)
    {
        QByteArray text = "x,y";
        text += rgb ? ",r,g,b" : "";
        text += hsv ? ",h,s,v" : "";
        text += '\n';
        for (const tess::PixelRecord &p : records) {
            QList<int> values{p.x, p.y};
            if (rgb)
                values << p.r << p.g << p.b;
            if (hsv)
                values << p.h << p.s << p.v;
            QByteArrayList line;
            for (int value : values)
                line.append(QByteArray::number(value));
            text += line.join(',') + '\n';
        }
        return text;
    }

    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = ui->tableWidget->item(row, column);
        return item ? item->text() : QStringLiteral("<no item>");
    }

    QStringList rowTexts(int row) const
    {
        QStringList out;
        for (int c = 0; c < 5; ++c)
            out.append(cell(row, c));
        return out;
    }

    // Visible and enabled state and text of every widget, and the table: to prove that an
    // action changed nothing.
    QStringList snapshot() const
    {
        QStringList out;
        const auto widgets = window->findChildren<QWidget *>();
        for (const QWidget *widget : widgets) {
            // The toolkit's own parts of a widget (scroll bars' containers, the status bar's
            // pieces) follow its layout and the event loop, not the program's state.
            if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
                continue;
            // The link to a long message whole comes and goes with the message.
            if (widget->objectName() == QLatin1String("wholeMessage"))
                continue;
            QString line = widget->objectName() + QLatin1Char(' ') + QString::number(widget->isHidden())
                + QString::number(widget->isEnabled());
            if (auto label = qobject_cast<const QLabel *>(widget))
                line += label->text() + QString::number(label->pixmap().isNull());
            if (auto button = qobject_cast<const QAbstractButton *>(widget))
                line += button->text() + QString::number(button->isChecked());
            if (auto box = qobject_cast<const QGroupBox *>(widget))
                line += box->title();
            out.append(line);
        }
        for (int r = 0; r < ui->tableWidget->rowCount(); ++r)
            out.append(rowTexts(r).join(QLatin1Char(',')));
        return out;
    }

private:
    tess::Document *m_document = nullptr;
    Viewers *m_viewers = nullptr;
};
