#pragma once
// One entity instance of a ".p21" data section: its id and its records (one
// for a simple instance, one per entity for a complex instance), each a name
// and its parameter values. Strings are already CP932.

#include <string>
#include <vector>

struct CP21Value {
    enum Kind {
        Unset,
        Derived,
        Integer,
        Real,
        String,
        Enumeration,
        Reference,
        Binary,
        List,
        Typed
    };

    Kind kind = Unset;
    double number = 0;            // Integer, Real
    long long id = 0;             // Reference
    std::string text;             // String, Enumeration, Binary, the type name of Typed
    std::vector<CP21Value> items; // List; the one value of Typed
};

struct CP21Record {
    std::string name; // upper case, as written
    std::vector<CP21Value> parameters;
};

struct CP21Instance {
    long long id = 0;
    int line = 0; // where the instance starts, for messages
    std::vector<CP21Record> records;
};
