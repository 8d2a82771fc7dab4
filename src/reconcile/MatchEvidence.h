#pragma once

#include <QString>
#include <QStringList>

namespace ledgora {

class TextClues;

// What a bank line and a pending movement of its amount and side have in common, read from
// their texts, and how strongly it says the line is that movement. The dates are left out:
// they only order candidates that are otherwise alike.
struct MatchEvidence {
    enum class Strength {
        Contradicted = -1, // the line names another document or someone else: never this one
        Doubtful = 0,      // it agrees on one and differs on the other: the person decides
        Silent = 1,        // neither says anything that tells (a bare line, a bare description)
        Name = 2,          // they share words of a name, and no reference differs
        Reference = 3,     // they share a document's number or reference, and no name differs
    };
    Strength strength = Strength::Silent;
    QString reference;      // the shared reference, as the movement writes it
    QStringList words;      // the shared words, as the movement writes them
    QString otherReference; // a reference of the line the movement does not have
    bool otherName = false; // the line names words of which the movement has none

    // How the line's and the movement's clues weigh against each other.
    static MatchEvidence weigh(const TextClues& line, const TextClues& movement);
    // Higher is better: the strength first, then the number of shared words.
    int score() const;
    // Whether a match may be made on it without the person: Silent or better.
    bool matchable() const { return strength >= Strength::Silent; }
    // Why, for the person: "referencia FAC-129, nombre Asesoria Mora, a 2 días".
    QString reason(int dayDistance) const;
};

} // namespace ledgora
