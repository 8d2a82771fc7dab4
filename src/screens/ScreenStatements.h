#pragma once

#include "data/FormName.h"

namespace ledgora {

// The forms the screens issue.
namespace forms {
inline constexpr FormName accountsHighest{"accounts.highest"};
inline constexpr FormName accountsReadOne{"accounts.readOne"};
inline constexpr FormName accountsUpdate{"accounts.update"};
inline constexpr FormName accountsCountMovements{"accounts.countMovements"};
inline constexpr FormName accountsDelete{"accounts.delete"};
inline constexpr FormName conceptsCount{"concepts.count"};
inline constexpr FormName conceptsHighest{"concepts.highest"};
inline constexpr FormName conceptsInsert{"concepts.insert"};
inline constexpr FormName conceptsUpdate{"concepts.update"};
inline constexpr FormName conceptsDelete{"concepts.delete"};
inline constexpr FormName intervalConcepts{"interval.concepts"};
inline constexpr FormName movementsStatus{"movements.status"};
inline constexpr FormName movementsDelete{"movements.delete"};
inline constexpr FormName movementsEdit{"movements.edit"};
} // namespace forms

// Registers the statement forms the entry and maintenance screens issue.
void registerScreenStatements();

} // namespace ledgora
