#pragma once

#include "core/Variant.h"

#include <QString>

namespace ledgora {

// The rows a banded report prints, read one after another: the report asks for the first,
// reads fields by name and moves on until the end. A report may be printed more than once
// (the preview repaints after a page setup), so it starts each time from the first row.
class ReportRecords {
public:
    virtual ~ReportRecords() = default;

    virtual void moveFirst() = 0;
    virtual bool eof() const = 0;
    virtual Variant field(const QString& name) const = 0;
    virtual void moveNext() = 0;
};

} // namespace ledgora
