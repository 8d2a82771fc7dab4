#pragma once

#include <QString>
#include <vector>

namespace ledgora {

struct BankLine;

// What a text says that can tell one movement from another of the same amount: the
// references it names (an invoice, a receipt, a document number) and the words of a name,
// both folded so that "Asesoría" is the bank's "ASESORIA". Words every bank and bookkeeper
// write ("PAGO", "FACTURA", "TRANSFERENCIA", "de") say nothing and are left out.
class TextClues {
public:
    struct Reference {
        QString key;    // its letters and digits, upper case: "FAC129"
        QString number; // its digits without leading zeros, when three or more: "129"
        QString shown;  // as written: "FAC-129"
        // Written in the line's own text, and shaped like a document's number (not an
        // account or a long bank code): a different one names another document.
        bool telling = false;
    };
    struct Word {
        QString folded;
        QString shown;
        bool telling = false; // written in the line's own text, not in the bank's code fields
    };

    TextClues() = default;
    // A movement's description: everything in it is telling.
    explicit TextClues(const QString& description);
    // A bank line's texts and references. What the bank files in fields of its own (its
    // references, document number and ids) counts when a movement repeats it, but never
    // against one: those are the bank's numbers, not what the customer wrote.
    static TextClues ofLine(const BankLine& line);

    const std::vector<Reference>& references() const { return references_; }
    const std::vector<Word>& words() const { return words_; }
    bool hasTellingWord() const;

private:
    void read(const QString& text, bool telling);
    void addWord(const QString& written, bool telling);

    std::vector<Reference> references_;
    std::vector<Word> words_;
};

} // namespace ledgora
