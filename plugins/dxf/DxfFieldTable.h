#pragma once
// DXF group codes and the members they fill, declared as tables the readers
// walk: one row per code, read as a real, an integer, text decoded into
// CP932, or text kept as written (handles). An optional member records that
// the group was present.

#include "platform/mfc/CString.h"
#include "plugins/dxf/CDxfGroup.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/DxfNumber.h"

#include <optional>
#include <span>
#include <type_traits>
#include <variant>

template <typename T> struct DxfRawText { CString T::*member; };

template <typename T> struct DxfField {
    int code;
    std::variant<double T::*, int T::*, CString T::*, DxfRawText<T>, std::optional<int> T::*,
                 std::optional<CString> T::*>
        member;
};

// Fills the member of the group's row; false when no row has its code. Kept
// out of line: inlined into a reader, GCC 12 warns about the branches for
// member kinds the row type does not have, which never run.
template <typename T>
[[gnu::noinline]] bool TakeField(std::span<const DxfField<T>> fields, const CDxfGroup& group,
                                 const CDxfTextDecoder& decoder, T& target) {
    for (const DxfField<T>& field : fields) {
        if (field.code != group.code) {
            continue;
        }
        std::visit(
            [&](auto member) {
                using Member = decltype(member);
                if constexpr (std::is_same_v<Member, double T::*>) {
                    target.*member = DxfToDouble(group.value);
                } else if constexpr (std::is_same_v<Member, int T::*>) {
                    target.*member = DxfToInt(group.value);
                } else if constexpr (std::is_same_v<Member, CString T::*> ||
                                     std::is_same_v<Member, std::optional<CString> T::*>) {
                    target.*member = decoder.Decode(group.value);
                } else if constexpr (std::is_same_v<Member, std::optional<int> T::*>) {
                    target.*member = DxfToInt(group.value);
                } else {
                    target.*(member.member) = CString(group.value);
                }
            },
            field.member);
        return true;
    }
    return false;
}
