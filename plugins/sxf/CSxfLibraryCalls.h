#pragma once
// One set of SXF library calls: the ".sfc" set or the ".p21" set. The
// reading algorithm is the same over both.

struct CSxfLibraryCalls {
    int (*open)(char* path, int mode, double tolerance, double angleTolerance, double zero,
                int level, int fileKind, char* info1, char* info2, char* info3, char* info4);
    int (*readTable)(int kind, void* entry, int* end);
    int (*readAssembly)(int kind, void*& data, int* end);
    int (*readNextFeature)(char* typeName, void*& data, int* end);
    int (*deleteFeature)(char* typeName, void*& data);
    int (*deleteAssembly)(int kind, void*& data);
    int (*popMessage)(char*& text, int* number, char*& second);
    int (*close)();
    int fileKind; // 1 ".sfc", 2 ".p21"

    static const CSxfLibraryCalls& Sfc();
    static const CSxfLibraryCalls& P21();
};
