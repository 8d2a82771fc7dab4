#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

namespace ledgora {

// Reads comma-separated text as RFC 4180 writes it (fields holding a comma, a quote or a line
// break are quoted, quotes doubled) one record at a time, from a file or from a program's
// output as it comes: a table of any size takes the memory of one record. A field that is
// valid UTF-8 is read as such; any other is read as Windows-1252, the code page the old
// system's exports are written in, so that no character is lost to a replacement mark. A byte
// order mark at the start and blank lines are skipped. Banks' exports separate their fields
// by another character as often as by a comma (a semicolon where the comma is the decimal
// one, a tab), and some are written in Windows-1252 throughout.
class CsvReader {
public:
    enum class Encoding { Detected, Windows1252 };

    // No record, quoted line breaks included, is longer than this: beyond it a quote was left
    // open and would take the rest of the text.
    static constexpr qint64 kMaxRecordBytes = 1 << 20;

    explicit CsvReader(QIODevice& device, char separator = ',',
                       Encoding encoding = Encoding::Detected)
        : device_(device), separator_(separator), encoding_(encoding) {}

    // Reads the next record into fields(). False at the end of the text and when the text is
    // broken there: problem() then says why.
    bool next();
    const QStringList& fields() const { return fields_; }
    // The line on which the last record read (or the broken one) begins, counted from 1.
    qint64 line() const { return line_; }
    // Why the text could not be read on, in words for the person importing it; empty at a
    // clean end.
    const QString& problem() const { return problem_; }

private:
    QByteArray readLine();

    QString decoded(const QByteArray& bytes) const;

    QIODevice& device_;
    char separator_;
    Encoding encoding_;
    QStringList fields_;
    QString problem_;
    qint64 line_ = 0;
    qint64 linesRead_ = 0;
};

} // namespace ledgora
