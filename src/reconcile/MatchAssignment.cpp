#include "MatchAssignment.h"

#include <deque>
#include <numeric>

namespace ledgora {

MatchAssignment::MatchAssignment(int lines, int movements)
    : lineKind_(std::size_t(lines)), movementKind_(std::size_t(movements)) {
    std::iota(lineKind_.begin(), lineKind_.end(), 0);
    std::iota(movementKind_.begin(), movementKind_.end(), 0);
}

void MatchAssignment::offer(int line, int movement, int score) {
    offers_.push_back({line, movement, score});
}

std::vector<int> MatchAssignment::solve() const {
    const std::size_t lines = lineKind_.size();
    const std::size_t movements = movementKind_.size();
    std::vector<std::vector<const Offer*>> ofLine(lines), ofMovement(movements);
    for (const Offer& offer : offers_) {
        ofLine[std::size_t(offer.line)].push_back(&offer);
        ofMovement[std::size_t(offer.movement)].push_back(&offer);
    }
    std::vector<int> movementOf(lines, -1), lineOf(movements, -1);

    // The one best of the offers still open, or -1 when two of different kinds share the
    // best score. `other` names the offer's other end, `open` says whether it is still free.
    auto best = [](const std::vector<const Offer*>& offers, auto other, auto open,
                   const std::vector<int>& kinds) {
        int found = -1, score = 0;
        bool doubt = false;
        for (const Offer* offer : offers) {
            const int end = other(*offer);
            if (!open(end))
                continue;
            if (found < 0 || offer->score > score) {
                found = end;
                score = offer->score;
                doubt = false;
            } else if (offer->score == score &&
                       kinds[std::size_t(end)] != kinds[std::size_t(found)]) {
                doubt = true;
            }
        }
        return doubt ? -1 : found;
    };
    auto lineOpen = [&](int line) { return movementOf[std::size_t(line)] < 0; };
    auto movementOpen = [&](int movement) { return lineOf[std::size_t(movement)] < 0; };
    auto movementEnd = [](const Offer& offer) { return offer.movement; };
    auto lineEnd = [](const Offer& offer) { return offer.line; };

    std::deque<int> waiting;
    for (std::size_t line = 0; line < lines; ++line)
        if (!ofLine[line].empty())
            waiting.push_back(int(line));
    while (!waiting.empty()) {
        const int line = waiting.front();
        waiting.pop_front();
        if (!lineOpen(line))
            continue;
        const int movement =
            best(ofLine[std::size_t(line)], movementEnd, movementOpen, movementKind_);
        if (movement < 0 ||
            best(ofMovement[std::size_t(movement)], lineEnd, lineOpen, lineKind_) != line)
            continue;
        movementOf[std::size_t(line)] = movement;
        lineOf[std::size_t(movement)] = line;
        // The lines that wanted this movement look again, and so do those that shared a
        // movement with this line, which has one rival fewer.
        for (const Offer* rival : ofMovement[std::size_t(movement)])
            waiting.push_back(rival->line);
        for (const Offer* mine : ofLine[std::size_t(line)])
            for (const Offer* rival : ofMovement[std::size_t(mine->movement)])
                waiting.push_back(rival->line);
    }
    return movementOf;
}

} // namespace ledgora
