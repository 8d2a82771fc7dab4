#include "CsvReader.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QStringDecoder>

namespace ledgora {

QString CsvReader::decoded(const QByteArray& bytes) const {
    if (encoding_ == Encoding::Detected && QByteArrayView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    QStringDecoder windows1252("windows-1252", QStringConverter::Flag::Stateless);
    return windows1252.decode(bytes);
}

QByteArray CsvReader::readLine() {
    // A program's output arrives in pieces: wait for a whole line, or for the end.
    while (!device_.canReadLine() && device_.bytesAvailable() <= kMaxRecordBytes &&
           device_.waitForReadyRead(-1)) {
    }
    // In pieces: a read of the largest record at once would take that much memory for every
    // line, however short.
    QByteArray line;
    while (line.size() <= kMaxRecordBytes) {
        const QByteArray piece = device_.readLine(4096);
        line += piece;
        if (piece.isEmpty() || piece.endsWith('\n'))
            break;
    }
    if (!line.isEmpty())
        ++linesRead_;
    if (linesRead_ == 1 && line.startsWith("\xEF\xBB\xBF"))
        line.remove(0, 3);
    return line;
}

bool CsvReader::next() {
    fields_.clear();
    if (!problem_.isEmpty())
        return false;
    QByteArray field;
    qint64 recordBytes = 0;
    bool quoted = false;
    bool started = false; // a quote or a comma makes even an empty line a record
    for (;;) {
        const QByteArray text = readLine();
        if (text.isEmpty() && !quoted)
            return false;
        if (fields_.isEmpty() && field.isEmpty() && !started)
            line_ = linesRead_;
        recordBytes += text.size();
        if (text.isEmpty() || recordBytes > kMaxRecordBytes) {
            problem_ =
                text.isEmpty()
                    ? QCoreApplication::translate("CsvReader",
                                                  "unas comillas se abren y no se cierran")
                    : QCoreApplication::translate("CsvReader", "un registro pasa de 1 MB (¿unas "
                                                               "comillas sin cerrar?)");
            return false;
        }
        // The line's own break, CR LF or LF, ends the record unless a quoted field goes on.
        qsizetype end = text.size();
        if (text.endsWith('\n'))
            end -= text.endsWith("\r\n") ? 2 : 1;
        for (qsizetype k = 0; k < end; ++k) {
            const char c = text[k];
            if (quoted) {
                if (c != '"')
                    field += c;
                else if (k + 1 < end && text[k + 1] == '"')
                    field += text[++k];
                else
                    quoted = false;
            } else if (c == '"') {
                quoted = started = true;
            } else if (c == separator_) {
                fields_ << decoded(field);
                field.clear();
                started = true;
            } else {
                field += c;
            }
        }
        if (quoted) {
            field += text.mid(end);
            continue;
        }
        if (!started && field.isEmpty())
            continue; // a blank line
        fields_ << decoded(field);
        return true;
    }
}

} // namespace ledgora
