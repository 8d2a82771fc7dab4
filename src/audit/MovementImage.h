#pragma once

#include "domain/MovementAmounts.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace ledgora {

class Recordset;

// A movement as an audit row pictures it before or after a change, read once from the row's
// JSON (every value as text: amounts in ten-thousandths, the day as yyyy-mm-dd), or as it is
// stored now. The bin, the undo and their screens all read it here.
struct MovementImage {
    bool present = false; // an insert has no image before, a deletion none after
    QString account;      // without its padding
    std::int64_t number = 0;
    QDate date;
    QString concept;     // as stored, padding included
    QString description; // as stored
    MovementAmounts amounts;

    static MovementImage fromJson(const QString& image);
    // The movement of the current row of a record set of the movement's columns.
    static MovementImage fromRow(const Recordset& rs);

    // What it moves: the first of its four amounts that is not zero.
    Money amount() const;
    // The values after account and number of a statement that writes the movement again, as
    // the entry screen writes them: day, concept, description and the four amounts.
    QStringList statementValues() const;
    // Whether both picture the same movement, blanks around texts aside.
    bool sameAs(const MovementImage& other) const;
};

} // namespace ledgora
