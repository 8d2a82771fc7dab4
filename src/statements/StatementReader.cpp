#include "StatementReader.h"

#include "core/FileErrorText.h"

#include "Camt053Reader.h"
#include "Mt940Reader.h"
#include "OfxReader.h"
#include "statements/Norma43Reader.h"
#include "statements/StatementsLog.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>

namespace ledgora {

namespace {

using namespace Qt::StringLiterals;

// As much of the start as an XML declaration, comments and the root's attributes take.
constexpr qint64 kProbeBytes = 64 * 1024;

// Lines a bank puts before an MT940 message's first field, as ABN AMRO's "ABNANL2A" and "940".
constexpr int kMt940LeadingLines = 5;

StatementFile refusedWhole(const QString& message) {
    return StatementFile::refused({0, message});
}

// The start without a byte order mark and the blank lines before the first text.
QByteArrayView firstText(QByteArrayView start) {
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.sliced(3);
    while (!start.isEmpty() && QChar::isSpace(uchar(start.front())))
        start = start.sliced(1);
    return start;
}

// An MT940 message opens with its blocks ("{1:"), or bare with its :20:, after at most a few
// lines of the bank's own.
bool isMt940(QByteArrayView start) {
    for (int k = 0; k < kMt940LeadingLines && !start.isEmpty(); ++k) {
        const QByteArrayView line = firstText(start);
        if (line.startsWith("{1:") || line.startsWith(":"))
            return line.startsWith("{1:") || line.startsWith(":20:");
        const qsizetype end = line.indexOf('\n');
        start = end < 0 ? QByteArrayView() : line.sliced(end + 1);
    }
    return false;
}

} // namespace

StatementFile StatementReader::readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refusedWhole(
            QCoreApplication::translate("StatementReader", "No se puede abrir el extracto %1: %2.")
                .arg(path, fileErrorText(file)));
    StatementFile read = StatementReader::read(file);
    if (read.isRefused())
        qCDebug(lcStatements).noquote() << path << "refused:" << read.refusal->message;
    return read;
}

StatementFile StatementReader::read(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}

StatementFile StatementReader::read(QIODevice& device) {
    const QByteArray start = device.peek(kProbeBytes);
    if (firstText(start).startsWith("OFXHEADER:"))
        return OfxReader::read(device.readAll());
    // OFX 2 is XML under its <?OFX ...?> instruction; a root OFX without it is OFX all the same.
    QXmlStreamReader probe(start);
    bool ofx = false;
    while (!probe.atEnd() && probe.readNext() != QXmlStreamReader::StartElement)
        ofx = ofx ||
              (probe.isProcessingInstruction() && probe.processingInstructionTarget() == u"OFX");
    if (ofx || (probe.isStartElement() && probe.name() == u"OFX"))
        return OfxReader::read(device.readAll());
    if (isMt940(start))
        return Mt940Reader::read(device.readAll());
    if (probe.isStartElement())
        return Camt053Reader::read(device);
    if (start.startsWith("00") || start.startsWith("11"))
        return Norma43Reader::read(device.readAll());
    return refusedWhole(QCoreApplication::translate(
        "StatementReader", "El archivo no es un extracto Norma 43, camt.053, OFX ni MT940."));
}

} // namespace ledgora
