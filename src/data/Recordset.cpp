#include "Recordset.h"

#include "core/RuntimeError.h"

namespace ledgora {

namespace {
RuntimeError noCurrentRecord() {
    return {3021, QStringLiteral("No hay registro activo.")};
}
RuntimeError itemNotFound() {
    return {3265, QStringLiteral("No se encontró el elemento en la colección que corresponde "
                                 "con el nombre o el ordinal pedido.")};
}
RuntimeError closedRecordset() {
    return {3704, QStringLiteral("No se permite la operación si el objeto está cerrado.")};
}
} // namespace

void Recordset::requireOpen() const {
    if (!data_)
        throw closedRecordset();
}

Variant Recordset::Fields(const QString& name) const {
    requireOpen();
    const int column = data_->columnIndex(name);
    if (column < 0)
        throw itemNotFound();
    return Fields(column);
}

Variant Recordset::Fields(int index) const {
    requireOpen();
    if (index < 0 || index >= data_->columnCount())
        throw itemNotFound();
    if (Eof())
        throw noCurrentRecord();
    return data_->value(position_, index);
}

void Recordset::MoveNext() {
    requireOpen();
    if (Eof())
        throw noCurrentRecord();
    ++position_;
}

QString Recordset::GetString(const QString& columnSeparator, const QString& rowSeparator,
                             const QString& nullText) {
    requireOpen();
    QString text = data_->toDelimitedText(position_, columnSeparator, rowSeparator, nullText);
    position_ = data_->rowCount();
    return text;
}

} // namespace ledgora
