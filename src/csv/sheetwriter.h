#pragma once

#include "model/pixelrecord.h"

#include <QString>

class QIODevice;

namespace tess {

// The header line written for each colour model, line feed included.
QByteArray sheetHeader(ColourModel model);

// Writes the sheet: the header, then one line "x,y,c1,c2,c3\n" per record in vector
// order, plain decimal integers, nothing else. Returns false as soon as the device
// refuses a write; errorString (if given) then holds the device's reason.
bool writeSheet(QIODevice &device, const PixelRecords &records, ColourModel model,
                QString *errorString = nullptr);

enum class SheetSaveStatus {
    Saved,
    OpenFailed,  // the file could not be created or opened for writing
    WriteFailed, // writing or committing failed; nothing was replaced
};

// Writes the sheet to path the safe way of writeOutput (output/safeoutput.h): a file
// already at path is replaced only once the new one is complete, and is left untouched
// on any failure; "-" is standard output. errorString (if given) holds the reason.
SheetSaveStatus saveSheet(const QString &path, const PixelRecords &records, ColourModel model,
                          QString *errorString = nullptr);

} // namespace tess
