// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The kinds of the document's work, one class each (loadjobs.cpp, reloadjobs.cpp,
// convertjob.cpp, drawjob.cpp, savejobs.cpp).

#include "documentjob.h"

namespace tess {

// Scanning a picture into records, and the sheet it makes: by Image to Spreadsheet, or
// again when the picture it came from was saved anew.
struct Conversion
{
    bool excel2002 = false;
    std::shared_ptr<PixelRecords> records;
    QSize scanned;

    Result run(const QImage &picture, const NoticeHandler &notice, const StopFlag *stop, ProgressSink *progress);
    // Records scanned from the picture carry every column, pass over nothing, and are in
    // no file until they are saved.
    void takeInto(const PictureSide &from, SheetSide &sheet);
};

// Drawing the records into a picture: by Spreadsheet to Image, or again when the sheet it
// came from was saved anew.
struct Drawing
{
    ColourModel model = InitialModel;
    QImage picture;
    DrawStats bent;

    Result run(const PixelRecords &records, QSize extent, const StopFlag *stop, ProgressSink *progress);
    // A picture drawn from the records is in no file until it is saved.
    void takeInto(const SheetSide &from, PictureSide &side);
};

// Reading a side's file, as a load or as a reading again: said alike for both sides.
class ReadJob : public DocumentJob
{
public:
    using DocumentJob::DocumentJob;
    QString words() const override;
    QString stoppedWords() const override;
    bool leavesFile() const override { return true; }

protected:
    Change::How how() const override { return Change::How::Read; }
};

class LoadPictureJob : public ReadJob
{
public:
    explicit LoadPictureJob(const QString &path, Document::Work work = Document::Work::LoadPicture);
    void apply(Document &document) override;

protected:
    Result steps() override;
    Status outOfMemory() const override { return Status::ImageOutOfMemory; }
    void dropMade() override { m_made = QImage(); }
    // The picture read becomes the picture side; before: what it is compared with.
    void takePicture(Document &document, const QImage &before);

    QImage m_made;
};

class LoadSheetJob : public ReadJob
{
public:
    explicit LoadSheetJob(const QString &path, Document::Work work = Document::Work::LoadSheet);
    void apply(Document &document) override;

protected:
    Result steps() override;
    Status outOfMemory() const override { return Status::SheetOutOfMemory; }
    void dropMade() override { m_records.reset(); }
    void takeSheet(Document &document);

    std::shared_ptr<PixelRecords> m_records;
    SheetInfo m_info;
};

// A reading again that the file follower asked for; when it made the other side again,
// that side changed too.
inline std::vector<std::pair<DocumentJob::Side, Change>> againWithRemade(const DocumentJob &job, bool remake,
                                                                        DocumentJob::Side other)
{
    std::vector<std::pair<DocumentJob::Side, Change>> changed{
        {job.side(), Change{Change::How::ReadAgain, job.asked(), job.result(), job.path(), job.remade()}}};
    if (remake && job.result().ok())
        changed.push_back({other, Change{Change::How::Made, job.asked(), job.remade(), job.path(), Result{}}});
    return changed;
}

// The picture's file saved anew by another program: read again, and the sheet made from
// it (remake) made again as it was made last time.
class ReloadPictureJob final : public LoadPictureJob
{
public:
    std::vector<std::pair<Side, Change>> changes() const override
    {
        return againWithRemade(*this, m_remake, Side::Sheet);
    }
    bool asked() const override { return false; }
    ReloadPictureJob(const QString &path, bool remake, bool excel2002);
    void apply(Document &document) override;

private:
    Result steps() override;
    void dropMade() override;

    bool m_remake;
    Conversion m_conversion;
};

// The sheet's file saved anew: read again, and the picture drawn from it (remake) drawn
// again in the model it was drawn in, or in the one the sheet still has.
class ReloadSheetJob final : public LoadSheetJob
{
public:
    std::vector<std::pair<Side, Change>> changes() const override
    {
        return againWithRemade(*this, m_remake, Side::Picture);
    }
    bool asked() const override { return false; }
    ReloadSheetJob(const QString &path, bool remake, ColourModel model);
    void apply(Document &document) override;

private:
    Result steps() override;
    void dropMade() override;

    bool m_remake;
    Drawing m_drawing;
};

class ConvertJob final : public DocumentJob
{
public:
    ConvertJob(QImage picture, bool excel2002);
    QString words() const override;
    QString stoppedWords() const override;
    void apply(Document &document) override;

private:
    Change::How how() const override { return Change::How::Made; }
    Result steps() override;
    Status outOfMemory() const override { return Status::ConversionOutOfMemory; }
    void dropMade() override { m_conversion.records.reset(); }

    QImage m_picture;
    Conversion m_conversion;
};

class DrawJob final : public DocumentJob
{
public:
    DrawJob(SharedRecords records, QSize extent, ColourModel model);
    QString words() const override;
    QString stoppedWords() const override;
    void apply(Document &document) override;
    bool failureChangesSides() const override { return true; }

private:
    Change::How how() const override { return Change::How::Made; }
    Result steps() override;
    Status outOfMemory() const override { return Status::DrawingOutOfMemory; }
    void dropMade() override { m_drawing.picture = QImage(); }

    SharedRecords m_records;
    QSize m_extent;
    Drawing m_drawing;
};

// The saves change no side's data: the side is then in the file written.
class SaveJob : public DocumentJob
{
public:
    using DocumentJob::DocumentJob;
    QString words() const override;
    QString stoppedWords() const override;
    void apply(Document &document) override;
    bool changesSides() const override { return false; }
    bool leavesFile() const override { return true; }

protected:
    Change::How how() const override { return Change::How::Written; }
    Status outOfMemory() const override { return Status::SaveOutOfMemory; }
};

class SavePictureJob final : public SaveJob
{
public:
    SavePictureJob(QImage picture, const QString &path);

private:
    Result steps() override;

    QImage m_picture;
};

// shape: the pixel sheet, or a picture-shaped workbook of the sheet's picture (reduced to a
// long edge of PictureSheetSide).
class SaveSheetJob final : public SaveJob
{
public:
    SaveSheetJob(SharedRecords records, QSize extent, ColourModel model, SheetShape shape, const QString &path);

private:
    Result steps() override;
    Result savePictureShaped();

    SharedRecords m_records;
    QSize m_extent;
    ColourModel m_model;
    SheetShape m_shape;
};

} // namespace tess
