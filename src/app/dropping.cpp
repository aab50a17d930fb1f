// SPDX-License-Identifier: GPL-3.0-or-later
#include "dropping.h"

#include "text/usertexts.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

class FileDrop final : public QObject
{
public:
    FileDrop(QWidget &window, std::function<void(const QString &)> open, std::function<void(const QString &)> refuse,
             std::function<bool()> busy)
        : QObject(&window)
        , m_open(std::move(open))
        , m_refuse(std::move(refuse))
        , m_busy(std::move(busy))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto *drag = static_cast<QDropEvent *>(event);
            if (drag->mimeData()->hasUrls())
                drag->acceptProposedAction();
            return true;
        }
        if (event->type() != QEvent::Drop)
            return false;
        auto *drop = static_cast<QDropEvent *>(event);
        drop->acceptProposedAction();
        const QString refusal = refusalFor(drop->mimeData()->urls());
        if (!refusal.isEmpty()) {
            m_refuse(refusal);
            return true;
        }
        // Opened once the drop is over, so the program it came from is not kept waiting.
        const QString path = drop->mimeData()->urls().first().toLocalFile();
        QTimer::singleShot(0, this, [this, path] { m_open(path); });
        return true;
    }

private:
    QString refusalFor(const QList<QUrl> &urls) const
    {
        using tess::Text;
        if (m_busy())
            return tess::userText(Text::DropWhileWorking);
        if (urls.size() != 1 || !urls.first().isLocalFile())
            return tess::userText(Text::DropOneFile);
        if (QFileInfo(urls.first().toLocalFile()).isDir())
            return tess::userText(Text::DropNoFolder);
        return QString();
    }

    std::function<void(const QString &)> m_open;
    std::function<void(const QString &)> m_refuse;
    std::function<bool()> m_busy;
};

} // namespace

void acceptFileDrops(QWidget &window, std::function<void(const QString &path)> open,
                     std::function<void(const QString &refusal)> refuse, std::function<bool()> busy)
{
    window.setAcceptDrops(true);
    window.installEventFilter(new FileDrop(window, std::move(open), std::move(refuse), std::move(busy)));
}
