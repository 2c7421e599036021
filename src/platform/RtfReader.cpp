// Reading an RTF file into a QTextDocument: the three stages of the reader put together.

#include "platform/RtfReader.h"

#include "platform/rtf/RtfDocumentBuilder.h"
#include "platform/rtf/RtfFontTable.h"
#include "platform/rtf/RtfInterpreter.h"
#include "platform/rtf/RtfTokenizer.h"

#include <QFile>
#include <QTextDocument>

namespace brimley {
namespace {

RtfReader::Status readDocument(const QByteArray& rtf, QTextDocument& document, bool cutShort)
{
    using namespace rtf;
    document.clear();
    // An RTF document begins with "{\rtf". A fragment cut out of a document (it begins with a group or
    // a control word) is read as if it stood in a document of its own.
    RtfTokenizer tokenizer(rtf);
    const RtfTokenizer::Start start = tokenizer.start();
    if (start == RtfTokenizer::Start::NotRtf)
        return RtfReader::Status::NotRtf;

    // Nothing read here is ever undone; an undo history would only double the memory.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    RtfFontTable fonts;
    RtfColourTable colours;
    RowDefinitions rows;
    RtfDocumentBuilder builder(document, fonts, colours, rows);
    RtfInterpreter interpreter(tokenizer, builder, fonts, colours, rows);
    if (!interpreter.read(start == RtfTokenizer::Start::Document))
        cutShort = true;
    document.setUndoRedoEnabled(undo);

    if (!builder.hasText())
        return RtfReader::Status::NoText;
    return cutShort ? RtfReader::Status::ReadInPart : RtfReader::Status::Read;
}

} // namespace

RtfReader::Status RtfReader::read(const QByteArray& rtf, QTextDocument& document)
{
    return readDocument(rtf, document, false);
}

RtfReader::Status RtfReader::readFile(const QString& path, QTextDocument& document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::CannotOpen;
    const QByteArray bytes = file.read(MaximumFileSize);
    if (file.error() != QFileDevice::NoError)
        return Status::CannotOpen;
    return readDocument(bytes, document, !file.atEnd());
}

} // namespace brimley
