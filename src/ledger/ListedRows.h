#pragma once

#include "ListedMovement.h"

#include <QObject>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace ledgora {

class FlexGrid;
class ListingRows;

// The movements behind a listing grid's data rows, one for each row in the grid's order, as
// the person sees them: the routines that change a row read its number and amounts here,
// never back from the cells' text. The loaded listing's rows are read from its record set when
// asked for, so a long listing costs nothing more; only the rows added or changed since the
// load are held here. Whoever adds, changes or removes a grid row does the same here.
class ListedRows final : public QObject {
    Q_OBJECT
public:
    // The rows behind the grid, none at first; they live as long as the grid.
    static ListedRows& of(FlexGrid& grid);

    // The listing just pasted into the grid's data rows, in place of every row before.
    void load(std::shared_ptr<const ListingRows> listing);
    void clear();
    int count() const;
    // The movement of a grid row (1 is the first data row). A row without one raises the
    // type-mismatch error, as a cell that does not read as an amount did.
    ListedMovement at(int gridRow) const;
    void replace(int gridRow, ListedMovement movement);
    void append(ListedMovement movement);
    void remove(int gridRow);

private:
    explicit ListedRows(QObject* parent);
    // The entry a grid row shows, raising the type-mismatch error for a row without one.
    // Entries below the listing's size are its rows (unless held here since a change); the
    // ones after them were appended.
    std::int32_t entryAt(int gridRow) const;

    std::shared_ptr<const ListingRows> listing_;
    std::int32_t entries_ = 0; // the listing's rows, then one more for each row appended
    // The entry of each data row, once a row was removed; until then, data row k is entry k.
    std::vector<std::int32_t> order_;
    bool reordered_ = false;
    std::unordered_map<std::int32_t, ListedMovement> held_; // added or changed entries
};

} // namespace ledgora
