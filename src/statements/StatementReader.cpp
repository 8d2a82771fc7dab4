#include "StatementReader.h"

#include "core/FileErrorText.h"

#include "Camt053Reader.h"
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

StatementFile refusedWhole(const QString& message) {
    return StatementFile::refused({0, message});
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
    QXmlStreamReader probe(start);
    while (!probe.atEnd() && probe.readNext() != QXmlStreamReader::StartElement) {
    }
    if (probe.isStartElement())
        return Camt053Reader::read(device);
    if (start.startsWith("00") || start.startsWith("11"))
        return Norma43Reader::read(device.readAll());
    return refusedWhole(QCoreApplication::translate(
        "StatementReader", "El archivo no es un extracto Norma 43 ni camt.053."));
}

} // namespace ledgora
