#include "platform/sxf/CP21Model.h"

#include "platform/sxf/CP21Parser.h"
#include "platform/sxf/CSfcParameters.h"

#include <algorithm>

void CP21Attributes::Refuse(const std::string& reason) const {
    throw CSfcError("#" + std::to_string(m_instance.id) + " " + m_record.name + ": " + reason);
}

void CP21Attributes::Fail(std::size_t index, const char* what) const {
    Refuse("attribute " + std::to_string(index + 1) + " is not " + what);
}

const CP21Value& CP21Attributes::At(std::size_t index) const {
    if (index >= Count()) {
        Refuse(std::to_string(index + 1) + " attributes expected, " + std::to_string(Count()) +
               " found");
    }
    return m_record.parameters[index];
}

bool CP21Attributes::IsUnset(std::size_t index) const {
    const CP21Value::Kind kind = At(index).kind;
    return kind == CP21Value::Unset || kind == CP21Value::Derived;
}

double CP21Attributes::Real(std::size_t index) const {
    const CP21Value* value = &At(index);
    // A measure may be written with its type, as in POSITIVE_LENGTH_MEASURE(0.35).
    if (value->kind == CP21Value::Typed) {
        value = &value->items.front();
    }
    if (value->kind != CP21Value::Integer && value->kind != CP21Value::Real) {
        Fail(index, "a number");
    }
    return value->number;
}

long long CP21Attributes::Ref(std::size_t index) const {
    if (At(index).kind != CP21Value::Reference) {
        Fail(index, "an instance");
    }
    return At(index).id;
}

const std::string& CP21Attributes::Text(std::size_t index) const {
    const CP21Value* value = &At(index);
    // A name may be written with its type, as in IDENTIFIER('scadec').
    if (value->kind == CP21Value::Typed) {
        value = &value->items.front();
    }
    if (value->kind != CP21Value::String) {
        Fail(index, "a string");
    }
    return value->text;
}

const std::string& CP21Attributes::Enum(std::size_t index) const {
    if (At(index).kind != CP21Value::Enumeration) {
        Fail(index, "an enumeration");
    }
    return At(index).text;
}

bool CP21Attributes::Logical(std::size_t index) const {
    const std::string& value = Enum(index);
    if (value != "T" && value != "F") {
        Fail(index, "true or false");
    }
    return value == "T";
}

const std::vector<CP21Value>& CP21Attributes::List(std::size_t index) const {
    if (At(index).kind != CP21Value::List) {
        Fail(index, "a list");
    }
    return At(index).items;
}

std::vector<long long> CP21Attributes::RefList(std::size_t index) const {
    std::vector<long long> ids;
    for (const CP21Value& item : List(index)) {
        if (item.kind != CP21Value::Reference) {
            Fail(index, "a list of instances");
        }
        ids.push_back(item.id);
    }
    return ids;
}

CP21Model CP21Model::Parse(std::string_view bytes) {
    CP21Parser parser(bytes);
    CP21Model model;
    CP21Instance instance;
    while (parser.Next(instance)) {
        const long long id = instance.id;
        if (!model.m_index.emplace(id, model.m_instances.size()).second) {
            throw CSfcError("line " + std::to_string(instance.line) + ": #" + std::to_string(id) +
                            " stands twice");
        }
        model.m_instances.push_back(std::move(instance));
    }
    return model;
}

const CP21Instance& CP21Model::At(long long id) const {
    const auto found = m_index.find(id);
    if (found == m_index.end()) {
        throw CSfcError("#" + std::to_string(id) + " is referred to but not in the file");
    }
    return m_instances[found->second];
}

const CP21Record* CP21Model::Find(const CP21Instance& instance, std::string_view entity) {
    const auto found =
        std::find_if(instance.records.begin(), instance.records.end(),
                     [&](const CP21Record& record) { return record.name == entity; });
    return found == instance.records.end() ? nullptr : &*found;
}

CP21Attributes CP21Model::Attributes(const CP21Instance& instance, std::string_view entity) {
    const CP21Record* record = Find(instance, entity);
    if (!record) {
        throw CSfcError("#" + std::to_string(instance.id) + " is no " + std::string(entity));
    }
    return CP21Attributes(instance, *record);
}
