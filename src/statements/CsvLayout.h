#pragma once

#include "core/Money.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace ledgora {

// How a bank's spreadsheet export (CSV) is laid out: which character separates its fields and
// its decimals, how its dates are written, how many rows come before the movements, and which
// column holds what. A CSV says none of this itself; the layout is guessed from the file, shown
// to the person, and remembered for the bank account once accepted.
struct CsvLayout {
    enum class Encoding { Utf8, Windows1252 };
    static constexpr int kNone = -1; // a column the file does not have

    char separator = ';';
    QChar decimal = u',';
    QString dateFormat = QStringLiteral("dd/MM/yyyy"); // as QDate::fromString reads it
    int skipRows = 1; // rows before the first movement: titles and the column names
    Encoding encoding = Encoding::Utf8;
    // Columns counted from 0. The amount is one signed column, or a debit and a credit column.
    int operationDate = 0;
    int valueDate = kNone;
    int description = kNone;
    int reference = kNone;
    int amount = kNone;
    int debit = kNone;
    int credit = kNone;
    int balance = kNone; // the running balance after each movement, checked when given

    // Whether the layout names what a movement needs: a date and its amount.
    bool isComplete() const;
    // The stored form, and the layout read back from it (nothing from a text of another kind).
    QString toText() const;
    static std::optional<CsvLayout> fromText(const QString& text);

    // The layout a file most likely has: the encoding (UTF-8 when it reads as UTF-8), the
    // separator the first rows agree on, the rows before the first one holding a date, the date
    // format and the decimal separator its values fit, and the columns by their names
    // ("Fecha", "Concepto", "Importe", "Debe", "Haber", "Saldo", ...) or by their values.
    static CsvLayout guess(const QByteArray& bytes);
    // The file's rows as text, up to `rows` of them (the column names and the first movements).
    QList<QStringList> firstRows(const QByteArray& bytes, int rows) const;
    // The file's column names as this layout reads them (the last row before the movements),
    // joined: a bank account's exports of one kind share it, so it tells which remembered layout
    // a file has. Empty when the layout skips no row.
    QString headerOf(const QByteArray& bytes) const;

    // A cell read as this layout writes amounts: blanks, a currency's sign or code and the
    // thousands separator left out, a sign before or after the digits, or the digits in
    // brackets for a negative amount. Nothing when it is no amount (an empty cell neither).
    std::optional<Money> amountOf(const QString& cell) const;
    // Whether a cell says no amount at all: empty, or the dash some banks write in the column a
    // movement leaves empty.
    static bool holdsNoAmount(const QString& cell);
    // Whether a row is a spreadsheet's blank line: every cell empty.
    static bool isBlankRow(const QStringList& row);
    // A cell read as this layout writes dates; a two-digit year is of this century or the
    // last one, whichever is nearer. Nothing when it is no date.
    std::optional<QDate> dateOf(const QString& cell) const;

    // The formats a date column is tried with, most usual first.
    static const QStringList& dateFormats();

    friend bool operator==(const CsvLayout& a, const CsvLayout& b) {
        return a.toText() == b.toText();
    }
};

} // namespace ledgora
