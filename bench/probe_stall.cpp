// SPDX-License-Identifier: GPL-3.0-or-later
// The longest stall of the window's event loop while it reads a million-record workbook
// and a 4000 x 3000 photo. A timer ticks every millisecond; the longest gap between two
// ticks is the longest time the window could not paint or answer. Each file is read twice:
// on the window's own thread, as the window once read it ("before"), and through the
// window as it reads now ("after": Open with, which also draws a sheet), until the
// window's document has no more work.
//   probe_stall [FOLDER]   (the files are made in FOLDER, or in a temporary one)

#include "mainwindow.h"
#include "dialogs.h"

#include "benchrecords.h"

#include "convert/document.h"
#include "convert/operations.h"
#include "image/imagefile.h"
#include "workbook/workbookwriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Nothing is asked in this probe; a box would be a failure.
class NoQuestions final : public Dialogs
{
public:
    QString openFileName(QWidget *, const QString &, const QString &, const QString &, QString *) override
    {
        return {};
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &, QString *) override
    {
        return {};
    }
    void warning(QWidget *, const QString &title, const QString &text, const QString &why) override
    {
        std::fprintf(stderr, "unexpected box: %s / %s %s\n", qPrintable(title), qPrintable(text), qPrintable(why));
    }
    CloseAnswer askBeforeClosing(QWidget *, const QString &, const QString &) override { return CloseAnswer::Discard; }
};

// Runs work inside the event loop and gives the longest gap between the ticks around it,
// until busy says the work, or what it started, is done.
qint64 longestStall(const std::function<void()> &work, const std::function<bool()> &busy = [] { return false; })
{
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    tick.start();
    QTimer waiting;
    waiting.setInterval(10);
    QObject::connect(&waiting, &QTimer::timeout, [&] {
        if (busy())
            return;
        waiting.stop();
        QTimer::singleShot(50, qApp, &QCoreApplication::quit);
    });
    QTimer::singleShot(20, [&] {
        work();
        waiting.start();
    });
    QApplication::exec();
    return longest;
}

bool makeFiles(const QString &workbook, const QString &photo)
{
    QFile file(workbook);
    if (!file.open(QIODevice::WriteOnly) || !tess::writeWorkbook(file, makeRecords(), tess::ColourModel::Rgb).ok())
        return false;
    QImage image(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x / 16) & 0xff, (y / 12) & 0xff, int(random.bounded(64))));
    return image.save(photo, "JPG", 90);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tess::configureImageReading();
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    const QString workbook = folder + QStringLiteral("/million.xlsx");
    const QString photo = folder + QStringLiteral("/photo.jpg");
    if (!QFile::exists(workbook) || !QFile::exists(photo)) {
        if (!makeFiles(workbook, photo)) {
            std::fprintf(stderr, "probe_stall: could not write the files\n");
            return 1;
        }
    }

    MainWindow window(std::make_unique<NoQuestions>());
    window.show();
    std::printf("longest stall of the event loop, in ms (ticks every 1 ms)\n");
    std::printf("%-40s %8s %8s\n", "", "before", "after");
    for (const QString &path : {workbook, photo}) {
        const bool sheet = path == workbook;
        const qint64 before = longestStall([&] {
            if (sheet) {
                tess::PixelRecords records;
                tess::SheetInfo info;
                tess::loadSheetFile(path, records, info);
            } else {
                QImage image;
                tess::loadImageFile(path, image);
            }
        });
        const tess::Document *document = window.findChild<tess::Document *>();
        const qint64 after = longestStall([&] { window.openFile(path); }, [&] { return document->busy(); });
        std::printf("%-40s %8lld %8lld\n",
                    sheet ? "1,000,000-record .xlsx (after: + drawn)" : "4000 x 3000 JPEG photo",
                    static_cast<long long>(before), static_cast<long long>(after));
    }
    return 0;
}
