#include "tools/pordump/PorDumper.h"

#include "platform/mfc/Cp932.h"
#include "platform/win/GlobalMemory.h"
#include "por/PorLayout.h"
#include "por/PorRecord.h"
#include "por/PorRecordWalker.h"
#include "por/PorRecords.h"

#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

namespace {

std::string Number(long long value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// Appends the parts in turn; "literal" + temporary string chains set off
// false overflow warnings in GCC 12's optimiser.
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view part : parts) {
        out += part;
    }
    return out;
}

std::string Quoted(const CString& cp932) {
    std::string out = "\"";
    for (char c : Cp932::ToUtf8(cp932.view())) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string Point(const POINT& point) {
    std::string out(1, '(');
    out += Number(point.x);
    out += ',';
    out += Number(point.y);
    return out + ')';
}

std::string Points(const std::vector<POINT>& points) {
    std::string out;
    for (const POINT& point : points) {
        if (!out.empty()) {
            out += ' ';
        }
        out += Point(point);
    }
    return out;
}

const char* NameOf(LONG type) {
    const PorLayout* layout = FindPorLayout(type);
    return layout ? layout->name : "Unknown";
}

class Printer {
public:
    std::string text;

    void Record(const PorRecord& record, int depth) {
        text.append(static_cast<std::size_t>(depth) * 2, ' ');
        text +=
            Number(record.Type()) + " " + NameOf(record.Type()) + " size=" + Number(record.Size());
        std::vector<std::pair<PorRecordListField, int>> lists;
        if (const PorLayout* layout = FindPorLayout(record.Type())) {
            for (const PorFieldInfo& field : layout->fields) {
                text += std::string(" ") + field.name + "=" + Value(record, field);
                if (field.kind == PorFieldKind::RecordList) {
                    lists.emplace_back(PorRecordListField{field.word}, depth + 1);
                }
            }
        }
        text += '\n';
        for (const auto& [field, nestedDepth] : lists) {
            PorRecordWalker nested = PorRecordWalker::Nested(record, field);
            while (const auto child = nested.Next()) {
                Record(*child, nestedDepth);
            }
        }
    }

private:
    static std::string Word(const PorRecord& record, int word, bool hex) {
        const auto value = record.Long(word);
        if (!value) {
            return "?";
        }
        return hex ? Hex(static_cast<DWORD>(*value)) : Number(*value);
    }

    static std::string Value(const PorRecord& record, const PorFieldInfo& field) {
        const int w = field.word;
        switch (field.kind) {
        case PorFieldKind::Int:
            return Word(record, w, false);
        case PorFieldKind::Unsigned: {
            const auto value = record.ULong(w);
            return value ? Number(*value) : "?";
        }
        case PorFieldKind::Color:
            return Word(record, w, true);
        case PorFieldKind::String:
            return Quoted(record.Get(PorStringField{w}));
        case PorFieldKind::FaceName:
            return Quoted(record.Get(PorFaceNameField{w}));
        case PorFieldKind::Point: {
            const auto point = record.Get(PorPointField{w});
            return point ? Point(*point) : "?";
        }
        case PorFieldKind::Points: {
            const auto points = record.Get(PorPointsField{w, field.count});
            return points ? Join({"[", Points(*points), "]"}) : "?";
        }
        case PorFieldKind::Pen:
            return "(lt=" + Word(record, w, false) + ",lts=" + Word(record, w + 1, false) +
                   ",w=" + Word(record, w + 2, false) + ",c=" + Word(record, w + 3, true) + ")";
        case PorFieldKind::Fill:
            return "(type=" + Word(record, w, false) + ",c=" + Word(record, w + 1, true) + ")";
        case PorFieldKind::PointList: {
            const auto points = record.Get(PorPointListField{w});
            return points ? Join({"[", Number(static_cast<long long>(points->size())), ":",
                                  points->empty() ? "" : " ", Points(*points), "]"})
                          : "?";
        }
        case PorFieldKind::ValueList: {
            const auto values = record.Get(PorValueListField{w});
            if (!values) {
                return "?";
            }
            std::string out = Join({"[", Number(static_cast<long long>(values->size())), ":"});
            for (LONG value : *values) {
                out += ' ';
                out += Number(value);
            }
            return out + "]";
        }
        case PorFieldKind::Bytes: {
            const auto bytes = record.Get(PorBytesField{w});
            return bytes ? Join({"<", Number(static_cast<long long>(bytes->size())), " bytes>"})
                         : "?";
        }
        case PorFieldKind::RecordList:
            return Word(record, w, false);
        case PorFieldKind::GroupItems: {
            std::string out = "[";
            for (const CString& id : record.Get(PorGroupItemsField{w})) {
                if (out.size() > 1) {
                    out += ' ';
                }
                out += Quoted(id);
            }
            return out + "]";
        }
        }
        return "?";
    }
};

struct Counts {
    long long topLevel = 0;
    long long nested = 0;
};

void Count(const PorRecord& record, bool nested, std::map<LONG, Counts>& counts) {
    Counts& count = counts[record.Type()];
    ++(nested ? count.nested : count.topLevel);
    if (const PorLayout* layout = FindPorLayout(record.Type())) {
        for (const PorFieldInfo& field : layout->fields) {
            if (field.kind == PorFieldKind::RecordList) {
                PorRecordWalker children =
                    PorRecordWalker::Nested(record, PorRecordListField{field.word});
                while (const auto child = children.Next()) {
                    Count(*child, true, counts);
                }
            }
        }
    }
}

// Walks the top-level records up to and including the end record.
template <typename Visit>
std::optional<std::size_t> Walk(std::span<const BYTE> block, Visit visit) {
    PorRecordWalker walker(block);
    while (const auto record = walker.Next()) {
        visit(*record);
        if (record->Type() == PorEnd::Type) {
            return std::nullopt;
        }
    }
    // No end record: where the walk had to stop.
    return walker.Position();
}

template <typename Make> std::string FromGlobal(HGLOBAL block, Make make) {
    const auto* data = static_cast<const BYTE*>(GlobalLock(block));
    if (!data) {
        return std::string();
    }
    std::string text = make(std::span(data, GlobalSize(block)));
    GlobalUnlock(block);
    return text;
}

} // namespace

std::string PorDumper::Dump(std::span<const BYTE> block) {
    Printer printer;
    const auto stop = Walk(block, [&](const PorRecord& record) { printer.Record(record, 0); });
    if (stop) {
        printer.text +=
            "# no end record; stopped at byte " + Number(static_cast<long long>(*stop)) + "\n";
    }
    return printer.text;
}

std::string PorDumper::Summary(std::span<const BYTE> block) {
    std::map<LONG, Counts> counts;
    Walk(block, [&](const PorRecord& record) { Count(record, false, counts); });
    std::string text;
    for (const auto& [type, count] : counts) {
        text += Number(type) + " " + NameOf(type) + " " + Number(count.topLevel) + " " +
                Number(count.nested) + "\n";
    }
    return text;
}

std::string PorDumper::Dump(HGLOBAL block) {
    return FromGlobal(block, [](std::span<const BYTE> data) { return Dump(data); });
}

std::string PorDumper::Summary(HGLOBAL block) {
    return FromGlobal(block, [](std::span<const BYTE> data) { return Summary(data); });
}
