#include "BitmapArray.h"

namespace hexlume::format {

namespace {

bool IsBitmapArray(Bytes file)
{
    return Holds(file, 0, 2) && ReadField(file, 0, kArrayHeaderFields, FieldId::Signature) == kArraySignature;
}

}  // namespace

BitmapArray ReadBitmapArray(Bytes file)
{
    BitmapArray array;
    if (!IsBitmapArray(file))
        return array;
    // Each link must go forward, so the walk ends within the file's length.
    for (std::uint64_t at = 0;;) {
        if (!Holds(file, at, kArrayHeaderBytes + kFileHeaderBytes)) {
            array.fault = ArrayFault::Truncated;
            array.faultEntry = at;
            return array;
        }
        array.entries.push_back(at);
        const std::uint64_t next = ReadField(file, at, kArrayHeaderFields, FieldId::NextEntry);
        if (next == 0)
            return array;
        const ArrayFault fault = next <= at                ? ArrayFault::NextBackward
                                 : next < at + kArrayHeaderBytes + kFileHeaderBytes ? ArrayFault::NextInside
                                 : next >= file.size()     ? ArrayFault::NextPastEnd
                                 : ReadField(file, next, kArrayHeaderFields, FieldId::Signature) != kArraySignature
                                     ? ArrayFault::NotAnEntry
                                     : ArrayFault::None;
        if (fault != ArrayFault::None) {
            array.fault = fault;
            array.faultEntry = at;
            array.faultTarget = next;
            return array;
        }
        at = next;
    }
}

}  // namespace hexlume::format
