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
        return w;
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
