// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mainwindow.h"
#include "scripteddialogs.h"
#include "ui_mainwindow.h"
#include "viewers.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>

#include <memory>

// Puts data into a document directly, as if work had made it: for tests of what the window
// shows of a state that no file gives easily.
struct DocumentUnderTest
{
    static void setPicture(tess::Document &document, const QImage &picture)
    {
        document.m_picture.image = picture;
    }
    static void setSheet(tess::Document &document, tess::PixelRecords records, const tess::SheetInfo &sheet)
    {
        document.m_sheet.records = std::make_shared<const tess::PixelRecords>(std::move(records));
        document.m_sheet.info = sheet;
    }
};

// A window whose questions are answered by a script, with its widgets at hand.
struct WindowUnderTest
{
    std::unique_ptr<MainWindow> window;
    ScriptedDialogs *dialogs = nullptr;
    Ui_MainWindow *ui = nullptr;

    static WindowUnderTest make()
    {
        auto scripted = std::make_unique<ScriptedDialogs>();
        WindowUnderTest w;
        w.dialogs = scripted.get();
        w.window = std::make_unique<MainWindow>(std::move(scripted));
        w.ui = w.window->ui;
        // Each click has done its work when it returns, as a person waits for it; the
        // tests of the window while work runs switch this off.
        w.window->document->setBlocking(true);
        return w;
    }

    tess::Document &document() const { return *window->document; }
    const tess::SheetInfo &sheet() const { return window->document->sheet(); }

    // The window's data as work would leave it, without the widgets following.
    void setPicture(const QImage &picture) const
    {
        DocumentUnderTest::setPicture(*window->document, picture);
        window->fillFromDocument();
    }
    void setSheet(tess::PixelRecords records, bool rgb, bool hsv) const
    {
        tess::SheetInfo info;
        info.hasRgb = rgb;
        info.hasHsv = hsv;
        setSheet(std::move(records), info);
    }
    void setSheet(tess::PixelRecords records, const tess::SheetInfo &info) const
    {
        DocumentUnderTest::setSheet(*window->document, std::move(records), info);
        window->fillFromDocument();
    }

    // The pixel viewer of the window's picture, when one is open.
    PixelViewer *viewer() const { return window->viewers->viewer(); }
    PixelViewer *sheetViewer() const { return window->viewers->sheetViewer(); }
    // The size of the picture the pixel data describes.
    QSize extent() const { return QSize(window->maxX, window->maxY); }

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
};
