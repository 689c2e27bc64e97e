#pragma once
// Every instance of a ".p21" file, found by its number, in file order, and
// typed reading of their attributes. A missing instance or an attribute of
// the wrong form throws CSfcError naming the instance.

#include "platform/sxf/CP21Instance.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CP21Model;

// The attributes of one record of an instance.
class CP21Attributes {
public:
    CP21Attributes(const CP21Instance& instance, const CP21Record& record)
        : m_instance(instance), m_record(record) {}

    const CP21Instance& Instance() const { return m_instance; }
    std::size_t Count() const { return m_record.parameters.size(); }
    const CP21Value& At(std::size_t index) const;
    bool IsUnset(std::size_t index) const;

    double Real(std::size_t index) const;
    long long Ref(std::size_t index) const;
    const std::string& Text(std::size_t index) const;
    const std::string& Enum(std::size_t index) const;
    bool Logical(std::size_t index) const;
    const std::vector<CP21Value>& List(std::size_t index) const;
    std::vector<long long> RefList(std::size_t index) const;

    [[noreturn]] void Refuse(const std::string& reason) const;

private:
    [[noreturn]] void Fail(std::size_t index, const char* what) const;

    const CP21Instance& m_instance;
    const CP21Record& m_record;
};

class CP21Model {
public:
    // Throws CSfcError when the bytes are no well-formed Part 21 file or an
    // instance number stands twice.
    static CP21Model Parse(std::string_view bytes);

    const std::vector<CP21Instance>& Instances() const { return m_instances; }
    // Throws CSfcError when the file holds no such instance.
    const CP21Instance& At(long long id) const;
    // The instance's record of that entity, or null. A simple instance has
    // one record; a complex one a record per entity.
    static const CP21Record* Find(const CP21Instance& instance, std::string_view entity);
    static bool Is(const CP21Instance& instance, std::string_view entity) {
        return Find(instance, entity) != nullptr;
    }
    // The attributes of that entity's record; throws CSfcError without it.
    static CP21Attributes Attributes(const CP21Instance& instance, std::string_view entity);
    CP21Attributes Attributes(long long id, std::string_view entity) const {
        return Attributes(At(id), entity);
    }

private:
    std::vector<CP21Instance> m_instances;
    std::unordered_map<long long, std::size_t> m_index;
};
