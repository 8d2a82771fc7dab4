#include "Schema.h"

namespace ledgora {

const std::vector<TableDef>& Schema::tables() {
    using K = ColumnKind;
    static const std::vector<TableDef> all = {
        {QStringLiteral("BANCNT"),
         {{QStringLiteral("CNTSTNRO"), K::Text, true},
          {QStringLiteral("CNTDTALT"), K::Date},
          {QStringLiteral("CNTSTNOM"), K::Text},
          {QStringLiteral("CNTSTBNK"), K::Text},
          {QStringLiteral("CNTSTTEL"), K::Text},
          {QStringLiteral("CNTSTBKC"), K::Text},
          {QStringLiteral("TOMDLAAC"), K::Amount},
          {QStringLiteral("TOMDLADE"), K::Amount},
          {QStringLiteral("TOMDLACR"), K::Amount},
          {QStringLiteral("TOMDLDEB"), K::Amount}},
         {QStringLiteral("CNTSTNRO")}},
        {QStringLiteral("BANMOV"),
         {{QStringLiteral("CNTSTNRO"), K::Text, true},
          {QStringLiteral("MOVINNRO"), K::Integer},
          {QStringLiteral("MOVDTALT"), K::Date},
          {QStringLiteral("CONSTNRO"), K::Text, true},
          {QStringLiteral("MOVSTCPT"), K::Text},
          {QStringLiteral("MOVDLAAC"), K::Amount},
          {QStringLiteral("MOVDLADE"), K::Amount},
          {QStringLiteral("MOVDLACR"), K::Amount},
          {QStringLiteral("MOVDLDEB"), K::Amount}},
         {QStringLiteral("CNTSTNRO"), QStringLiteral("MOVINNRO")}},
        {QStringLiteral("BANCON"),
         {{QStringLiteral("CONSTNRO"), K::Text, true},
          {QStringLiteral("CONSTDSC"), K::Text},
          {QStringLiteral("CONSTTIP"), K::Text}},
         {QStringLiteral("CONSTNRO")}},
    };
    return all;
}

const TableDef* Schema::table(const QString& name) {
    for (const auto& t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

std::optional<ColumnKind> Schema::columnKind(const QString& columnName) {
    for (const auto& t : tables())
        for (const auto& c : t.columns)
            if (c.name.compare(columnName, Qt::CaseInsensitive) == 0)
                return c.kind;
    return std::nullopt;
}

} // namespace ledgora
