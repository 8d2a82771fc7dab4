#pragma once

#include <vector>

namespace ledgora {

// Which bank line of a statement realises which pending movement, chosen for the whole
// statement at once rather than line by line in the file's order, so that no line takes a
// movement another line fits better.
//
// A line and a movement are paired only when each is the other's one best: the movement fits
// the line better than any other still free, and the line fits it better than any other still
// unpaired. Each pair made frees the others to try again, until no pair can be made. What is
// left in doubt (two equally good movements for a line, or two lines for a movement) stays
// unpaired for the person to decide; the result does not depend on the order of the lines.
// Lines (or movements) of the same kind cannot be told apart, and so do not count as doubt
// between each other: the first one offered is taken.
class MatchAssignment {
public:
    MatchAssignment(int lines, int movements);

    void setLineKind(int line, int kind) { lineKind_[std::size_t(line)] = kind; }
    void setMovementKind(int movement, int kind) { movementKind_[std::size_t(movement)] = kind; }
    // The line may realise the movement, with this score (higher is better).
    void offer(int line, int movement, int score);

    // The movement each line realises, or -1.
    std::vector<int> solve() const;

private:
    struct Offer {
        int line;
        int movement;
        int score;
    };
    std::vector<Offer> offers_;
    std::vector<int> lineKind_;
    std::vector<int> movementKind_;
};

} // namespace ledgora
