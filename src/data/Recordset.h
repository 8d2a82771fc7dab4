#pragma once

#include "RecordsetData.h"
#include "core/Variant.h"

#include <QString>
#include <memory>

namespace ledgora {

enum class CursorLocation { Server, Client };

// A record set as the callers use it: a position over the rows of a query's result, fields by
// name or alias, end-of-records, move next, record count and the remainder as text. Copies
// share the rows. Releasing it (Close, or letting it go) frees them.
class Recordset {
public:
    Recordset() = default;
    explicit Recordset(std::shared_ptr<const RecordsetData> data) : data_(std::move(data)) {}

    bool isOpen() const { return data_ != nullptr; }
    void Close() {
        data_.reset();
        position_ = 0;
    }

    // The current record's field; raises an error for an unknown name or past the last record.
    Variant Fields(const QString& name) const;
    Variant Fields(int index) const;
    // The field's value when it holds a T; T's empty value when it is Null or of another kind.
    template <typename T> T valueOf(const QString& name) const {
        const Variant value = Fields(name);
        const T* held = value.get<T>();
        return held ? *held : T();
    }
    bool Eof() const { return !data_ || position_ >= data_->rowCount(); }
    void MoveNext();
    long RecordCount() const { return data_ ? data_->rowCount() : 0; }
    void setCursorLocation(CursorLocation location) { location_ = location; }
    CursorLocation cursorLocation() const { return location_; }
    // The rest of the records as text; afterwards the record set stands at its end.
    QString GetString(const QString& columnSeparator, const QString& rowSeparator,
                      const QString& nullText);

    const RecordsetData* data() const { return data_.get(); }
    // The rows themselves, for a reader that keeps them after the record set is released.
    std::shared_ptr<const RecordsetData> sharedData() const { return data_; }
    long position() const { return position_; }

private:
    void requireOpen() const;

    std::shared_ptr<const RecordsetData> data_;
    long position_ = 0;
    CursorLocation location_ = CursorLocation::Server;
};

} // namespace ledgora
